#include "platform/working_folder.h"

#include "tests/support/test_services.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <sys/stat.h>
#include <unistd.h>

namespace lumina {
namespace {

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(lstat(path.c_str(), &st), 0) << path;
    return st.st_mode & 07777;
}

TEST(WorkingFolder, MadePrivateUnderAMissingBase) {
    test::TempDir dir;
    const std::string base = dir.File("cache/deeper");
    const auto folder = PrivateFolderUnder(base, "lumina-graph");
    ASSERT_TRUE(folder);
    EXPECT_EQ(*folder, base + "/lumina-graph");
    EXPECT_EQ(ModeOf(*folder), 0700u);
    EXPECT_EQ(ModeOf(base), 0700u);
    // Asking again finds the same folder.
    EXPECT_EQ(PrivateFolderUnder(base, "lumina-graph"), folder);
}

TEST(WorkingFolder, AnOpenFolderOfOursIsClosedToOthers) {
    test::TempDir dir;
    const std::string folder = dir.File("lumina-graph");
    ASSERT_EQ(mkdir(folder.c_str(), 0777), 0);
    chmod(folder.c_str(), 0777);
    ASSERT_TRUE(PrivateFolderUnder(dir.Path(), "lumina-graph"));
    EXPECT_EQ(ModeOf(folder), 0700u);
}

TEST(WorkingFolder, RefusesLinksFilesAndBadNames) {
    test::TempDir dir;
    const std::string target = dir.File("elsewhere");
    ASSERT_EQ(mkdir(target.c_str(), 0700), 0);
    ASSERT_EQ(symlink(target.c_str(), dir.File("linked").c_str()), 0);
    EXPECT_FALSE(PrivateFolderUnder(dir.Path(), "linked"));
    std::ofstream(dir.File("plain")) << "x";
    EXPECT_FALSE(PrivateFolderUnder(dir.Path(), "plain"));
    EXPECT_FALSE(PrivateFolderUnder(dir.Path(), ".."));
    EXPECT_FALSE(PrivateFolderUnder(dir.Path(), "a/b"));
    EXPECT_FALSE(PrivateFolderUnder("relative/base", "lumina-graph"));
    EXPECT_FALSE(PrivateFolderUnder(dir.File("plain"), "lumina-graph")); // base is a file
}

TEST(WorkingFolder, RefusesAFolderOwnedBySomeoneElse) {
    if (geteuid() != 0)
        GTEST_SKIP() << "only the superuser can give a folder away";
    test::TempDir dir;
    const std::string folder = dir.File("lumina-graph");
    ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
    ASSERT_EQ(chown(folder.c_str(), 54321, 54321), 0);
    EXPECT_FALSE(PrivateFolderUnder(dir.Path(), "lumina-graph"));
}

// Sets environment variables for one scope and puts the old values back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value)
        : m_name(name) {
        if (const char* old = std::getenv(name))
            m_old = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv() {
        if (m_old)
            setenv(m_name.c_str(), m_old->c_str(), 1);
        else
            unsetenv(m_name.c_str());
    }

private:
    std::string m_name;
    std::optional<std::string> m_old;
};

TEST(WorkingFolder, RuntimeFolderWhenPrivateElseCache) {
    test::TempDir dir;
    const std::string runtime = dir.File("runtime");
    const std::string cache = dir.File("cache");
    ScopedEnv cacheEnv("XDG_CACHE_HOME", cache.c_str());
    {
        ScopedEnv runtimeEnv("XDG_RUNTIME_DIR", runtime.c_str()); // does not exist
        const auto folder = PrivateWorkingFolder();
        ASSERT_TRUE(folder);
        EXPECT_EQ(std::filesystem::path(*folder).parent_path(), cache);
    }
    ASSERT_EQ(mkdir(runtime.c_str(), 0755), 0);
    chmod(runtime.c_str(), 0755);
    {
        ScopedEnv runtimeEnv("XDG_RUNTIME_DIR", runtime.c_str()); // open to others: not used
        const auto folder = PrivateWorkingFolder();
        ASSERT_TRUE(folder);
        EXPECT_EQ(std::filesystem::path(*folder).parent_path(), cache);
    }
    chmod(runtime.c_str(), 0700);
    {
        ScopedEnv runtimeEnv("XDG_RUNTIME_DIR", runtime.c_str());
        const auto folder = PrivateWorkingFolder();
        ASSERT_TRUE(folder);
        EXPECT_EQ(std::filesystem::path(*folder).parent_path(), runtime);
        EXPECT_EQ(ModeOf(*folder), 0700u);
    }
}

} // namespace
} // namespace lumina

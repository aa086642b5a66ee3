// Saving through a temporary file: what is replaced, what is kept, what is left behind.
#include "platform/atomic_file.h"
#include "tests/support/test_services.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace lumina {
namespace {

namespace fs = std::filesystem;

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::size_t Entries(const std::string& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(WriteFileAtomically, CreatesReplacesAndLeavesNothingElse) {
    test::TempDir dir;
    const std::string path = dir.File("a.txt");
    ASSERT_TRUE(WriteFileAtomically(path, "first\r\n"));
    EXPECT_EQ(Read(path), "first\r\n");
    ASSERT_TRUE(WriteFileAtomically(path, "2"));
    EXPECT_EQ(Read(path), "2");
    ASSERT_TRUE(WriteFileAtomically(path, ""));
    EXPECT_EQ(Read(path), "");
    EXPECT_EQ(Entries(dir.Path()), 1u);
}

TEST(WriteFileAtomically, KeepsAnExistingFilesPermissions) {
    test::TempDir dir;
    const std::string path = dir.File("a.txt");
    ASSERT_TRUE(WriteFileAtomically(path, "x"));
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(WriteFileAtomically(path, "y"));
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(WriteFileAtomically, FollowsALinkAndKeepsIt) {
    test::TempDir dir;
    const std::string real = dir.File("real.txt");
    const std::string link = dir.File("link.txt");
    ASSERT_TRUE(WriteFileAtomically(real, "old"));
    fs::create_symlink(real, link);
    ASSERT_TRUE(WriteFileAtomically(link, "new"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Read(real), "new");
}

TEST(WriteFileAtomically, RefusesWhatCannotBeAFile) {
    test::TempDir dir;
    EXPECT_FALSE(WriteFileAtomically(dir.File("no/such/folder/a.txt"), "x"));
    fs::create_directory(dir.File("folder"));
    EXPECT_FALSE(WriteFileAtomically(dir.File("folder"), "x"));
    EXPECT_TRUE(fs::is_directory(dir.File("folder")));
    EXPECT_FALSE(WriteFileAtomically("", "x"));
    EXPECT_EQ(Entries(dir.Path()), 1u);
}

} // namespace
} // namespace lumina

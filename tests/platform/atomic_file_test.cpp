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

TEST(WriteFileAtomically, AFullDiskKeepsTheOldFileAndSaysWhy) {
    test::TempDir dir;
    const std::string path = dir.File("a.png");
    ASSERT_TRUE(WriteFileAtomically(path, "old"));
    WriteResult result;
    {
        const test::FileSizeLimit full(4);
        result = WriteFileAtomically(path, std::string(4096, 'x'));
    }
    EXPECT_FALSE(result);
    EXPECT_EQ(result.reason, "File too large");
    EXPECT_EQ(Read(path), "old");
    EXPECT_EQ(Entries(dir.Path()), 1u);
}

TEST(WriteFileAtomically, LeavesPipesAndDevicesAsTheyAre) {
    test::TempDir dir;
    const std::string pipe = dir.File("pipe.png");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const std::string device = dir.File("device.png");
    fs::create_symlink("/dev/null", device);
    // Refused at once: nothing waits for a reader of the pipe.
    const WriteResult toPipe = WriteFileAtomically(pipe, "x");
    EXPECT_FALSE(toPipe);
    EXPECT_EQ(toPipe.reason, "not a regular file");
    EXPECT_FALSE(WriteFileAtomically(device, "x"));
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_TRUE(fs::is_symlink(device));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_EQ(Entries(dir.Path()), 2u);
}

TEST(WriteFileAtomically, TakesTheNameAsTheBytesItIs) {
    test::TempDir dir;
    // 0x8A 'G': Shift_JIS bytes that are not UTF-8.
    const std::string name = "\x8a"
                             "G.png";
    ASSERT_TRUE(WriteFileAtomically(dir.File(name), "x"));
    ASSERT_EQ(Entries(dir.Path()), 1u);
    EXPECT_EQ(fs::directory_iterator(dir.Path())->path().filename().string(), name);
}

} // namespace
} // namespace lumina

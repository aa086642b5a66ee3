#include "art/text_export.h"

#include "art/export.h"
#include "tests/support/test_services.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>

namespace lumina {
namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ArtText, ThreeByTwoGridIsSixteenBytes) {
    const CellGrid grid{3, 2, {0x8260, 0x8261, 0x8262, 0x8281, 0x8282, 0x8283}, {}};
    const std::string expected("\x82\x60\x82\x61\x82\x62\r\n\x82\x81\x82\x82\x82\x83\r\n", 16);
    EXPECT_EQ(ArtTextBytes(grid), expected);

    test::TempDir dir;
    const std::string path = dir.File("art.txt");
    ASSERT_TRUE(WriteArtTextFile(path, grid).ok());
    EXPECT_EQ(ReadAll(path), expected);
}

const CellGrid kOneCell{1, 1, {0x8260}, {}};

TEST(ArtText, ReplacesAnExistingFileAndLeavesNoTemporaryBehind) {
    test::TempDir dir;
    const std::string path = dir.File("art.txt");
    { std::ofstream(path) << "old contents that are longer"; }
    ASSERT_TRUE(WriteArtTextFile(path, kOneCell).ok());
    EXPECT_EQ(ReadAll(path), "\x82\x60\r\n");
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        ++files;
    EXPECT_EQ(files, 1);
}

TEST(ArtText, FailureLeavesTheExistingFileIntact) {
    test::TempDir dir;
    // A folder in the way of the final name: the rename fails after the data was written.
    const std::string blocked = dir.File("blocked.txt");
    std::filesystem::create_directory(blocked);
    { std::ofstream(blocked + "/inside") << "keep"; }
    const Status refused = WriteArtTextFile(blocked, kOneCell);
    ASSERT_FALSE(refused);
    EXPECT_EQ(test::ProblemText(refused.problem()), blocked + "\nファイルのオープンに失敗しました");
    EXPECT_EQ(refused.problem().detail, "a folder is in the way");
    EXPECT_EQ(ReadAll(blocked + "/inside"), "keep");
    const Status missing = WriteArtTextFile(dir.File("missing/art.txt"), kOneCell);
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.problem().detail, "No such file or directory");
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        ++files;
    EXPECT_EQ(files, 1) << "no temporary file is left behind";
}

TEST(ArtText, ALinkStaysALinkAndAPrivateFileStaysPrivate) {
    test::TempDir dir;
    const std::string real = dir.File("real.txt");
    const std::string link = dir.File("link.txt");
    { std::ofstream(real) << "old"; }
    ASSERT_EQ(chmod(real.c_str(), 0600), 0);
    std::filesystem::create_symlink(real, link);
    ASSERT_TRUE(WriteArtTextFile(link, kOneCell).ok());
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadAll(real), "\x82\x60\r\n");
    struct stat st {};
    ASSERT_EQ(stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

} // namespace
} // namespace lumina

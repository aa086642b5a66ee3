#include "art/text_export.h"

#include "tests/support/test_services.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

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
    ASSERT_TRUE(WriteFileReplacing(path, ArtTextBytes(grid)));
    EXPECT_EQ(ReadAll(path), expected);
}

TEST(ArtText, ReplacesAnExistingFileAndLeavesNoTemporaryBehind) {
    test::TempDir dir;
    const std::string path = dir.File("art.txt");
    { std::ofstream(path) << "old contents that are longer"; }
    ASSERT_TRUE(WriteFileReplacing(path, "new"));
    EXPECT_EQ(ReadAll(path), "new");
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
    EXPECT_FALSE(WriteFileReplacing(blocked, "data"));
    EXPECT_EQ(ReadAll(blocked + "/inside"), "keep");
    EXPECT_FALSE(WriteFileReplacing(dir.File("missing/art.txt"), "data"));
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        ++files;
    EXPECT_EQ(files, 1) << "no temporary file is left behind";
}

} // namespace
} // namespace lumina

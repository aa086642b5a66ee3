#include "image/source_picture.h"

#include "image/file_bytes.h"
#include "platform/image_codec.h"
#include "tests/support/test_services.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace lumina {
namespace {

// The PNG conformance suite (with its licence) under tests/data/pngsuite: every valid file
// loads, every deliberately broken one (named x...) fails without a crash.
TEST(PngSuite, ValidFilesLoadAndBrokenOnesFailCleanly) {
    const std::filesystem::path folder = test::TestDataPath("pngsuite");
    if (!std::filesystem::exists(folder / "LICENSE"))
        GTEST_SKIP() << "no PngSuite at " << folder;
    int valid = 0;
    int broken = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() != ".png")
            continue;
        const std::string name = entry.path().filename().string();
        const bool corrupt = name[0] == 'x';
        test::TestServices services;
        SourcePicture picture;
        picture.path = entry.path().string();
        picture.type = "png";
        Problems problems;
        const bool loaded = LoadSourcePicture(services.Get(), picture, problems);
        EXPECT_EQ(loaded, !corrupt) << name;
        // A broken file says why the window closes; a valid one says nothing.
        const std::vector<MessageId> expected =
            corrupt ? std::vector<MessageId>{kMsgPictureUnreadable} : std::vector<MessageId>{};
        std::vector<MessageId> shown;
        for (const Problem& problem : problems)
            shown.push_back(problem.id);
        EXPECT_EQ(shown, expected) << name;
        if (loaded) {
            EXPECT_GT(picture.width, 0) << name;
            ASSERT_TRUE(picture.sourceSurface) << name;
            EXPECT_EQ(picture.sourceSurface->Width(), picture.width) << name;
            // The size is the header's.
            const auto bytes = ReadWholeFile(picture.path).bytes;
            const int width = bytes[16] << 24 | bytes[17] << 16 | bytes[18] << 8 | bytes[19];
            EXPECT_EQ(picture.width, width) << name;
        }
        ++(corrupt ? broken : valid);
    }
    EXPECT_EQ(valid + broken, 175);
    EXPECT_EQ(broken, 14);
}

} // namespace
} // namespace lumina

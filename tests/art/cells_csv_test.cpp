#include "art/cells_csv.h"

#include "art/engine.h"
#include "platform/cp932.h"
#include "platform/surface.h"
#include "tests/support/test_services.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

namespace lumina {
namespace {

TEST(CellsCsv, OneLinePerCellAfterTheHeader) {
    const std::vector<CellChoice> choices = {
        {250, 0x8261, 250, 0x8260, 0, true},
        {1100, 0x8262, 1000, 0x8261, 250, true},
        {-20, 0x82A0, 0, 0, 0, false},
    };
    EXPECT_EQ(CellsCsv(2, choices),
              "row,column,wanted,character,code,density,runner_up,runner_up_density\r\n"
              "0,0,250,Ｂ,0x8261,250,Ａ,0\r\n"
              "0,1,1100,Ｃ,0x8262,1000,Ｂ,250\r\n"
              "1,0,-20,あ,0x82A0,0,,\r\n");
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// A picture of 4 x 2 pixels is one character a pixel: eight cells, light to dark.
TEST(CellsCsv, RowsOfATinyPictureAgreeWithTheArt) {
    auto services = test::MakeServicesWithFonts();
    auto picture = Surface::Create(4, 2, PixelFormat::Rgb32);
    ASSERT_TRUE(picture);
    for (int i = 0; i < 8; ++i) {
        const int v = 255 - i * 32;
        picture->SetPixel({i % 4, i / 4}, Rgb(v, v, v));
    }
    ArtEngine engine(services->Get());
    engine.SetPicture(&*picture, PictureFacts{"tiny.png", 4, 2, 1});
    for (const auto& info : kCharClasses)
        engine.Settings().ClassSwitch(info.cls) = info.cls == CharClass::Num ? 1 : 0;
    engine.Settings().Tone = 1;
    engine.KeepCellChoices(true);
    ASSERT_TRUE(engine.Run({}, false).ok());
    const CompletedArt& art = *engine.LastCompleted();
    ASSERT_EQ(art.layout.cols, 4);
    ASSERT_EQ(art.layout.rows, 2);
    ASSERT_EQ(art.choices.size(), 8u);

    const test::TempDir dir;
    const std::string path = dir.File("cells.csv");
    ASSERT_TRUE(WriteCellsCsv(path, art.layout.cols, art.choices).ok());
    std::ifstream in(path, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(lines.size(), 9u);
    int lastWanted = -1;
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(lines[static_cast<size_t>(i) + 1]);
        std::istringstream fields(lines[static_cast<size_t>(i) + 1]);
        std::vector<std::string> f;
        for (std::string field; std::getline(fields, field, ',');)
            f.push_back(field);
        ASSERT_EQ(f.size(), 8u);
        EXPECT_EQ(f[0], std::to_string(i / 4));
        EXPECT_EQ(f[1], std::to_string(i % 4));
        const int wanted = std::stoi(f[2]);
        EXPECT_GT(wanted, lastWanted) << "the picture darkens cell by cell";
        lastWanted = wanted;
        const auto code = static_cast<std::uint32_t>(art.grid.cells[static_cast<size_t>(i)]);
        EXPECT_EQ(f[3], cp932::ToUtf8Lossy(cp932::CodeBytes(code)));
        EXPECT_EQ(std::stoul(f[4], nullptr, 16), code);
        EXPECT_GE(code, 0x824Fu) << "a full-width digit";
        EXPECT_LE(code, 0x8258u);
        EXPECT_NE(f[6], f[3]) << "the runner-up is another character";
        EXPECT_NE(f[7].substr(0, f[7].size() - 1), f[5]) << "of another density";
        EXPECT_EQ(f[7].back(), '\r');
    }
    EXPECT_EQ(lines[1].substr(0, 6), "0,0,0,") << "the lightest cell wants 0 when stretched";
    EXPECT_FALSE(WriteCellsCsv(dir.File("no/such/folder.csv"), 4, art.choices).ok());
}

} // namespace
} // namespace lumina

#include "art/palette_cache.h"

#include "art/engine.h"
#include "platform/surface.h"
#include "services/common.h"
#include "tests/support/test_services.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace lumina {
namespace {

namespace fs = std::filesystem;

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

class PaletteCacheTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/lumina-palette-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_folder = pattern;
        auto picture = Surface::Create(200, 150, PixelFormat::Rgb32);
        ASSERT_TRUE(picture);
        m_picture.emplace(std::move(*picture));
        m_settings.FontName = "";
    }
    void TearDown() override { fs::remove_all(m_folder); }

    // A run's palette, kept in the test's folder ("" for none).
    CharPalette RunPalette(const std::string& folder) { return Run(folder, true).Palette(); }
    // The engine after a run that draws the art or only maps the cells.
    ArtEngine& Run(const std::string& folder, bool drawArt) {
        m_engine = std::make_unique<ArtEngine>(m_services->Get(), nullptr);
        m_engine->SetPaletteCacheFolder(folder);
        m_engine->Settings() = m_settings;
        m_engine->DrawArt(drawArt);
        m_engine->SetPicture(&*m_picture, PictureFacts{"/pics/white.png", 200, 150, 0});
        EXPECT_TRUE(m_engine->Run({}, false).ok());
        return *m_engine;
    }
    std::string KeyNow() {
        const FontSpec fontSpec{m_settings.FontName, m_settings.FontSize, false, false, 0};
        const auto font = m_services->Get().fonts.CreateFont(MakeLogicalFont(fontSpec, 96));
        const auto key = PaletteCacheKey(font->Logical(), font->Face(), m_settings);
        EXPECT_TRUE(key);
        return key.value_or("");
    }

    std::unique_ptr<test::TestServices> m_services = test::MakeServicesWithFonts();
    std::string m_folder;
    std::optional<Surface> m_picture;
    ArtSettings m_settings;
    std::unique_ptr<ArtEngine> m_engine;
};

TEST_F(PaletteCacheTest, ARunKeepsItsMeasuredPaletteAndTheNextOneReadsIt) {
    const CharPalette measured = RunPalette("");
    ASSERT_GT(measured.count(), 0);
    EXPECT_EQ(RunPalette(m_folder).entries, measured.entries);
    const std::string key = KeyNow();
    const auto stored = LoadCachedPalette(m_folder, key);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->palette.entries, measured.entries);
    EXPECT_EQ(RunPalette(m_folder).entries, measured.entries);
}

// A run that draws no glyph takes the palette and the font's metrics from the cache instead of
// opening the face: its layout and cells are those of a run that measured everything.
TEST_F(PaletteCacheTest, ATextOnlyRunFromTheCacheLaysOutAndMapsAsAMeasuredOne) {
    const ArtEngine& measured = Run("", false);
    const ArtLayout layout = measured.Layout();
    ASSERT_TRUE(measured.LastCompleted());
    const std::vector<std::int32_t> cells = measured.LastCompleted()->grid.cells;
    const ArtFontMetrics metrics = measured.FontMetrics();
    RunPalette(m_folder);
    const auto stored = LoadCachedPalette(m_folder, KeyNow());
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->metrics.tmAscent, metrics.tmAscent);
    EXPECT_EQ(stored->metrics.tmDescent, metrics.tmDescent);
    EXPECT_EQ(stored->metrics.tmAveCharWidth, metrics.tmAveCharWidth);
    const ArtEngine& cached = Run(m_folder, false);
    EXPECT_EQ(cached.Layout().cols, layout.cols);
    EXPECT_EQ(cached.Layout().rows, layout.rows);
    EXPECT_EQ(cached.Layout().cellW, layout.cellW);
    EXPECT_EQ(cached.Layout().cellH, layout.cellH);
    ASSERT_TRUE(cached.LastCompleted());
    EXPECT_EQ(cached.LastCompleted()->grid.cells, cells);
}

TEST_F(PaletteCacheTest, KeyNamesWhatTheMeasureDependsOn) {
    const std::string plain = KeyNow();
    m_settings.ClassSwitch(CharClass::Kanji) = 1 - m_settings.ClassSwitch(CharClass::Kanji);
    EXPECT_NE(KeyNow(), plain) << "classes";
    m_settings = ArtSettings{};
    m_settings.FontName = "";
    m_settings.FontSize = 20;
    EXPECT_NE(KeyNow(), plain) << "size";
}

// A damaged or foreign file is not used: the palette is measured again and the file rewritten.
TEST_F(PaletteCacheTest, DamagedFileIsIgnoredAndRewritten) {
    const CharPalette measured = RunPalette(m_folder);
    const std::string key = KeyNow();
    const std::string path = PaletteCachePath(m_folder, key);
    const std::string good = ReadText(path);
    ASSERT_FALSE(good.empty());
    std::string flipped = good;
    flipped[flipped.size() / 2] = flipped[flipped.size() / 2] == '1' ? '2' : '1';
    std::string otherKey = good;
    otherKey.replace(otherKey.find("classes="), 8, "classes=x");
    const struct {
        const char* name;
        std::string text;
    } damaged[] = {
        {"empty", ""},
        {"cut off", good.substr(0, good.size() / 3)},
        {"one digit changed", flipped},
        {"another key", otherKey},
        {"not a palette", std::string(4096, '\xff')},
    };
    for (const auto& d : damaged) {
        SCOPED_TRACE(d.name);
        WriteText(path, d.text);
        EXPECT_FALSE(LoadCachedPalette(m_folder, key));
        EXPECT_EQ(RunPalette(m_folder).entries, measured.entries);
        EXPECT_EQ(ReadText(path), good);
    }
}

} // namespace
} // namespace lumina

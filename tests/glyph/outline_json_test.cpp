// The JSON form of the point file: the font's own points as its file stores them, scaled, and
// the blocks of the text form.
#include "glyph/outline.h"
#include "glyph/outline_file.h"
#include "glyph/outline_json.h"
#include "glyph/request.h"
#include "tests/glyph/view_test_support.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <sstream>

namespace lumina {
namespace {

// The request at an em of 100 pixels (75 points): the fixtures' 1000-unit coordinates / 10.
GlyphRequest Fixture(const char* face, char c, bool hinted = true) {
    GlyphRequest request;
    request.Char = std::string(1, c);
    request.SjisCode = static_cast<unsigned char>(c);
    request.FontName = face;
    request.FontSize = 75;
    request.hinted = hinted;
    return request;
}

GlyphOutline Decoded(const test::TestServices& services, const GlyphRequest& request) {
    Surface surface = *Surface::Create(1, 1, PixelFormat::Rgb32);
    const ScopedFont font(services.Get(), surface, request.ToFontSpec());
    GlyphOutline outline;
    GlyphMetrics metrics;
    RecordingGlyphObserver observer;
    EXPECT_TRUE(DecodeNativeOutline(surface, *request.Key(), outline, metrics, observer));
    PlaceOutline(outline, 800, 600);
    return outline;
}

// The contours as "x,y type" items, as the JSON gives them.
std::vector<std::string> Contours(const QJsonArray& contours) {
    std::vector<std::string> out;
    for (const QJsonValue& contour : contours) {
        std::ostringstream text;
        for (const QJsonValue& v : contour.toObject()["points"].toArray()) {
            const QJsonObject p = v.toObject();
            text << p["x"].toDouble() << "," << p["y"].toDouble() << " "
                 << p["type"].toString().toStdString() << " ";
        }
        out.push_back(text.str());
    }
    return out;
}

// The blocks of the text form, read back from its lines: "x , y" lines between the headers.
std::vector<std::string> TextBlocks(const std::string& file) {
    std::vector<std::string> blocks;
    std::istringstream lines(file);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.rfind("[Block-", 0) == 0)
            blocks.emplace_back();
        else if (!line.empty())
            blocks.back() += line + ";";
    }
    return blocks;
}

std::vector<std::string> JsonBlocks(const QJsonArray& blocks) {
    std::vector<std::string> out;
    for (const QJsonValue& block : blocks) {
        std::string text;
        for (const QJsonValue& v : block.toArray())
            text += std::to_string(v.toObject()["x"].toInt()) + " , " +
                    std::to_string(v.toObject()["y"].toInt()) + ";";
        out.push_back(text);
    }
    return out;
}

TEST(OutlineJson, PointsAreTheFontFilesScaledAndBlocksThoseOfThePointFile) {
    const struct {
        const char* face;
        char character;
        const char* file;
        std::vector<std::string> contours; // tests/data/fonts/build_fixture_fonts.py, / 10
    } cases[] = {
        {"Lumina Test",
         'B',
         "LuminaTest.ttf",
         {"10,0 on 10,60 on 40,80 conic 70,60 conic 70,0 on "}},
        {"Lumina Test", 'D', "LuminaTest.ttf", {"10,60 conic 40,60 on 40,0 on 10,0 on "}},
        {"Lumina Test",
         'C',
         "LuminaTest.ttf",
         {"0,0 on 0,70 on 80,70 on 80,0 on ", "20,20 on 60,20 on 60,50 on 20,50 on "}},
        {"Lumina Test CFF",
         'B',
         "LuminaTestCFF.otf",
         {"10,0 on 10,60 on 30,80 cubic 50,80 cubic 70,60 on 70,0 on "}},
        {"Lumina Test CFF",
         'F',
         "LuminaTestCFF.otf",
         {"10,10 on 30,50 cubic 50,50 cubic 70,10 on 50,-10 cubic 30,-10 cubic "}},
    };
    const test::TestServices services(test::FixtureFonts());
    for (const auto& c : cases) {
        for (const bool controls : {false, true}) {
            SCOPED_TRACE(std::string(c.face) + " " + c.character + (controls ? " +" : ""));
            // Unhinted: the points exactly as the file stores them.
            const GlyphRequest request = Fixture(c.face, c.character, false);
            const Result<OutlineJsonSource> source = FetchOutlineJsonSource(services, request);
            ASSERT_TRUE(source);
            const GlyphOutline outline = Decoded(services, request);
            const std::string json = FormatOutlineJson(*source, outline, controls);
            QJsonParseError error;
            const QJsonDocument doc =
                QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
            ASSERT_EQ(error.error, QJsonParseError::NoError) << json;
            const QJsonObject o = doc.object();
            EXPECT_EQ(o.keys(), (QStringList{"blocks", "contours", "face", "file", "hinted",
                                             "index", "ppem"}));
            EXPECT_EQ(o["face"].toString().toStdString(), c.face);
            EXPECT_TRUE(o["file"].toString().endsWith(QString::fromLatin1(c.file)));
            EXPECT_EQ(o["index"].toInt(-1), 0);
            EXPECT_EQ(o["ppem"].toInt(), 100);
            EXPECT_FALSE(o["hinted"].toBool(true));
            EXPECT_EQ(Contours(o["contours"].toArray()), c.contours);
            EXPECT_EQ(JsonBlocks(o["blocks"].toArray()),
                      TextBlocks(FormatOutlinePointFile(outline, controls)));
        }
    }
}

TEST(OutlineJson, HintedSaysSoAndAFaceWithoutTheGlyphIsRefused) {
    const test::TestServices services(test::FixtureFonts());
    const Result<OutlineJsonSource> hinted =
        FetchOutlineJsonSource(services, Fixture("Lumina Test", 'A'));
    ASSERT_TRUE(hinted);
    EXPECT_TRUE(hinted->hinted);
    EXPECT_NE(FormatOutlineJson(*hinted, GlyphOutline{}, false).find("\"hinted\": true"),
              std::string::npos);
    // Nothing to write for a request that is no character.
    GlyphRequest none = Fixture("Lumina Test", 'A');
    none.SjisCode = 0x81;
    const Result<OutlineJsonSource> refused = FetchOutlineJsonSource(services, none);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.problem().id, kMsgNoOutline);
    // Names are escaped.
    OutlineJsonSource odd;
    odd.face.family = "a\"b\\c";
    EXPECT_NE(FormatOutlineJson(odd, GlyphOutline{}, false).find(R"("face": "a\"b\\c")"),
              std::string::npos);
}

} // namespace
} // namespace lumina

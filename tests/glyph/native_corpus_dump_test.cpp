// Writes the seed corpus of the outline decoder's fuzz target (tests/fuzz/corpus/
// outline_decoder): hand-built records covering every record kind and malformed form, and real
// native data of the fixture fonts and the default Japanese face. Not part
// of the normal run; to refresh the seeds:
//   LUMINA_CORPUS_OUT=tests/fuzz/corpus/outline_decoder lumina_glyph_tests
//   --gtest_also_run_disabled_tests --gtest_filter='NativeCorpus.*'
#include "tests/glyph/native_records.h"

#include "services/common.h"
#include "tests/platform/font_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace lumina::test {
namespace {

using Seed = std::pair<std::string, std::vector<std::uint8_t>>;

void WriteSeeds(const std::vector<Seed>& seeds) {
    const char* out = std::getenv("LUMINA_CORPUS_OUT");
    ASSERT_NE(out, nullptr) << "set LUMINA_CORPUS_OUT to the corpus folder";
    for (const auto& [name, bytes] : seeds) {
        std::ofstream file(std::string(out) + "/" + name, std::ios::binary);
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        ASSERT_TRUE(file.good()) << name;
    }
}

NativeRecords Square() {
    NativeRecords r;
    r.Polygon(Px(0, 0)).Line({Px(10, 0), Px(10, 10), Px(0, 10), Px(0, 0)});
    return r;
}

TEST(NativeCorpus, DISABLED_DumpHandBuilt) {
    std::vector<Seed> seeds = {
        {"hand-square", Square().Bytes()},
        {"hand-two-contours", Square().Polygon(Px(20, 0)).Line({Px(30, 0), Px(30, 10)}).Bytes()},
        {"hand-quadratic", NativeRecords()
                               .Polygon(Px(0, 0))
                               .QSpline({Px(0, 10), Px(10, 10), Px(10, 0)})
                               .Line({Px(0, 0)})
                               .Bytes()},
        {"hand-cubic",
         NativeRecords()
             .Polygon(Px(0, 0))
             .CSpline({Px(0, 10), Px(10, 10), Px(10, 0), Px(10, -10), Px(0, -10), Px(0, 0)})
             .Bytes()},
        {"hand-halves", NativeRecords()
                            .Polygon(Px(10.5, -10.5))
                            .Line({Px(2.5, -2.5), Px(-0.75, 0)})
                            .QSpline({{-0x10001, Fx(6)}, Px(0, 6), Px(0, 0)})
                            .Bytes()},
        {"hand-mixed", NativeRecords()
                           .Polygon(Px(-100, 200))
                           .Line({Px(50, 200)})
                           .QSpline({Px(80, 150), Px(80, 100), Px(50, 50)})
                           .CSpline({Px(20, 40), Px(-80, 60), Px(-100, 100)})
                           .Polygon(Px(0, 0))
                           .QSpline({Px(10, 10), Px(20, 0)})
                           .Bytes()},
        {"bad-cb-zero", Square().Polygon(Px(1, 1)).Line({Px(2, 2)}).ForceCb(0).Bytes()},
        {"bad-cb-past-end", Square().Polygon(Px(1, 1)).Line({Px(2, 2)}).ForceCb(999).Bytes()},
        {"bad-cpfx", Square().Polygon(Px(1, 1)).CurveHeader(NativeRecords::kLine, 3).Bytes()},
        {"bad-type", Square().Polygon(Px(1, 1)).Curve(7, {Px(2, 2)}).Bytes()},
        {"bad-quadratic-one", Square().Polygon(Px(1, 1)).QSpline({Px(2, 2)}).Bytes()},
        {"bad-cubic-four",
         Square().Polygon(Px(1, 1)).CSpline({Px(2, 2), Px(3, 3), Px(4, 4), Px(5, 5)}).Bytes()},
        {"bad-header-cut", Square().Raw({0x20, 0, 0, 0, 24, 0, 0, 0, 1, 2}).Bytes()},
    };
    WriteSeeds(seeds);
}

// Native data as the rasteriser hands it out, upright and turned.
TEST(NativeCorpus, DISABLED_DumpFromFonts) {
    std::vector<Seed> seeds;
    auto add = [&seeds](const std::shared_ptr<const Font>& font, const std::string& name,
                        std::uint32_t code) {
        ASSERT_NE(font, nullptr) << name;
        const auto glyph = font->Glyph(code, GlyphFormat::Native);
        ASSERT_TRUE(glyph && !glyph->bytes.empty()) << name;
        seeds.push_back({name, glyph->bytes});
    };
    auto fixtures = MakeFixtureFontSystem();
    for (const int angle : {0, 45, 90}) {
        for (const char* family : {"Lumina Test", "Lumina Test CFF"}) {
            const auto font =
                fixtures->CreateFont(LogicalFont{family, -100, 400, false, angle * 10});
            const std::string prefix =
                std::string(family == std::string("Lumina Test") ? "tt" : "cff") + "-";
            for (const char code : {'A', 'B', 'C', 'D', 'E', 'F'})
                add(font, prefix + code + "-" + std::to_string(angle),
                    static_cast<std::uint32_t>(code));
        }
    }
    auto system = MakeFreeTypeFontSystem();
    const std::pair<const char*, std::uint32_t> japanese[] = {
        {"a-hiragana", 0x82A0}, {"kan", 0x8ABF}, {"utsu", 0x9F54}, {"latin-g", 'g'}};
    for (const int angle : {0, 30}) {
        const auto font =
            system->CreateFont(MakeLogicalFont(FontSpec{"", 72, false, false, angle}, 96));
        for (const auto& [name, code] : japanese)
            add(font, std::string("ipagothic-") + name + "-" + std::to_string(angle), code);
    }
    WriteSeeds(seeds);
}

} // namespace
} // namespace lumina::test

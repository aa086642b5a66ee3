#include "platform/base_table.h"

#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <string>
#include <utility>
#include <vector>

namespace lumina {
namespace {

// The BASE table of LuminaTestVert.ttf: horizontal axis only, tags icfb icft ideo romn, scripts
// DFLT (-70, 830, -110, 0) and hani (-80, 840, -120, 0), which share their romn coordinate.
constexpr std::array<std::uint8_t, 108> kFixtureBase{
    0x00, 0x01, 0x00, 0x00, 0x00, 0x08, 0x00, 0x00, // version 1.0, horizontal axis at 8
    0x00, 0x04, 0x00, 0x16,                         // 8: axis: tag list at 12, scripts at 30
    0x00, 0x04, 'i',  'c',  'f',  'b',  'i',  'c',  'f',  't',  'i',  'd',
    'e',  'o',  'r',  'o',  'm',  'n',              // 12: four tags
    0x00, 0x02, 'D',  'F',  'L',  'T',  0x00, 0x0E, // 30: two scripts: DFLT at 44,
    'h',  'a',  'n',  'i',  0x00, 0x2C,             // 38: hani at 74
    0x00, 0x06, 0x00, 0x00, 0x00, 0x00,             // 44: DFLT: values at 50
    0x00, 0x03, 0x00, 0x04, 0x00, 0x0C, 0x00, 0x10, 0x00, 0x14, 0x00, 0x36, // 50: four coords
    0x00, 0x01, 0xFF, 0xBA,                                                 // 62: -70
    0x00, 0x01, 0x03, 0x3E,                                                 // 66: 830
    0x00, 0x01, 0xFF, 0x92,                                                 // 70: -110
    0x00, 0x06, 0x00, 0x00, 0x00, 0x00, // 74: hani: values at 80
    0x00, 0x02, 0x00, 0x04, 0x00, 0x0C, 0x00, 0x10, 0x00, 0x14, 0x00, 0x18, // 80: four coords
    0x00, 0x01, 0xFF, 0xB0,                                                 // 92: -80 (icfb)
    0x00, 0x01, 0x03, 0x48,                                                 // 96: 840 (icft)
    0x00, 0x01, 0xFF, 0x88,                                                 // 100: -120 (ideo)
    0x00, 0x01, 0x00, 0x00,                                                 // 104: 0 (romn)
};

constexpr BaseValues kHani{-120, -80, 840};
constexpr BaseValues kDflt{-110, -70, 830};

TEST(BaseTable, ReadsTheIdeographicBaselinesOfHan) {
    EXPECT_EQ(ReadBaseValues(kFixtureBase), kHani);
}

// Every cut of the table keeps exactly the values whose coordinates lie wholly before the cut.
TEST(BaseTable, ATruncatedTableGivesOnlyWhatItHolds) {
    for (std::size_t length = 0; length < kFixtureBase.size(); ++length) {
        SCOPED_TRACE(length);
        const BaseValues v = ReadBaseValues(std::span(kFixtureBase.data(), length));
        EXPECT_EQ(v.icfb, length >= 96 ? kHani.icfb : std::nullopt);
        EXPECT_EQ(v.icft, length >= 100 ? kHani.icft : std::nullopt);
        EXPECT_EQ(v.ideo, length >= 104 ? kHani.ideo : std::nullopt);
    }
}

struct Patch {
    std::size_t at;
    std::uint16_t value;
};

struct LyingCase {
    const char* what;
    std::vector<Patch> patches;
    BaseValues expected;
};

class BaseTableLies : public ::testing::TestWithParam<LyingCase> {};

TEST_P(BaseTableLies, GiveNulloptForWhatTheyBreak) {
    std::vector<std::uint8_t> bytes(kFixtureBase.begin(), kFixtureBase.end());
    for (const Patch& p : GetParam().patches) {
        bytes[p.at] = static_cast<std::uint8_t>(p.value >> 8);
        bytes[p.at + 1] = static_cast<std::uint8_t>(p.value);
    }
    EXPECT_EQ(ReadBaseValues(bytes), GetParam().expected);
}

constexpr std::uint16_t kFar = 0xFFF0;
const BaseValues kNone{};

INSTANTIATE_TEST_SUITE_P(
    Mutations, BaseTableLies,
    ::testing::Values(
        LyingCase{"unknown major version", {{0, 2}}, kNone},
        LyingCase{"no horizontal axis", {{4, 0}}, kNone},
        LyingCase{"horizontal axis past the end", {{4, kFar}}, kNone},
        LyingCase{"no tag list", {{8, 0}}, kNone},
        LyingCase{"script list past the end", {{10, kFar}}, kNone},
        LyingCase{"tag count beyond the table", {{12, 0xFFFF}}, kHani},
        LyingCase{"tag count of one", {{12, 1}}, {std::nullopt, -80, std::nullopt}},
        LyingCase{"ideo renamed", {{22, 0x7878}}, {std::nullopt, -80, 840}},
        LyingCase{"script count beyond the table", {{30, 0xFFFF}}, kHani},
        LyingCase{"only DFLT counted", {{30, 1}}, kDflt},
        LyingCase{"hani renamed", {{38, 0x7878}}, kDflt},
        LyingCase{"neither hani nor DFLT", {{32, 0x7878}, {38, 0x7878}}, kNone},
        LyingCase{"hani's script past the end", {{42, kFar}}, kNone},
        LyingCase{"hani's script null", {{42, 0}}, kNone},
        LyingCase{"hani's values null", {{74, 0}}, kNone},
        LyingCase{"hani's values past the end", {{74, kFar}}, kNone},
        LyingCase{"two coordinates counted", {{82, 2}}, {std::nullopt, -80, 840}},
        LyingCase{"coordinate count beyond the table", {{82, 0xFFFF}}, kHani},
        LyingCase{"icfb's coordinate null", {{84, 0}}, {-120, std::nullopt, 840}},
        LyingCase{"ideo's coordinate past the end", {{88, kFar}}, {std::nullopt, -80, 840}},
        LyingCase{"ideo's coordinate in the last byte", {{88, 107 - 80}}, {std::nullopt, -80, 840}},
        LyingCase{"coordinate format 0", {{100, 0}}, {std::nullopt, -80, 840}},
        LyingCase{"coordinate format 4", {{100, 4}}, {std::nullopt, -80, 840}},
        LyingCase{"coordinate format 3 starts alike", {{100, 3}}, kHani}),
    [](const auto& info) {
        std::string name;
        for (const char* c = info.param.what; *c; ++c)
            name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        return name;
    });

} // namespace
} // namespace lumina

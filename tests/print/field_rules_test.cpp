#include "print/field_rules.h"

#include <gtest/gtest.h>

namespace lumina {
namespace {

struct BoundedCase {
    const char* text;
    std::optional<int> taken;
    std::optional<int> correctTo;
};

class MarginFieldTest : public ::testing::TestWithParam<BoundedCase> {};

// A margin field of a printer whose smallest margin is 4 mm.
TEST_P(MarginFieldTest, CorrectsToTheNearestLimit) {
    const BoundedCase& c = GetParam();
    const BoundedEdit edit = CheckBoundedField(c.text, 4, 50);
    EXPECT_EQ(edit.taken, c.taken) << c.text;
    EXPECT_EQ(edit.correctTo, c.correctTo) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Margins, MarginFieldTest,
    ::testing::Values(BoundedCase{"60", std::nullopt, 50}, BoundedCase{"0", std::nullopt, 4},
                      BoundedCase{"", std::nullopt, 4}, BoundedCase{"4", 4, std::nullopt},
                      BoundedCase{"50", 50, std::nullopt}, BoundedCase{"51", std::nullopt, 50},
                      BoundedCase{"99999999999999", std::nullopt, 50},
                      BoundedCase{"25", 25, std::nullopt}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(ReadUnsigned, OnlyPlainDigits) {
    EXPECT_EQ(ReadUnsigned("12"), 12);
    EXPECT_EQ(ReadUnsigned("0"), 0);
    EXPECT_EQ(ReadUnsigned(""), std::nullopt);
    EXPECT_EQ(ReadUnsigned("-3"), std::nullopt);
    EXPECT_EQ(ReadUnsigned("3a"), std::nullopt);
    EXPECT_EQ(ReadUnsigned("99999999999"), std::nullopt);
}

struct RangeCase {
    const char* name;
    const char* from;
    const char* to;
    int previousFrom, previousTo, total;
    RangeField edited;
    bool message;
    int expectFrom, expectTo;
    std::optional<std::string> fixed;
};

class RangeFieldsTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(RangeFieldsTest, CorrectsTheEditedField) {
    const RangeCase& c = GetParam();
    const RangeEdit edit =
        CheckRangeFields(c.from, c.to, c.previousFrom, c.previousTo, c.total, c.edited);
    EXPECT_EQ(edit.notANumber, c.message) << c.name;
    EXPECT_EQ(edit.from, c.expectFrom) << c.name;
    EXPECT_EQ(edit.to, c.expectTo) << c.name;
    EXPECT_EQ(edit.fixed, c.fixed) << c.name;
}

constexpr RangeField kFrom = RangeField::From;
constexpr RangeField kTo = RangeField::To;

INSTANTIATE_TEST_SUITE_P(
    Range, RangeFieldsTest,
    ::testing::Values(
        RangeCase{"to above total", "1", "9", 1, 6, 6, kTo, false, 1, 6, "6"},
        RangeCase{"to below from", "3", "2", 3, 6, 6, kTo, false, 3, 3, "3"},
        RangeCase{"to empty", "2", "", 2, 6, 6, kTo, true, 2, 2, "2"},
        RangeCase{"to in range", "2", "4", 2, 6, 6, kTo, false, 2, 4, std::nullopt},
        RangeCase{"from above to", "5", "4", 1, 4, 6, kFrom, false, 4, 4, "4"},
        RangeCase{"from empty", "", "4", 2, 4, 6, kFrom, true, 1, 4, "1"},
        RangeCase{"from in range", "2", "4", 1, 4, 6, kFrom, false, 2, 4, std::nullopt},
        RangeCase{"letters keep the value", "x", "4", 2, 4, 6, kFrom, true, 2, 4, std::nullopt},
        // The total shrank below the start: the end stops at the total instead of chasing it.
        RangeCase{"start above total", "4", "2", 4, 4, 2, kTo, false, 4, 2, std::nullopt},
        RangeCase{"start above total, end lower", "4", "1", 4, 4, 2, kTo, false, 4, 2, "2"}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

} // namespace
} // namespace lumina

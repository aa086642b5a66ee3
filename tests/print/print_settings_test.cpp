#include "print/print_settings.h"

#include "services/printer_settings.h"
#include "services/settings_store.h"
#include "tests/support/test_services.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>

namespace lumina {
namespace {

TEST(PrintSettings, NothingStoredGivesTheDefaults) {
    test::TestServices services;
    const StoredPrintChoices choices = LoadPrintChoices(services.Settings());
    EXPECT_EQ(choices.margins, (Margins{25, 10, 25, 10}));
    EXPECT_EQ(choices.range, RangeKind::All);
    EXPECT_FALSE(choices.allOne);
    EXPECT_FALSE(choices.showMargins);
    PrinterSettings printer{"P", false, 1, 2};
    LoadPrinterChoice(services.Settings(), printer);
    EXPECT_EQ(printer.paperSize, 9);
    EXPECT_EQ(printer.orientation, 1);
}

TEST(PrintSettings, StoredChoicesAreHeldToWhatTheDialogOffers) {
    test::TestServices services;
    SettingsStore& store = services.Settings();
    const struct {
        int left, right, top, bottom;
        int hani, allOne, dspYohaku;
        Margins margins;
        RangeKind range;
        bool allOneChecked, showMargins;
    } cases[] = {
        {20, 12, 30, 15, 2, 1, 1, {20, 12, 30, 15}, RangeKind::Current, true, true},
        {0, 50, 51, -3, 3, 0, 0, {0, 50, 50, 0}, RangeKind::FromTo, false, false},
        {INT_MIN, INT_MAX, 7, 7, 0, 2, -1, {0, 50, 7, 7}, RangeKind::All, false, false},
        {7, 7, 7, 7, INT_MAX, INT_MIN, 2, {7, 7, 7, 7}, RangeKind::All, false, false},
    };
    for (const auto& c : cases) {
        store.WriteInt("Insatu", "MarginLmm", c.left);
        store.WriteInt("Insatu", "MarginRmm", c.right);
        store.WriteInt("Insatu", "MarginTmm", c.top);
        store.WriteInt("Insatu", "MarginBmm", c.bottom);
        store.WriteInt("Insatu", "Hani", c.hani);
        store.WriteInt("Insatu", "AllOne", c.allOne);
        store.WriteInt("Insatu", "DspYohaku", c.dspYohaku);
        const StoredPrintChoices choices = LoadPrintChoices(store);
        EXPECT_EQ(choices.margins, c.margins) << c.left << " " << c.hani;
        EXPECT_EQ(choices.range, c.range) << c.hani;
        EXPECT_EQ(choices.allOne, c.allOneChecked) << c.allOne;
        EXPECT_EQ(choices.showMargins, c.showMargins) << c.dspYohaku;
    }
}

TEST(PrintSettings, MarginsAreStoredWithinTheirRange) {
    test::TestServices services;
    SaveMargins(services.Settings(), {12, 60, -1, 50});
    EXPECT_EQ(LoadPrintChoices(services.Settings()).margins, (Margins{12, 50, 0, 50}));
}

TEST(PrintSettings, EveryKeyIsListedOnceWithSoundRows) {
    std::set<std::string_view> keys;
    for (const SettingKey& k : InsatuSettingKeys()) {
        EXPECT_EQ(k.section, "Insatu");
        EXPECT_TRUE(keys.insert(k.key).second) << k.key;
    }
    EXPECT_EQ(keys.size(), 9u + 5u);
    for (const IntSetting& row :
         {insatu::PaperSize, insatu::Orientation, insatu::MarginLmm, insatu::MarginRmm,
          insatu::MarginTmm, insatu::MarginBmm, insatu::AllOne, insatu::Hani, insatu::DspYohaku})
        EXPECT_TRUE(row.IsSound()) << row.key;
}

} // namespace
} // namespace lumina

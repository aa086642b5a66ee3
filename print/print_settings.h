#pragma once

#include "print/page_layout.h"
#include "print/print_plan.h"
#include "services/placement_settings.h"
#include "services/settings_table.h"

#include <vector>

namespace lumina {

class SettingsStore;
struct PrinterSettings;

// Section "Insatu": the paper and orientation the printer starts from, the print dialog's
// margins, range, one-page check, show-margins check and placement.
namespace insatu {

inline constexpr std::string_view kSection = "Insatu";

// A platform paper number (9: A4), handed to the printer as it is: for a number it does not
// know, the printer keeps its own paper.
inline constexpr IntSetting PaperSize{kSection, "PaperSize", 9};
// 1 portrait, 2 landscape; any other number reads as portrait.
inline constexpr IntSetting Orientation{kSection, "Orientation", 1, 1, 2, 1};
// Millimetres; the dialog also keeps each margin at or above the printer's unprintable border.
inline constexpr IntSetting MarginLmm{kSection, "MarginLmm", 25, 0, kMaxMarginMm};
inline constexpr IntSetting MarginRmm{kSection, "MarginRmm", 10, 0, kMaxMarginMm};
inline constexpr IntSetting MarginTmm{kSection, "MarginTmm", 25, 0, kMaxMarginMm};
inline constexpr IntSetting MarginBmm{kSection, "MarginBmm", 10, 0, kMaxMarginMm};
// Only 1 means checked.
inline constexpr IntSetting AllOne{kSection, "AllOne", 0, 0, 1, 0};
// A RangeKind; any other number means all pages.
inline constexpr IntSetting Hani{kSection, "Hani", 1, 1, 3, 1};
// Only 1 means checked.
inline constexpr IntSetting DspYohaku{kSection, "DspYohaku", 0, 0, 1, 0};
inline constexpr PlacementSettings Placement = PlacementRows(kSection);

} // namespace insatu

// Every key of section "Insatu".
std::vector<SettingKey> InsatuSettingKeys();

// The paper and orientation of the stored choice, into the printer settings.
void LoadPrinterChoice(const SettingsStore& store, PrinterSettings& printer);

// What the print dialog restores when it opens.
struct StoredPrintChoices {
    Margins margins; // before the printer's own limits
    RangeKind range = RangeKind::All;
    bool allOne = false;
    bool showMargins = false;
};
StoredPrintChoices LoadPrintChoices(const SettingsStore& store);

// The four margins, as "印刷実行(&S)" stores them.
void SaveMargins(SettingsStore& store, const Margins& margins);

} // namespace lumina

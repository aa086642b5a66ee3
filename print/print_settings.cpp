#include "print/print_settings.h"

#include "services/printer_settings.h"

namespace lumina {

std::vector<SettingKey> InsatuSettingKeys() {
    using namespace insatu;
    std::vector<SettingKey> keys{PaperSize.Key(), Orientation.Key(), MarginLmm.Key(),
                                 MarginRmm.Key(), MarginTmm.Key(),   MarginBmm.Key(),
                                 AllOne.Key(),    Hani.Key(),        DspYohaku.Key()};
    for (const auto& row : Placement.Rows())
        keys.push_back(row.Key());
    return keys;
}

void LoadPrinterChoice(const SettingsStore& store, PrinterSettings& printer) {
    printer.paperSize = insatu::PaperSize.Read(store);
    printer.orientation = insatu::Orientation.Read(store);
}

StoredPrintChoices LoadPrintChoices(const SettingsStore& store) {
    using namespace insatu;
    StoredPrintChoices choices;
    choices.margins.left = MarginLmm.Read(store);
    choices.margins.right = MarginRmm.Read(store);
    choices.margins.top = MarginTmm.Read(store);
    choices.margins.bottom = MarginBmm.Read(store);
    choices.range = static_cast<RangeKind>(Hani.Read(store));
    choices.allOne = AllOne.Read(store) == 1;
    choices.showMargins = DspYohaku.Read(store) == 1;
    return choices;
}

void SaveMargins(SettingsStore& store, const Margins& margins) {
    insatu::MarginLmm.Write(store, margins.left);
    insatu::MarginRmm.Write(store, margins.right);
    insatu::MarginTmm.Write(store, margins.top);
    insatu::MarginBmm.Write(store, margins.bottom);
}

} // namespace lumina

// links: lumina_glyph lumina_print lumina_art lumina_services lumina_platform
// The settings loaders over an arbitrary settings file: whatever the file holds, every value the
// main window, the print dialog, the art window and the placements load lies within its row.
#include "art/settings.h"
#include "art/settings_grid.h"
#include "glyph/last_settings.h"
#include "platform/cp932.h"
#include "print/print_settings.h"
#include "services/printer_settings.h"
#include "services/settings_store.h"
#include "tests/fuzz/fuzz_folder.h"

#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using lumina::fuzz::Folder;

// A settings file may hold serialised values of any type, pictures too, which need the
// application the program always has.
void MakeApplication() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_settings_load";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
}

void Require(bool condition) {
    if (!condition)
        std::abort();
}

bool Within(int value, const lumina::IntSetting& row) {
    return value >= row.min && value <= row.max;
}

void CheckLast(const lumina::SettingsStore& store) {
    using namespace lumina;
    const GlyphViewState state = LoadGlyphViewState(store, {740, 580});
    Require(Within(state.request.SjisCode, last::SjisCode));
    Require(Within(state.request.FontSize, last::FontSize));
    Require(Within(state.request.FontDeg, last::FontDeg));
    Require(state.mode == DisplayMode::Outline || state.mode == DisplayMode::Bitmap ||
            state.mode == DisplayMode::Drawing);
    Require(Within(state.OrgX, last::OrgX) && Within(state.OrgY, last::OrgY));
    Require(Within(state.RoundR, last::RoundR));
    Require(state.request.Char.size() <= last::Char.maxBytes);
    Require(state.request.FontName.size() <= last::FontName.maxBytes);
    Require(last::Bit1Char.Read(store).size() <= last::Bit1Char.maxBytes);
}

void CheckInsatu(const lumina::SettingsStore& store) {
    using namespace lumina;
    PrinterSettings printer;
    LoadPrinterChoice(store, printer);
    Require(printer.orientation == 1 || printer.orientation == 2);
    const StoredPrintChoices choices = LoadPrintChoices(store);
    for (const int margin :
         {choices.margins.left, choices.margins.right, choices.margins.top, choices.margins.bottom})
        Require(margin >= 0 && margin <= kMaxMarginMm);
    Require(choices.range == RangeKind::All || choices.range == RangeKind::Current ||
            choices.range == RangeKind::FromTo);
}

void CheckZovivAndProp(const lumina::SettingsStore& store) {
    using namespace lumina;
    const LoadedArtSettings loaded = LoadArtSettings(store);
    const ArtSettings& s = loaded.settings;
    for (const ArtSettingRow* row : kArtSettingRows) {
        if (row->field)
            Require(Within(s.*row->field, row->number));
    }
    Require(Within(s.FontSize, zoviv::Font.number));
    const auto face = cp932::FromUtf8(s.FontName);
    Require(!face || face->size() <= static_cast<std::size_t>(kFaceNameMaxBytes));
    Require(Within(loaded.zoom, zoviv::Zoom));
    for (const std::string& title : GroupTitles()) {
        const int state = GroupStateRow(title).Read(store);
        Require(state >= 0 && state <= 2);
    }
}

void CheckPlacements(const lumina::SettingsStore& store) {
    using namespace lumina;
    for (const PlacementSettings& rows : {last::Placement, insatu::Placement, zoviv::Placement}) {
        for (const IntSetting& row : rows.Rows())
            Require(Within(row.Read(store), row));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MakeApplication();
    // A new file each time: the settings library keeps a file it has read while its size and
    // time look unchanged.
    static unsigned long count = 0;
    const std::string path = Folder() + "/settings" + std::to_string(++count) + ".ini";
    {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        if (!out)
            std::abort();
    }
    {
        const lumina::SettingsStore store(path);
        CheckLast(store);
        CheckInsatu(store);
        CheckZovivAndProp(store);
        CheckPlacements(store);
    }
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    return 0;
}

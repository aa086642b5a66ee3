#pragma once

#include "art/layout.h"
#include "art/mapping.h"
#include "art/palette.h"
#include "art/parallel.h"
#include "art/render.h"
#include "art/sampling.h"
#include "art/settings.h"
#include "art/settings_grid.h"
#include "platform/font.h"
#include "services/problem.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace lumina {

struct EngineServices;
class SettingsStore;
struct SourcePicture;
class Surface;

// The art of the last run that completed: what the exports read, never a half-made grid.
struct CompletedArt {
    ArtLayout layout;
    CellGrid grid;                      // cols x rows character codes
    std::shared_ptr<const Surface> art; // none when the run was told not to draw
    int outW = 0;
    std::vector<CellChoice> choices; // why each cell got its character, when the engine keeps it
    // The settings it was drawn with and the seed of its angles, so that it can be drawn again
    // finer for a high-density screen.
    ArtSettings settings;
    unsigned seed = 0;
};

struct ArtRunHooks {
    ArtProgress progress;
    // Called when a run passes the column check while no art surface exists yet.
    std::function<void()> firstLayout;
    // Asked after every drawn row and at the end: true gives the run up, leaving the last
    // completed art as it is (its settings have gone stale).
    std::function<bool()> stop;
    // Called once the picture has been read (sampled and toned), before the art surface is
    // made: a caller that runs once may let the picture's pixels go here.
    std::function<void()> pictureRead;
};

// One character-art window's engine: its settings and grid model, the layout, palette, cells
// and art surface of the runs, and the last completed art.
class ArtEngine {
public:
    // store receives the settings the window's grid changes (section "Zoviv") and the groups'
    // open state ("Prop"); the batch tool and tests run without one.
    explicit ArtEngine(const EngineServices& services, SettingsStore* store = nullptr);
    ~ArtEngine();
    ArtEngine(const ArtEngine&) = delete;
    ArtEngine& operator=(const ArtEngine&) = delete;

    // LoadArtSettings from the store (the defaults without one); the layout goes back to zero.
    void LoadSettings();
    ArtSettings& Settings() { return m_settings; }
    const ArtSettings& Settings() const { return m_settings; }
    int Zoom() const { return m_zoom; }

    // The picture the runs sample; the engine does not own it.
    void SetPicture(const SourcePicture* picture);
    // The same from a surface and facts (the batch tool and tests).
    void SetPicture(const Surface* surface, PictureFacts facts);
    const PictureFacts& Picture() const { return m_facts; }

    SettingsGridModel& Grid() { return m_grid; }
    bool ClassToggle() const { return m_classToggle; }
    bool BuildGrid();
    void RestoreGroupStates();
    void SaveGroupStates();
    // A click on the caption of a group of the grid.
    bool ToggleAllClasses(size_t groupIndex);

    // One generation run. With applyGrid the grid is read back first and rebuilt after a
    // successful run (the window); without, the settings are used as they are. The problem
    // says why a run stopped: 30017 (no font), 30019 (too few columns), 30021 (no classes),
    // 30001 (no memory), or a silent stop.
    Status Run(const ArtRunHooks& hooks = {}, bool applyGrid = true);

    // Threads a run samples and draws with (at least 1); the art is the same for any number.
    void SetThreads(int threads) { m_threads = std::max(threads, 1); }
    int Threads() const { return m_threads; }

    // The folder measured palettes are kept in; unset: the user's cache folder; "": none kept.
    void SetPaletteCacheFolder(std::optional<std::string> folder) {
        m_paletteFolder = std::move(folder);
    }

    // Whether completed art says why each cell got its character (CompletedArt::choices).
    void KeepCellChoices(bool keep) { m_keepChoices = keep; }

    // Whether a run draws the art, or only chooses the cells' characters: a caller that wants
    // only the text saves the drawing and the art surface's memory.
    void DrawArt(bool draw) { m_drawArt = draw; }

    const ArtLayout& Layout() const { return m_layout; }
    const ArtFontMetrics& FontMetrics() const { return m_metrics; }
    const CharPalette& Palette() const { return m_palette; }
    // The surface of the latest run that got past the layout (blank when it stopped later).
    const Surface* ArtSurface() const { return m_art.get(); }
    const CompletedArt* LastCompleted() const { return m_completed ? &*m_completed : nullptr; }
    // "%M:%S" of the last completed run; "" before the first.
    const std::string& ElapsedLabel() const { return m_elapsed; }
    long long ElapsedSeconds() const { return m_elapsedSeconds; }

private:
    // font is null when the palette and metrics came from the cache and no glyph is drawn.
    Status Draw(const ArtRunHooks& hooks, const std::shared_ptr<const Font>& font);
    bool MakePalette(const Font& font);
    // The cached palette and metrics, for a run that draws no glyph; false when there are none.
    bool TakeCachedPalette(const LogicalFont& logical);
    std::optional<std::string> PaletteFolder() const; // nullopt: no cache
    // m_art at the layout's size: blank (white) and new, or else possibly a spare to be drawn
    // over. False when no surface can be had.
    bool MakeArtSurface(bool blank);

    const EngineServices& m_services;
    SettingsStore* m_store;
    ArtSettings m_settings;
    int m_zoom = 0;
    bool m_classToggle = true;
    SettingsGridModel m_grid;
    const Surface* m_source = nullptr;
    PictureFacts m_facts;
    ArtLayout m_layout;
    ArtFontMetrics m_metrics;
    CharPalette m_palette;
    CellGrid m_cells;
    bool m_keepChoices = false;
    bool m_drawArt = true;
    int m_threads = DefaultArtThreads();
    std::optional<std::string> m_paletteFolder;
    std::vector<CellChoice> m_choices;
    unsigned m_seed = 0;
    std::shared_ptr<Surface> m_art;
    std::shared_ptr<Surface> m_spare; // the surface of the run before, to be drawn over
    std::optional<CompletedArt> m_completed;
    std::string m_elapsed;
    long long m_elapsedSeconds = 0;

    // The measured palette of the last font and classes: the same settings measure the same.
    struct PaletteCacheKey {
        LogicalFont font;
        std::string face;
        std::array<bool, kCharClassCount> classes{};
        friend bool operator==(const PaletteCacheKey&, const PaletteCacheKey&) = default;
    };
    std::optional<PaletteCacheKey> m_paletteKey;
    PaletteCacheKey PaletteKeyOf(const LogicalFont& logical, const ResolvedFace& face) const;
    // The same characters by their ink as drawn, made when a tone mode first needs them.
    std::optional<CharPalette> m_drawnPalette;
};

} // namespace lumina

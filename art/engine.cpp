#include "art/engine.h"

#include "art/mapping.h"
#include "art/palette_cache.h"
#include "art/tone.h"
#include "image/encoder.h"
#include "image/source_picture.h"
#include "platform/surface.h"
#include "platform/working_folder.h"
#include "services/common.h"
#include "services/services.h"
#include "services/settings_store.h"

#include <algorithm>
#include <ctime>
#include <new>

namespace lumina {

ArtEngine::ArtEngine(const EngineServices& services, SettingsStore* store)
    : m_services(services)
    , m_store(store) {}

ArtEngine::~ArtEngine() = default;

void ArtEngine::LoadSettings() {
    LoadedArtSettings loaded = m_store ? LoadArtSettings(*m_store) : LoadedArtSettings{};
    m_settings = std::move(loaded.settings);
    m_zoom = loaded.zoom;
    m_classToggle = loaded.classToggle;
    m_layout = loaded.layout;
}

void ArtEngine::SetPicture(const SourcePicture* picture) {
    if (!picture) {
        SetPicture(nullptr, PictureFacts{});
        return;
    }
    SetPicture(picture->sourceSurface ? &*picture->sourceSurface : nullptr,
               PictureFacts{picture->path, picture->width, picture->height, picture->byteSize});
}

void ArtEngine::SetPicture(const Surface* surface, PictureFacts facts) {
    m_source = surface;
    m_facts = std::move(facts);
}

bool ArtEngine::BuildGrid() {
    return BuildSettingsGrid(m_grid, m_settings, m_facts, m_layout, m_classToggle);
}

void ArtEngine::RestoreGroupStates() {
    if (m_store)
        lumina::RestoreGroupStates(m_grid, *m_store);
}

void ArtEngine::SaveGroupStates() {
    if (m_store)
        lumina::SaveGroupStates(m_grid, *m_store);
}

bool ArtEngine::ToggleAllClasses(size_t groupIndex) {
    return lumina::ToggleAllClasses(m_grid, groupIndex, m_classToggle);
}

ArtEngine::PaletteCacheKey ArtEngine::PaletteKeyOf(const LogicalFont& logical,
                                                   const ResolvedFace& face) const {
    PaletteCacheKey key{logical, face.file, {}};
    for (const auto& info : kCharClasses)
        key.classes[static_cast<size_t>(info.cls)] = m_settings.ClassSwitch(info.cls) != 0;
    return key;
}

std::optional<std::string> ArtEngine::PaletteFolder() const {
    std::optional<std::string> folder = m_paletteFolder ? m_paletteFolder : PrivateCacheFolder();
    if (folder && folder->empty())
        return std::nullopt;
    return folder;
}

bool ArtEngine::MakePalette(const Font& font) {
    const PaletteCacheKey key = PaletteKeyOf(font.Logical(), font.Face());
    if (m_paletteKey && *m_paletteKey == key)
        return !m_palette.entries.empty();
    m_paletteKey.reset();
    m_drawnPalette.reset();
    const std::optional<std::string> folder = PaletteFolder();
    const std::optional<std::string> diskKey =
        folder ? lumina::PaletteCacheKey(font.Logical(), font.Face(), m_settings) : std::nullopt;
    if (diskKey) {
        if (auto cached = LoadCachedPalette(*folder, *diskKey)) {
            m_palette = std::move(cached->palette);
            m_paletteKey = key;
            return true;
        }
    }
    if (!BuildPalette(m_palette, m_settings, font))
        return false;
    SortPalette(m_palette);
    m_paletteKey = key;
    // A cache that cannot be written only means measuring again next time.
    if (diskKey) {
        const TextMetrics tm = font.Metrics();
        const ArtFontMetrics metrics{tm.tmAscent, tm.tmDescent, tm.tmAveCharWidth};
        (void)StoreCachedPalette(*folder, *diskKey, CachedPalette{m_palette, metrics});
    }
    return true;
}

bool ArtEngine::TakeCachedPalette(const LogicalFont& logical) {
    if (m_drawArt || ToneModeOf(m_settings) != ToneMode::None)
        return false;
    const std::optional<ResolvedFace> face = m_services.fonts.Resolve(logical);
    const std::optional<std::string> folder = PaletteFolder();
    if (!face || !folder)
        return false;
    const std::optional<std::string> diskKey = lumina::PaletteCacheKey(logical, *face, m_settings);
    std::optional<CachedPalette> cached =
        diskKey ? LoadCachedPalette(*folder, *diskKey) : std::nullopt;
    if (!cached)
        return false;
    m_palette = std::move(cached->palette);
    m_metrics = cached->metrics;
    m_paletteKey = PaletteKeyOf(logical, *face);
    m_drawnPalette.reset();
    return true;
}

Status ArtEngine::Run(const ArtRunHooks& hooks, bool applyGrid) {
    const std::time_t start = std::time(nullptr);
    if (applyGrid && m_store)
        ApplySettingsGrid(m_grid, m_settings, *m_store);
    if (!m_source)
        return Problem::Silent("no picture");

    const ArtSettings& s = m_settings;
    const FontSpec fontSpec{s.FontName, s.FontSize, s.Bold != 0, s.Italic != 0, s.FontDeg};
    const LogicalFont logical = MakeLogicalFont(fontSpec, m_services.displayDpiY);
    // A run that draws no glyph takes its palette and metrics from the cache when it can: the
    // face is then never opened (null font).
    std::shared_ptr<const Font> font;
    if (!TakeCachedPalette(logical)) {
        font = m_services.fonts.CreateFont(logical);
        if (!font)
            return Problem::Failed(kMsgFontFailed, {},
                                   "no font can be made of '" + s.FontName + "'");
        const TextMetrics tm = font->Metrics();
        m_metrics = {tm.tmAscent, tm.tmDescent, tm.tmAveCharWidth};
    }
    switch (ComputeArtLayout(s, m_metrics, m_facts.width, m_facts.height, m_layout)) {
    case LayoutResult::TooFewColumns:
        return Problem::Refused(kMsgTooFewColumns);
    case LayoutResult::NoRows:
        return Problem::Silent("the picture is shorter than one character");
    case LayoutResult::Ok:
        break;
    }
    if (!m_art && hooks.firstLayout)
        hooks.firstLayout();

    try {
        const Status drawn = Draw(hooks, font);
        if (!drawn)
            return drawn;
        if (hooks.stop && hooks.stop())
            return Problem::Silent("stopped");
        m_completed = CompletedArt{m_layout, m_cells, m_art, s.OutW, m_choices, s, m_seed};
    } catch (const std::bad_alloc&) {
        return Problem::Failed(kMsgNoMemory, {}, "no memory to draw the art");
    }

    m_elapsedSeconds = static_cast<long long>(std::time(nullptr) - start);
    m_elapsed = ElapsedText(m_elapsedSeconds);
    if (!applyGrid)
        return {};
    SaveGroupStates();
    BuildGrid();
    RestoreGroupStates();
    return {};
}

bool ArtEngine::MakeArtSurface(bool blank) {
    const int w = m_layout.drawW;
    const int h = m_layout.drawH;
    std::shared_ptr<Surface> previous = std::move(m_art);
    // The surface two runs back, when nothing holds it any more, is drawn over afresh: the
    // window's runs alternate between two surfaces rather than making one each time.
    const auto fits = [&](const std::shared_ptr<Surface>& s) {
        return s && s->Width() == w && s->Height() == h && s->Format() == m_services.displayFormat;
    };
    if (!blank && fits(m_spare) && m_spare.use_count() == 1) {
        m_art = std::move(m_spare);
    } else {
        m_spare.reset();
        auto surface = Surface::Create(w, h, m_services.displayFormat, m_services.displayDpiX,
                                       m_services.displayDpiY);
        if (surface)
            m_art = std::make_shared<Surface>(std::move(*surface));
    }
    m_spare = fits(previous) ? std::move(previous) : nullptr;
    return m_art != nullptr;
}

Status ArtEngine::Draw(const ArtRunHooks& hooks, const std::shared_ptr<const Font>& font) {
    // A tall picture of few bytes and large characters can lay out gigabytes of art.
    if (const Status budget = CheckPixelBudget(m_layout.drawW, m_layout.drawH, "the art");
        !budget) {
        m_art.reset();
        return budget;
    }
    const Status noSurface = Problem::Silent("no memory for the art surface");
    // A run that stops before drawing leaves a blank new surface.
    if (font && !MakePalette(*font)) {
        Problem none = Problem::Refused(kMsgNoClasses);
        const bool chosen = std::any_of(kCharClasses.begin(), kCharClasses.end(), [&](auto& c) {
            return m_settings.ClassSwitch(c.cls) != 0;
        });
        if (chosen)
            none.detail =
                "the face " + font->Face().family + " draws none of the chosen characters";
        return MakeArtSurface(true) ? Status(std::move(none)) : noSurface;
    }
    // The completed art keeps its own grid, so the work grid may be replaced freely.
    CellGrid cells;
    if (!SamplePicture(*m_source, m_layout, m_settings, cells, m_threads))
        return MakeArtSurface(true) ? Status(Problem::Silent("the picture's pixels are neither "
                                                             "16 nor 32 bits"))
                                    : noSurface;
    // The tone modes match lightness to the ink as it is drawn: a pixel a glyph only grazes
    // darkens its cell less than one it covers.
    const ToneMode tone = ToneModeOf(m_settings);
    ApplyTone(*m_source, m_layout, tone, cells);
    if (hooks.pictureRead)
        hooks.pictureRead();
    // Made once the picture has been read, so that a caller may have let it go by now.
    if (m_drawArt && !MakeArtSurface(false))
        return noSurface;
    if (tone != ToneMode::None && !m_drawnPalette)
        m_drawnPalette = DrawnInkPalette(m_palette, *font);
    std::vector<CellChoice> choices;
    MapCells(tone == ToneMode::None ? m_palette : *m_drawnPalette, cells,
             MappingOptionsOf(m_settings), m_keepChoices ? &choices : nullptr);
    GlyphCache glyphs(font, &m_services.fonts);
    RenderJob job;
    job.layout = &m_layout;
    job.grid = &cells;
    job.settings = &m_settings;
    job.glyphs = &glyphs;
    job.seed = m_settings.Rand != 0 ? RandSeedNow() : 0;
    m_seed = job.seed;
    job.threads = m_threads;
    job.progress = hooks.progress;
    job.stop = hooks.stop;
    if (!m_drawArt)
        m_art.reset();
    else if (!RenderArt(*m_art, job))
        return Problem::Silent("stopped");
    m_cells = std::move(cells);
    m_choices = std::move(choices);
    return {};
}

} // namespace lumina

#pragma once

#include "glyph/face_views.h"
#include "glyph/request.h"
#include "glyph/study_options.h"
#include "platform/font.h"
#include "platform/geometry.h"
#include "platform/surface.h"
#include "services/problem.h"
#include "services/settings_table.h"

#include <array>
#include <optional>
#include <string_view>

namespace lumina {

struct EngineServices;
class GlyphViewObserver;
struct GlyphOutline;
struct GlyphBitmap;

// Which of the three pictures the view shows; the numbers are the ones stored as DspMode.
enum class DisplayMode { Outline = 1, Bitmap = 2, Drawing = 3 };

// The thirteen overlay switches, named after their keys in section "Last".
struct ViewOptions {
    bool DspPos = true;
    bool DspNo = true;
    bool DspCenter = true;
    bool DspDrawOrg = true;
    bool DspGlyphOrg = true;
    bool DspGlyphOrgX = true;
    bool DspGlyphOrgY = true;
    bool DspCellIncX = true;
    bool DspCellIncY = true;
    bool DspBlackBoxX = true;
    bool DspBlackBoxY = true;
    bool DspAscent = true;
    bool DspDescent = true;

    // The stored switch and the member it fills, in the order of the table of switches.
    struct Switch : BoolSetting {
        bool ViewOptions::*member = nullptr;
    };
    static const std::array<Switch, 13>& Switches();
};

// Everything a refresh and a paint read: the request, the switches, the mode, the drawing
// origin (view coordinates), the dial radius and the measuring line (window coordinates; a
// point whose x and y are both -1 is absent). The main window, the print dialog and the batch
// tool each hold one.
struct GlyphViewState {
    GlyphRequest request;
    ViewOptions options;
    DisplayMode mode = DisplayMode::Outline;
    int OrgX = 0;
    int OrgY = 0;
    int RoundR = 100;
    Point measure1{-1, -1};
    Point measure2{-1, -1};
    StudyOptions study;
    FaceViews faces;
};

// The hinting the state asks for, from the request's hinted flag and the comparison switch.
Hinting HintingOf(const GlyphViewState& state);
void SetHinting(GlyphViewState& state, Hinting hinting);

// What a refresh pass came to: ok is false when the core failed (the outline or the bitmap
// could not be had), in which case the caller does not repaint; problems are the messages the
// window shows afterwards, in order; missingGlyph tells the window to say whose glyph it shows.
struct RefreshOutcome {
    bool ok = false;
    Problems problems;
    // The face has no glyph for the character: the pictures show its missing glyph.
    bool missingGlyph = false;
};

// The three off-screen pictures of the glyph view and the refresh pass that renders them.
class GlyphView {
public:
    GlyphView(const EngineServices& services, GlyphViewObserver& observer);
    ~GlyphView();
    GlyphView(const GlyphView&) = delete;
    GlyphView& operator=(const GlyphView&) = delete;

    // (Re)makes the three surfaces at W x H in the display's format, at a device ratio for a
    // high-density screen; false when they cannot be had (the previous ones are then kept).
    bool MakeSurfaces(int W, int H, int ratio = 1);
    int Width() const;
    int Height() const;
    int Ratio() const;

    // Renders all three pictures for the state. Keeps tmAscent and tmDescent in state.request.
    RefreshOutcome RefreshGlyphView(GlyphViewState& state);

    // The paint of the view: the surface of state.mode copied 1:1 to viewRect's top-left on the
    // paint surface, then the angle dial and the measuring line (window coordinates).
    void Paint(Surface& paintSurface, const Rect& viewRect, const GlyphViewState& state) const;

    // The surface a mode shows; nullptr before MakeSurfaces succeeded.
    const Surface* SurfaceOf(DisplayMode mode) const;

    // The results of the last refresh, for the writers and the counts.
    int OutlinePointCount() const;
    // The outline as placed by the last refresh (empty after a failed fetch).
    const GlyphOutline& Outline() const;
    // The glyph metrics of the last successful outline fetch.
    const GlyphMetrics& Metrics() const;
    // The ink grid of the last successful bitmap build, and its black pixel count.
    const GlyphBitmap& Bitmap() const;
    int BlackPixelCount() const;
    // The vertex count and the ink ratio the last refresh showed.
    int VertexCount() const;
    int InkRatio() const;
    // The zoom at which the glyph of the last refresh fills the view in a mode: its outline's
    // bounds, or its bitmap in the bitmap mode.
    int FitZoom(DisplayMode mode) const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace lumina

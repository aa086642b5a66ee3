#pragma once

#include "cli/batch_services.h"
#include "glyph/glyph_view.h"
#include "glyph/outline.h"
#include "glyph/view_observer.h"

#include <memory>
#include <string>
#include <string_view>

namespace lumina::cli {

// What one glyph command runs on: the batch services and a glyph view rendered once for the
// request.
class GlyphBatch {
public:
    GlyphBatch();
    ~GlyphBatch();
    GlyphBatch(const GlyphBatch&) = delete;
    GlyphBatch& operator=(const GlyphBatch&) = delete;

    const EngineServices& Get() const { return m_base.Get(); }

    // Makes W x H surfaces and runs the refresh pass; false when the surfaces cannot be had or
    // the core failed (its problems are on stderr by then).
    bool Render(GlyphViewState& state, int W, int H);
    const GlyphView& View() const { return *m_view; }

    // Decodes and places the request's outline on a W x H view, as the refresh pass does;
    // false (with 30066 or 30067 on stderr) when there is none. The notes of a decode that
    // stopped early (30079, 30080) go to stderr too.
    bool DecodeOutline(const GlyphRequest& request, GlyphOutline& outline, int W = 800,
                       int H = 600);
    const RecordingGlyphObserver& Observer() const { return m_observer; }

private:
    BatchServices m_base;
    RecordingGlyphObserver m_observer;
    std::unique_ptr<GlyphView> m_view; // goes before the services it uses
};

// Writes bytes to FILE, or to stdout when path is empty; false with error set when it fails.
bool WriteOutput(const std::string& path, std::string_view bytes, std::string& error);

} // namespace lumina::cli

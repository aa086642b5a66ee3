#include "cli/glyph_batch.h"

#include "platform/atomic_file.h"
#include "services/common.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace lumina::cli {

GlyphBatch::GlyphBatch()
    : m_view(std::make_unique<GlyphView>(m_base.Get(), m_observer)) {}

GlyphBatch::~GlyphBatch() = default;

bool GlyphBatch::Render(GlyphViewState& state, int W, int H) {
    m_base.NoteFaceFallback(state.request.FontName);
    if (!m_view->MakeSurfaces(W, H)) {
        std::fprintf(stderr, "lumina-cli: cannot make %d x %d view surfaces\n", W, H);
        return false;
    }
    const RefreshOutcome outcome = m_view->RefreshGlyphView(state);
    for (const Problem& problem : outcome.problems)
        Report(problem);
    return outcome.ok;
}

bool GlyphBatch::DecodeOutline(const GlyphRequest& request, GlyphOutline& outline, int W, int H) {
    m_base.NoteFaceFallback(request.FontName);
    auto surface = Surface::Create(1, 1, Get().displayFormat, Get().displayDpiX, Get().displayDpiY);
    if (!surface)
        return false;
    const ScopedFont font(Get(), *surface, request.ToFontSpec());
    GlyphMetrics metrics;
    const std::optional<GlyphKey> key = request.Key();
    if (!key) {
        Report(Problem::Refused(kMsgNoOutline));
        return false;
    }
    const Result<DecodeStop> decoded =
        DecodeNativeOutline(*surface, *key, outline, metrics, m_observer);
    if (!decoded) {
        Report(decoded.problem());
        return false;
    }
    if (const auto note = StopNote(*decoded))
        Report(*note);
    if (outline.pointCount == 0) {
        Report(Problem::Refused(kMsgNoVertices));
        return false;
    }
    PlaceOutline(outline, W, H);
    return true;
}

bool WriteOutput(const std::string& path, std::string_view bytes, std::string& error) {
    if (path.empty()) {
        if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() ||
            std::fflush(stdout) != 0) {
            error = std::string("cannot write to standard output: ") + std::strerror(errno);
            return false;
        }
        return true;
    }
    const WriteResult written = WriteFileAtomically(path, bytes);
    if (!written) {
        error = "cannot write " + path + ": " + written.reason;
        return false;
    }
    return true;
}

} // namespace lumina::cli

#include "cli/glyph_batch.h"

#include "app/common.h"
#include "app/messages.h"
#include "glyph/atomic_file.h"

#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace lumina::cli {

int StderrPrompter::Message(const MessageRequest& request) {
    std::fprintf(stderr, "lumina-cli: %s\n", request.text.c_str());
    return request.style.buttons == MsgButtons::Ok ? kIdOk : kIdNo;
}

GlyphBatch::GlyphBatch() {
    std::string pattern = (std::filesystem::temp_directory_path() / "lumina-cli-XXXXXX").string();
    if (mkdtemp(pattern.data()))
        m_dir = pattern;
    m_settings = std::make_unique<SettingsStore>(m_dir + "/settings.ini");
    m_fonts = MakeFreeTypeFontSystem();
    m_services =
        std::make_unique<Services>(Services{"lumina-graph", *m_settings, m_prompter, *m_fonts});
    m_view = std::make_unique<GlyphView>(*m_services, m_observer, nullptr);
}

GlyphBatch::~GlyphBatch() {
    m_view.reset();
    m_settings.reset();
    std::error_code ignored;
    if (!m_dir.empty())
        std::filesystem::remove_all(m_dir, ignored);
}

bool GlyphBatch::Render(GlyphViewState& state, int W, int H) {
    if (!m_view->MakeSurfaces(W, H)) {
        std::fprintf(stderr, "lumina-cli: cannot make %d x %d view surfaces\n", W, H);
        return false;
    }
    return m_view->RefreshGlyphView(state);
}

bool GlyphBatch::DecodeOutline(const GlyphRequest& request, GlyphOutline& outline, int W, int H) {
    auto surface = Surface::Create(1, 1, m_services->displayFormat, m_services->displayDpiX,
                                   m_services->displayDpiY);
    if (!surface)
        return false;
    const ScopedFont font(*m_services, *surface, request.ToFontSpec());
    GlyphMetrics metrics;
    if (!DecodeNativeOutline(*m_services, *surface, static_cast<std::uint32_t>(request.SjisCode),
                             outline, metrics, m_observer))
        return false;
    if (outline.pointCount == 0) {
        ShowMessageById(*m_services, nullptr, "", kMsgNoVertices, kInfoOk);
        return false;
    }
    PlaceOutline(outline, W, H);
    return true;
}

bool WriteOutput(const std::string& path, const std::string& bytes, std::string& error) {
    if (path.empty()) {
        if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() ||
            std::fflush(stdout) != 0) {
            error = "cannot write to standard output";
            return false;
        }
        return true;
    }
    if (!WriteFileAtomically(path, bytes)) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

} // namespace lumina::cli

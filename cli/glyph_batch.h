#pragma once

#include "app/prompter.h"
#include "app/scripted_prompter.h"
#include "app/services.h"
#include "app/settings_store.h"
#include "glyph/glyph_view.h"
#include "glyph/outline.h"
#include "glyph/view_observer.h"
#include "platform/font.h"

#include <memory>
#include <optional>
#include <string>

namespace lumina::cli {

// Shows every message box on stderr as "lumina-cli: text" and declines every question, so that
// a batch run asks nothing and reports what the window would have shown.
class StderrPrompter : public Prompter {
public:
    int Message(const MessageRequest& request) override;
    std::optional<std::string> FileName(const FileDialogRequest&) override { return std::nullopt; }
    bool OpenFolder(const std::string&) override { return false; }
};

// What one glyph command runs on: a settings store of its own (never the user's), the prompter
// above, the real font system, and a glyph view rendered once for the request.
class GlyphBatch {
public:
    GlyphBatch();
    ~GlyphBatch();
    GlyphBatch(const GlyphBatch&) = delete;
    GlyphBatch& operator=(const GlyphBatch&) = delete;

    // false when the temporary settings folder could not be made.
    bool Ok() const { return !m_dir.empty(); }
    const Services& Get() const { return *m_services; }

    // Makes W x H surfaces and runs the refresh pass; false when the surfaces cannot be had or
    // the core failed (its messages are on stderr by then).
    bool Render(GlyphViewState& state, int W, int H);
    const GlyphView& View() const { return *m_view; }

    // Decodes and places the request's outline on a W x H view, as the refresh pass does;
    // false (with 30066 or 30067 on stderr) when there is none.
    bool DecodeOutline(const GlyphRequest& request, GlyphOutline& outline, int W = 800,
                       int H = 600);
    const RecordingGlyphObserver& Observer() const { return m_observer; }

private:
    std::string m_dir;
    std::unique_ptr<SettingsStore> m_settings;
    StderrPrompter m_prompter;
    std::unique_ptr<FontSystem> m_fonts;
    std::unique_ptr<Services> m_services;
    RecordingGlyphObserver m_observer;
    std::unique_ptr<GlyphView> m_view;
};

// Writes bytes to FILE, or to stdout when path is empty; false with error set when it fails.
bool WriteOutput(const std::string& path, const std::string& bytes, std::string& error);

} // namespace lumina::cli

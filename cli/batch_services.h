#pragma once

#include "image/source_picture.h"
#include "platform/font.h"
#include "services/prompter.h"
#include "services/services.h"
#include "services/settings_store.h"

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

// What every command runs on: a settings store in a temporary folder of its own (never the
// user's, removed at the end), the prompter above and the real font system.
class BatchServices {
public:
    BatchServices();
    ~BatchServices();
    BatchServices(const BatchServices&) = delete;
    BatchServices& operator=(const BatchServices&) = delete;

    // false when the temporary settings folder could not be made.
    bool Ok() const { return !m_dir.empty(); }
    const Services& Get() const { return *m_services; }

    // Loads a picture by the character-art window's rules; nullopt, with the reason on stderr
    // (the path and 30029 for a file that is not a picture), when it cannot be had.
    std::optional<SourcePicture> LoadPicture(const std::string& path) const;

private:
    std::string m_dir;
    std::unique_ptr<SettingsStore> m_settings;
    StderrPrompter m_prompter;
    std::unique_ptr<FontSystem> m_fonts;
    std::unique_ptr<Services> m_services;
};

} // namespace lumina::cli

#include "cli/batch_services.h"

#include "cli/command.h"
#include "image/picture_type.h"
#include "services/messages.h"

#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace lumina::cli {

int StderrPrompter::Message(const MessageRequest& request) {
    std::fprintf(stderr, "lumina-cli: %s\n", request.text.c_str());
    return request.style.buttons == MsgButtons::Ok ? kIdOk : kIdNo;
}

BatchServices::BatchServices() {
    std::string pattern = (std::filesystem::temp_directory_path() / "lumina-cli-XXXXXX").string();
    if (mkdtemp(pattern.data()))
        m_dir = pattern;
    m_settings = std::make_unique<SettingsStore>(m_dir + "/settings.ini");
    m_fonts = MakeFreeTypeFontSystem();
    m_services =
        std::make_unique<Services>(Services{"lumina-graph", *m_settings, m_prompter, *m_fonts});
}

BatchServices::~BatchServices() {
    m_services.reset();
    // The store is closed before its folder goes.
    m_settings.reset();
    std::error_code ignored;
    if (!m_dir.empty())
        std::filesystem::remove_all(m_dir, ignored);
}

std::optional<SourcePicture> BatchServices::LoadPicture(const std::string& path) const {
    SourcePicture picture;
    picture.path = path;
    picture.type = PictureTypeFromPath(path);
    if (picture.type.empty()) {
        ShowMessageById(*m_services, nullptr, path + "\n", kMsgNotImage, kInfoOk);
        return std::nullopt;
    }
    if (!LoadSourcePicture(*m_services, picture)) {
        Failure("cannot load " + path);
        return std::nullopt;
    }
    return picture;
}

} // namespace lumina::cli

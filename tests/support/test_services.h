#pragma once

#include "platform/font.h"
#include "services/problem.h"
#include "services/scripted_prompter.h"
#include "services/services.h"
#include "services/settings_store.h"

#include <memory>
#include <string>

namespace lumina::test {

// A private folder removed with everything in it when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

// While it lives, a write that would make any file longer than limit bytes fails with EFBIG,
// as a full disk would fail it, whoever runs the test; the signal such a write raises is ignored.
class FileSizeLimit {
public:
    explicit FileSizeLimit(unsigned long long limit);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    unsigned long long m_savedSoft = 0;
    void (*m_savedHandler)(int) = nullptr;
};

// A font system that has no fonts: for tests that never draw text.
class NoFontSystem : public FontSystem {
public:
    std::shared_ptr<const Font> CreateFont(const LogicalFont&) override { return nullptr; }
    std::vector<std::string> Families() override { return {}; }
    std::optional<ResolvedFace> Resolve(const LogicalFont&) override { return std::nullopt; }
};

// Services for one test: a settings store in a temporary INI file, a scripted prompter and a
// font system (none unless one is given).
class TestServices {
public:
    explicit TestServices(std::unique_ptr<FontSystem> fonts = std::make_unique<NoFontSystem>());

    Services& Get() { return m_services; }
    const Services& Get() const { return m_services; }
    operator const Services&() const { return m_services; }
    SettingsStore& Settings() { return m_settings; }
    ScriptedPrompter& Prompter() { return m_prompter; }
    const ScriptedPrompter& Prompter() const { return m_prompter; }
    const std::string& IniPath() const { return m_iniPath; }
    const TempDir& Dir() const { return m_dir; }

private:
    TempDir m_dir;
    std::string m_iniPath;
    SettingsStore m_settings;
    ScriptedPrompter m_prompter;
    std::unique_ptr<FontSystem> m_fonts;
    Services m_services;
};

// The text a window shows for a problem: its prefix, then its message.
std::string ProblemText(const Problem& problem);

// TestServices with the real FreeType font system.
std::unique_ptr<TestServices> MakeServicesWithFonts();

// Where the committed fixtures are (tests/data).
std::string TestDataPath(const std::string& relative);

} // namespace lumina::test

#include "tests/support/test_services.h"

#include "services/messages.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <sys/resource.h>
#include <unistd.h>

namespace lumina::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "lumina-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    m_path = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    // Tests may leave read-only folders behind; make them writable so they can go.
    for (auto it = std::filesystem::recursive_directory_iterator(m_path, ignored);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
        std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
    }
    std::filesystem::remove_all(m_path, ignored);
}

FileSizeLimit::FileSizeLimit(unsigned long long limit) {
    struct rlimit current {};
    if (getrlimit(RLIMIT_FSIZE, &current) != 0)
        throw std::runtime_error("cannot read the file size limit");
    m_savedSoft = current.rlim_cur;
    m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    current.rlim_cur = limit;
    if (setrlimit(RLIMIT_FSIZE, &current) != 0)
        throw std::runtime_error("cannot set the file size limit");
}

FileSizeLimit::~FileSizeLimit() {
    struct rlimit current {};
    getrlimit(RLIMIT_FSIZE, &current);
    current.rlim_cur = m_savedSoft;
    setrlimit(RLIMIT_FSIZE, &current);
    std::signal(SIGXFSZ, m_savedHandler);
}

TestServices::TestServices(std::unique_ptr<FontSystem> fonts)
    : m_iniPath(m_dir.File("settings.ini"))
    , m_settings(m_iniPath)
    , m_fonts(std::move(fonts))
    , m_services{{*m_fonts}, "lumina-graph", m_settings, m_prompter} {}

std::string ProblemText(const Problem& problem) {
    const char* text = MessageText(problem.id);
    return problem.prefix + (text ? text : "");
}

std::string TestDataPath(const std::string& relative) {
    const char* data = std::getenv("LUMINA_TEST_DATA");
    const std::string root = data ? data : "tests/data";
    return root + "/" + relative;
}

} // namespace lumina::test

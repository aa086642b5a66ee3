#include "services/common.h"

#include "services/messages.h"
#include "services/services.h"

#include <cmath>

namespace lumina {

int PointDistance(Point a, Point b) {
    const double dx = static_cast<double>(a.x) - b.x;
    const double dy = static_cast<double>(a.y) - b.y;
    return static_cast<int>(std::sqrt(dx * dx + dy * dy));
}

bool ShowInExplorer(const Services& services, const std::string& fullPath) {
    // The folder is the path up to its last separator; a bare name lies in the current folder.
    const auto slash = fullPath.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string(".")
                               : slash == 0               ? std::string("/")
                                                          : fullPath.substr(0, slash);
    if (services.prompter.OpenFolder(folder))
        return true;
    ShowMessageById(services, nullptr, "", kMsgFileManager, kErrorOk);
    return false;
}

} // namespace lumina

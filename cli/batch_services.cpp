#include "cli/batch_services.h"

#include "cli/command.h"
#include "image/picture_type.h"
#include "services/messages.h"

#include <cstdio>

namespace lumina::cli {

BatchServices::BatchServices()
    : m_fonts(MakeFreeTypeFontSystem())
    , m_services{*m_fonts} {}

int Report(const Problem& problem) {
    return Failure(ProblemLine(problem));
}

void BatchServices::NoteFaceFallback(const std::string& faceName) const {
    if (faceName.empty() || faceName == kDefaultFaceName)
        return;
    LogicalFont logical;
    logical.faceName = faceName;
    const std::optional<ResolvedFace> face = m_fonts->Resolve(logical);
    if (face && face->substituted)
        std::fprintf(stderr, "lumina-cli: no face '%s' is installed; drawing with %s (%s)\n",
                     faceName.c_str(), face->family.c_str(), face->file.c_str());
}

std::optional<SourcePicture> BatchServices::LoadPicture(const std::string& path) const {
    SourcePicture picture;
    picture.path = path;
    picture.type = PictureTypeFromPath(path);
    if (picture.type.empty()) {
        Report(Problem::Refused(kMsgNotImage, path + "\n"));
        return std::nullopt;
    }
    Problems problems;
    const bool loaded = LoadSourcePicture(m_services, picture, problems);
    // The notes the load went on after, then one line for what stopped it.
    const std::size_t notes = loaded || problems.empty() ? problems.size() : problems.size() - 1;
    for (std::size_t i = 0; i < notes; ++i) {
        if (problems[i].id != kMsgNone)
            Report(problems[i]);
    }
    if (loaded)
        return picture;
    // A problem that names the path already says what failed.
    if (!problems.empty() && problems.back().prefix == path + "\n")
        Report(problems.back());
    else
        Failure("cannot load " + path +
                (problems.empty() ? "" : ": " + ProblemLine(problems.back())));
    return std::nullopt;
}

} // namespace lumina::cli

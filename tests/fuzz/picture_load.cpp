// links: lumina_image lumina_services lumina_platform
// The whole picture load over arbitrary files. The first byte chooses the type word (and,
// with bit 3, a 16-bit display); the rest is the file. The corpus files are the test
// pictures of tests/data/images with that byte in front.
#include "image/source_picture.h"
#include "platform/font.h"
#include "services/services.h"
#include "tests/fuzz/fuzz_folder.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

class NoFonts : public lumina::FontSystem {
public:
    std::shared_ptr<const lumina::Font> CreateFont(const lumina::LogicalFont&) override {
        return nullptr;
    }
    std::vector<std::string> Families() override { return {}; }
    std::optional<lumina::ResolvedFace> Resolve(const lumina::LogicalFont&) override {
        return std::nullopt;
    }
};

using lumina::fuzz::Folder;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    static const std::array<const char*, 5> kTypes{"jpeg", "gif", "bmp", "png", "tiff"};
    static NoFonts fonts;
    lumina::EngineServices services{fonts};
    services.displayFormat =
        (data[0] & 8) ? lumina::PixelFormat::Rgb16 : lumina::PixelFormat::Rgb32;

    lumina::SourcePicture picture;
    picture.type = kTypes[data[0] % kTypes.size()];
    picture.path = Folder() + "/input." + picture.type;
    // A plain write: the input is scratch, and a sync per run would cost most of the run.
    {
        std::ofstream file(picture.path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data + 1), static_cast<std::streamsize>(size - 1));
        if (!file.flush())
            std::abort();
    }
    lumina::Problems problems;
    const bool loaded = lumina::LoadSourcePicture(services, picture, problems);
    if (loaded != picture.sourceSurface.has_value())
        std::abort();
    if (loaded && (picture.sourceSurface->Width() != picture.width ||
                   picture.sourceSurface->Height() != picture.height))
        std::abort();
    return 0;
}

#include "image/source_picture.h"

#include "image/completeness.h"
#include "image/encoder.h"
#include "image/file_bytes.h"
#include "image/raw_scan.h"
#include "image/transparency.h"
#include "platform/image_codec.h"
#include "platform/working_folder.h"
#include "services/services.h"

#include <algorithm>
#include <limits>

namespace lumina {
namespace {

// The decoded picture on its way to the surface.
struct Loaded {
    ArgbImage image;
    COLORREF key = kNoColour;
    bool keyedByColour = false; // a bitmap file's key: flattened by leaving its colour out
    std::uint32_t byteSize = 0;
};

std::uint32_t ClampedSize(std::uint64_t size) {
    return static_cast<std::uint32_t>(
        std::min<std::uint64_t>(size, std::numeric_limits<std::uint32_t>::max()));
}

// The size of the 32-bit bitmap file of a picture (file header, info header, pixels).
std::uint32_t BitmapFileSize(int width, int height) {
    return ClampedSize(14 + 40 +
                       std::uint64_t{4} * static_cast<std::uint64_t>(width) *
                           static_cast<std::uint64_t>(height));
}

// The steps' failures, in the order they arose; the window shows them with the error icon.
void Fail(Problems& problems, MessageId id, std::string prefix = {}) {
    problems.push_back(Problem::Failed(id, std::move(prefix)));
}

// The 32-bit bitmap scan over the file read for the load, with its messages.
COLORREF BitmapFileKey(const FileBytes& file, Problems& problems) {
    switch (file.status) {
    case ReadStatus::CannotOpen:
        Fail(problems, kMsgBitmapInfo, "ファイルオープンエラー\n");
        return kNoColour;
    case ReadStatus::NoMemory:
        Fail(problems, kMsgBitmapInfo, "メモリ確保エラー\n");
        return kNoColour;
    case ReadStatus::ShortRead:
        Fail(problems, kMsgBitmapInfo, "データ読込みエラー\n");
        return kNoColour;
    case ReadStatus::Ok:
        break;
    }
    const BmpScan scan = ScanBmpBytes(file.bytes);
    if (scan.notBmp)
        Fail(problems, kMsgBitmapInfo, "形式判別エラー\n");
    return scan.found ? scan.colour : kNoColour;
}

// The message a decoding failure has (none for a picture that cannot be read); false.
bool ReportDecodeFailure(DecodeStatus status, Problems& problems) {
    if (status == DecodeStatus::TooLarge)
        Fail(problems, kMsgPictureTooLarge);
    else if (status == DecodeStatus::NoMemory)
        Fail(problems, kMsgNoMemory);
    else
        problems.push_back(Problem::Silent("the picture cannot be decoded"));
    return false;
}

// An opaque picture reaches the surface through the temporary JPEG file, as every opaque
// picture not read directly as JPEG does.
bool ThroughTemporaryJpeg(const ArgbImage& image, Loaded& out, Problems& problems) {
    const auto folder = PrivateWorkingFolder();
    if (!folder) {
        Fail(problems, kMsgNoWorkFolder);
        return false;
    }
    const std::string path = *folder + "/" + kTemporaryJpegName;
    const Status saved =
        SaveBitmapThroughEncoder(image, path, image.Width(), image.Height(), "jpeg");
    if (!saved) {
        problems.push_back(saved.problem());
        return false;
    }
    const FileBytes file = ReadWholeFile(path);
    if (file.status != ReadStatus::Ok) {
        problems.push_back(Problem::Silent("the temporary JPEG file cannot be read back"));
        return false;
    }
    DecodedImage decoded = DecodeImage(file.bytes, "jpeg", kMaxPicturePixels);
    if (decoded.status != DecodeStatus::Ok)
        return ReportDecodeFailure(decoded.status, problems);
    out = Loaded{std::move(decoded.image), kNoColour, false, ClampedSize(file.bytes.size())};
    return true;
}

// Decoding by content, the key search and its adjustments, flattening, and for an opaque
// picture the JPEG round trip.
bool DecodeByContent(const EngineServices& services, const SourcePicture& picture,
                     const FileBytes& file, COLORREF bitmapKey, Loaded& out, Problems& problems) {
    const PngScan png = picture.type == "png" ? ScanPngBytes(file.bytes) : PngScan{};
    DecodedImage decoded = DecodeImage(file.bytes, "", kMaxPicturePixels);
    if (decoded.status != DecodeStatus::Ok)
        return ReportDecodeFailure(decoded.status, problems);
    ArgbImage& image = decoded.image;
    COLORREF key = bitmapKey;
    bool keyFromAlpha = false;
    if (picture.type != "bmp") {
        key = FindKeyColour(image);
        keyFromAlpha = key != kNoColour;
    }
    if (keyFromAlpha && png.headerFound && png.colour != kNoColour && png.colour != key) {
        RepaintTransparent(image, png.colour);
        key = png.colour;
    }
    if (keyFromAlpha && services.displayFormat == PixelFormat::Rgb16)
        key = AdjustForLowColour(image, key);
    // Transparency is where alpha is 0: opaque pixels keep their colour even when it is the
    // key's.
    FlattenOntoWhite(image);
    if (key == kNoColour)
        return ThroughTemporaryJpeg(image, out, problems);
    const std::uint32_t size = BitmapFileSize(image.Width(), image.Height());
    out = Loaded{std::move(image), key, !keyFromAlpha, size};
    return true;
}

std::optional<Surface> MakeSurface(const EngineServices& services, int width, int height) {
    return Surface::Create(width, height, services.displayFormat, services.displayDpiX,
                           services.displayDpiY);
}

bool DrawSurfaces(const EngineServices& services, const Loaded& loaded, SourcePicture& picture,
                  Problems& problems) {
    const int width = loaded.image.Width();
    const int height = loaded.image.Height();
    picture.sourceSurface = MakeSurface(services, width, height);
    if (loaded.keyedByColour)
        picture.stagingSurface = MakeSurface(services, width, height);
    if (!picture.sourceSurface || (loaded.keyedByColour && !picture.stagingSurface)) {
        Fail(problems, kMsgNoMemory);
        return false;
    }
    // Copying fails only when the converted pixels cannot be had.
    Surface& first = loaded.keyedByColour ? *picture.stagingSurface : *picture.sourceSurface;
    if (!DrawArgbOnto(loaded.image, first)) {
        Fail(problems, kMsgNoMemory);
        return false;
    }
    if (!loaded.keyedByColour)
        return true;
    const Rect bounds{0, 0, width, height};
    picture.sourceSurface->FillRect(bounds, Rgb(255, 255, 255));
    picture.sourceSurface->TransparentFrom(*picture.stagingSurface, bounds, bounds, loaded.key);
    return true;
}

void Reset(SourcePicture& picture) {
    picture.width = 0;
    picture.height = 0;
    picture.byteSize = 0;
    picture.keyColour = kNoColour;
    picture.sourceSurface.reset();
    picture.stagingSurface.reset();
}

bool Load(const EngineServices& services, SourcePicture& picture, Problems& problems) {
    const FileBytes file = ReadWholeFile(picture.path);
    const COLORREF bitmapKey = picture.type == "bmp" ? BitmapFileKey(file, problems) : kNoColour;
    Loaded loaded;
    bool decoded = false;
    if (file.status == ReadStatus::Ok && LooksTruncated(file.bytes)) {
        // As the readers do with any other broken file: no message of our own.
        problems.push_back(Problem::Silent("the picture file is cut off"));
        return false;
    }
    if (picture.type == "jpeg" && file.status == ReadStatus::Ok) {
        DecodedImage direct = DecodeImage(file.bytes, "jpeg", kMaxPicturePixels);
        if (direct.status == DecodeStatus::Ok) {
            loaded =
                Loaded{std::move(direct.image), kNoColour, false, ClampedSize(file.bytes.size())};
            decoded = true;
        } else if (direct.status != DecodeStatus::Unreadable) {
            return ReportDecodeFailure(direct.status, problems);
        }
    }
    if (!decoded) {
        if (file.status != ReadStatus::Ok) {
            problems.push_back(Problem::Silent("the picture file cannot be read"));
            return false;
        }
        if (!DecodeByContent(services, picture, file, bitmapKey, loaded, problems))
            return false;
    }
    if (!DrawSurfaces(services, loaded, picture, problems))
        return false;
    picture.width = loaded.image.Width();
    picture.height = loaded.image.Height();
    picture.byteSize = loaded.byteSize;
    picture.keyColour = loaded.key;
    return true;
}

} // namespace

bool LoadSourcePicture(const EngineServices& services, SourcePicture& picture, Problems& problems) {
    Reset(picture);
    if (Load(services, picture, problems))
        return true;
    Reset(picture);
    return false;
}

} // namespace lumina

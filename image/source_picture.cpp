#include "image/source_picture.h"

#include "image/completeness.h"
#include "image/encoder.h"
#include "image/file_bytes.h"
#include "image/raw_scan.h"
#include "image/transparency.h"
#include "platform/image_codec.h"
#include "platform/jpeg_reader.h"
#include "platform/png_reader.h"
#include "services/services.h"

#include <algorithm>
#include <limits>

namespace lumina {
namespace {

// The decoded picture on its way to the surface.
struct Loaded {
    ArgbImage image;
    COLORREF key = kNoColour;
    std::uint32_t byteSize = 0;
    // The round trip's JPEG when the decoder made it already.
    std::optional<std::vector<std::uint8_t>> jpeg;
    bool roundTripped = false; // and the pixels are already the JPEG's
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
void Fail(Problems& problems, MessageId id, std::string prefix = {}, std::string detail = {}) {
    problems.push_back(Problem::Failed(id, std::move(prefix), std::move(detail)));
}

// The 32-bit bitmap scan over the file read for the load, with its messages.
COLORREF BitmapFileKey(const FileBytes& file, Problems& problems) {
    switch (file.status) {
    case ReadStatus::CannotOpen:
    case ReadStatus::NotRegular:
        Fail(problems, kMsgBitmapInfo, "ファイルオープンエラー\n", file.reason);
        return kNoColour;
    case ReadStatus::NoMemory:
    case ReadStatus::TooLarge:
        Fail(problems, kMsgBitmapInfo, "メモリ確保エラー\n", file.reason);
        return kNoColour;
    case ReadStatus::ShortRead:
        Fail(problems, kMsgBitmapInfo, "データ読込みエラー\n", file.reason);
        return kNoColour;
    case ReadStatus::Ok:
        break;
    }
    const BmpScan scan = ScanBmpBytes(file.bytes);
    if (scan.notBmp)
        Fail(problems, kMsgBitmapInfo, "形式判別エラー\n");
    return scan.found ? scan.colour : kNoColour;
}

// Why a file that could not be read stops the load: a file too long for a picture is too
// large; anything else is a file that cannot be opened, with the system's reason. When the
// bitmap scan has said so already, the stop adds no second message.
void ReportReadFailure(const SourcePicture& picture, const FileBytes& file, Problems& problems) {
    if (!problems.empty()) {
        problems.push_back(Problem::Silent(file.reason));
        return;
    }
    if (file.status == ReadStatus::TooLarge)
        Fail(problems, kMsgPictureTooLarge, {}, file.reason);
    else
        Fail(problems, kMsgOpenFailed, picture.path + "\n", file.reason);
}

// The message a decoding failure has; false.
bool ReportDecodeFailure(DecodeStatus status, Problems& problems) {
    if (status == DecodeStatus::TooLarge)
        Fail(problems, kMsgPictureTooLarge);
    else if (status == DecodeStatus::NoMemory)
        Fail(problems, kMsgNoMemory);
    else
        Fail(problems, kMsgPictureUnreadable, {}, "the picture cannot be decoded");
    return false;
}

// A JPEG decoded straight into ARGB pixels (into reuse's memory when it has the size); Qt's
// reader when the direct decoder leaves it to it.
DecodedImage DecodeJpeg(std::span<const std::uint8_t> bytes, ArgbImage reuse = {}) {
    DecodedImage direct = DecodeJpegDirect(bytes, kMaxPicturePixels, std::move(reuse));
    if (direct.status != DecodeStatus::Unreadable)
        return direct;
    return DecodeImage(bytes, "jpeg", kMaxPicturePixels);
}

// An opaque picture reaches the surface through JPEG encoding and decoding, as every opaque
// picture not read directly as JPEG does. The round trip is made in memory: no file of a
// shared folder can be planted, swapped or left half-written in its way. The decoded JPEG
// takes the picture's own memory.
bool ThroughJpegRoundTrip(Loaded& loaded, Problems& problems) {
    if (loaded.jpeg && loaded.roundTripped) {
        loaded =
            Loaded{std::move(loaded.image), kNoColour, ClampedSize(loaded.jpeg->size()), {}, false};
        return true;
    }
    ArgbImage& image = loaded.image;
    auto jpeg = loaded.jpeg ? Result<std::vector<std::uint8_t>>(std::move(*loaded.jpeg))
                            : EncodeThroughEncoder(image, image.Width(), image.Height(), "jpeg");
    if (!jpeg) {
        problems.push_back(jpeg.problem());
        return false;
    }
    DecodedImage decoded = DecodeJpeg(*jpeg, std::move(image));
    image = ArgbImage();
    if (decoded.status != DecodeStatus::Ok)
        return ReportDecodeFailure(decoded.status, problems);
    loaded = Loaded{std::move(decoded.image), kNoColour, ClampedSize(jpeg->size()), {}, false};
    return true;
}

// Decoding by content, the key search and its adjustments and flattening. An opaque picture
// is left for the JPEG round trip (roundTrip set).
bool DecodeByContent(const EngineServices& services, const SourcePicture& picture,
                     std::span<const std::uint8_t> bytes, COLORREF bitmapKey, Loaded& out,
                     bool& roundTrip, Problems& problems) {
    const PngScan png = picture.type == "png" ? ScanPngBytes(bytes) : PngScan{};
    // A PNG is decoded directly where it can be; a large opaque one has its round trip made on
    // the second core meanwhile, the same bytes and pixels as the encoder and decoder give
    // afterwards.
    const bool opaqueRoundTrip = picture.type != "bmp";
    constexpr std::int64_t kBesideMinPixels = 2'000'000;
    PngDecoded direct = DecodePngDirect(bytes, kMaxPicturePixels,
                                        opaqueRoundTrip ? kEncoderQuality : 0, kBesideMinPixels);
    DecodedImage decoded = direct.decoded.status != DecodeStatus::Unreadable
                               ? std::move(direct.decoded)
                               : DecodeImage(bytes, "", kMaxPicturePixels);
    if (decoded.status != DecodeStatus::Ok)
        return ReportDecodeFailure(decoded.status, problems);
    ArgbImage& image = decoded.image;
    // Without an alpha channel (and outside bitmap files, whose colours may make one) every
    // pixel is opaque: there is no key to find and nothing to flatten.
    if (!decoded.hadAlpha && opaqueRoundTrip) {
        out = Loaded{std::move(image), kNoColour, 0, std::move(direct.opaqueJpeg),
                     direct.roundTripped};
        roundTrip = true;
        return true;
    }
    COLORREF key = bitmapKey;
    bool keyFromAlpha = false;
    if (picture.type != "bmp") {
        key = FindKeyColour(image);
        keyFromAlpha = key != kNoColour;
    } else if (!decoded.hadAlpha) {
        ApplyBitmapFileAlpha(bytes, image);
    }
    if (keyFromAlpha && png.headerFound && png.colour != kNoColour && png.colour != key) {
        RepaintTransparent(image, png.colour);
        key = png.colour;
    }
    if (keyFromAlpha && services.displayFormat == PixelFormat::Rgb16)
        key = AdjustForLowColour(image, key);
    // Transparency is where alpha is 0, for bitmap files as for every other picture: opaque
    // pixels keep their colour even when it is the key's.
    FlattenOntoWhite(image);
    roundTrip = key == kNoColour;
    const std::uint32_t size = roundTrip ? 0 : BitmapFileSize(image.Width(), image.Height());
    out = Loaded{std::move(image), key, size, {}, false};
    return true;
}

// The decoded pixels become the surface's: the picture is never held twice at full size.
bool MakeSurface(const EngineServices& services, Loaded& loaded, SourcePicture& picture,
                 Problems& problems) {
    // A picture without a key comes from a JPEG, every pixel opaque; a keyed one was flattened
    // and is converted.
    const auto make = loaded.key == kNoColour ? SurfaceFromOpaqueArgb : SurfaceFromArgb;
    picture.sourceSurface = make(std::move(loaded.image), services.displayFormat,
                                 services.displayDpiX, services.displayDpiY);
    if (!picture.sourceSurface) {
        Fail(problems, kMsgNoMemory);
        return false;
    }
    return true;
}

void Reset(SourcePicture& picture) {
    picture.width = 0;
    picture.height = 0;
    picture.byteSize = 0;
    picture.keyColour = kNoColour;
    picture.sourceSurface.reset();
}

bool Load(const EngineServices& services, SourcePicture& picture, Problems& problems) {
    FileBytes file = ReadWholeFile(picture.path);
    const COLORREF bitmapKey = picture.type == "bmp" ? BitmapFileKey(file, problems) : kNoColour;
    if (file.status != ReadStatus::Ok) {
        ReportReadFailure(picture, file, problems);
        return false;
    }
    // A bitmap file without the padding of its last row is whole to the eye; the reader wants
    // the padding there.
    file.bytes.resize(file.bytes.size() + MissingBitmapPadding(file.bytes), 0);
    const std::span<const std::uint8_t> bytes = file.bytes;
    if (LooksTruncated(bytes)) {
        Fail(problems, kMsgPictureUnreadable, {}, "the picture file is cut off");
        return false;
    }
    Loaded loaded;
    bool decoded = false;
    bool roundTrip = false;
    if (picture.type == "jpeg") {
        DecodedImage direct = DecodeJpeg(bytes);
        if (direct.status == DecodeStatus::Ok) {
            loaded =
                Loaded{std::move(direct.image), kNoColour, ClampedSize(bytes.size()), {}, false};
            decoded = true;
        } else if (direct.status != DecodeStatus::Unreadable) {
            return ReportDecodeFailure(direct.status, problems);
        }
    }
    if (!decoded &&
        !DecodeByContent(services, picture, bytes, bitmapKey, loaded, roundTrip, problems))
        return false;
    // The file's bytes are done with: they go before the round trip needs its memory.
    std::vector<std::uint8_t>().swap(file.bytes);
    if (roundTrip && !ThroughJpegRoundTrip(loaded, problems))
        return false;
    if (!MakeSurface(services, loaded, picture, problems))
        return false;
    picture.width = picture.sourceSurface->Width();
    picture.height = picture.sourceSurface->Height();
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

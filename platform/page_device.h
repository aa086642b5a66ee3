#pragma once

#include "platform/geometry.h"

#include <memory>
#include <string>

class QPageSize;
class QPagedPaintDevice;

namespace lumina {

class Surface;

// What a printer surface reports, in printer pixels: resolution, the whole sheet and the
// unprintable border at its left and top.
struct PrinterGeometry {
    int dpiX = 600;
    int dpiY = 600;
    int physicalWidth = 0;
    int physicalHeight = 0;
    int offsetX = 0;
    int offsetY = 0;
};

// A paged output the print job draws the view picture on: a printer of the print system or a
// PDF file. Coordinates are device pixels from the top-left of the printable area.
class PageDevice {
public:
    virtual ~PageDevice() = default;

    virtual PrinterGeometry Geometry() const = 0;
    // The file a PDF device writes; empty for a printer.
    virtual const std::string& FilePath() const = 0;

    // Starts the document on its first sheet; false when the output cannot be opened.
    virtual bool Begin(const std::string& docName) = 0;
    // The next sheet; false when the device refused it.
    virtual bool NewPage() = 0;
    // Draws sourceRect of picture stretched over destination. scale is device pixels per
    // picture pixel; the picture is smoothed in memory up to about 300 dots per inch and the
    // device scales the rest.
    virtual void DrawPicture(const Surface& picture, const Rect& sourceRect,
                             const Rect& destination, float scale) = 0;
    // Ends the document; false when it could not be completed.
    virtual bool End() = 0;
    // Why the document could not be completed, in the system's words; "" when not known.
    virtual std::string FailureReason() const { return {}; }
};

// Pages on a paged paint device the caller keeps (a printer), at its resolution.
std::unique_ptr<PageDevice> PagesOn(QPagedPaintDevice& device);

// A PDF file of the given sheet at 1200 dots per inch, with the print system's default border.
std::unique_ptr<PageDevice> MakePdfPageDevice(const std::string& path, const QPageSize& size,
                                              bool landscape);

} // namespace lumina

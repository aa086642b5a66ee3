#pragma once

#include "platform/geometry.h"
#include "print/page_layout.h"

namespace lumina {

class Surface;

inline constexpr COLORREF kShadowColour = Rgb(128, 128, 128);
inline constexpr COLORREF kPaperEdgeColour = Rgb(192, 192, 192);
inline constexpr COLORREF kMarginLineColour = Rgb(247, 247, 247);
inline constexpr COLORREF kDragLineColour = Rgb(198, 198, 198);

struct PreviewContent {
    const Surface* picture = nullptr; // the view picture of the dialog's display kind
    Size viewPx;
    int page = 1;
    bool onePage = false;
    bool showMargins = false;
};

// Paints one page of the layout onto target, which covers the preview frame; layout
// rectangles are in the coordinates of which the frame's top-left is frameOrigin.
void PaintPreview(Surface& target, Point frameOrigin, const PageLayout& layout,
                  const PreviewContent& content);

} // namespace lumina

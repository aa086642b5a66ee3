#include "artwin/art_view_math.h"

#include <algorithm>

namespace lumina {
namespace {

// Limited to 0..high, raised to 0 first and then lowered, so a negative high wins.
int Limit(int value, int high) {
    return std::min(std::max(value, 0), high);
}

} // namespace

bool IsKnownZoom(int zoom) {
    return zoom == 0 || zoom == 1 || zoom == 2 || zoom == 4 || zoom == 8;
}

Rect FitPictureRect(const Rect& area, int w, int h) {
    const int areaW = area.Width();
    const int areaH = area.Height();
    if (w <= 0 || h <= 0)
        return {area.left, area.top, area.left, area.top};
    if (w < areaW && h < areaH) {
        const int x = area.left + (areaW - w) / 2;
        const int y = area.top + (areaH - h) / 2;
        return {x, y, x + w, y + h};
    }
    const float fx = static_cast<float>(areaW) / static_cast<float>(w);
    const float fy = static_cast<float>(areaH) / static_cast<float>(h);
    if (fy > fx) {
        const int height = static_cast<int>(static_cast<float>(h) * fx);
        const int y = area.top + (areaH - height) / 2;
        return {area.left, y, area.left + areaW, y + height};
    }
    const int width = static_cast<int>(static_cast<float>(w) * fy);
    const int x = area.left + (areaW - width) / 2;
    return {x, area.top, x + width, area.top + areaH};
}

Rect FitArtRect(const Rect& area, int drawW, int drawH) {
    const int areaW = area.Width();
    const int areaH = area.Height();
    if (drawW <= 0 || drawH <= 0)
        return {area.left, area.top, area.left, area.top};
    if (drawW < areaW && drawH < areaH) {
        const int x = area.left + (areaW - drawW) / 2;
        const int y = area.top + (areaH - drawH) / 2;
        return {x, y, x + drawW, y + drawH};
    }
    const float fx = static_cast<float>(areaW) / static_cast<float>(drawW);
    const float fy = static_cast<float>(areaH) / static_cast<float>(drawH);
    if (fy > fx) {
        const int height = static_cast<int>(static_cast<float>(drawH) * fx);
        const int y = area.top + static_cast<int>(static_cast<float>(areaH - height) * 0.5f);
        return {area.left, y, area.left + areaW, y + height};
    }
    const int width = static_cast<int>(static_cast<float>(drawW) * fy);
    const int x = area.left + static_cast<int>(static_cast<float>(areaW - width) * 0.5f);
    return {x, area.top, x + width, area.top + areaH};
}

ArtView MagnifiedView(const Rect& artRect, int drawW, int drawH, int zoom, int panX, int panY) {
    const int z = std::max(zoom, 1);
    const int destW = std::min(artRect.Width(), drawW * z);
    const int destH = std::min(artRect.Height(), drawH * z);
    ArtView view;
    view.destination = {artRect.left, artRect.top, artRect.left + destW, artRect.top + destH};
    const int sx = std::max(panX, 0);
    const int sy = std::max(panY, 0);
    view.source = {sx, sy, sx + destW / z, sy + destH / z};
    return view;
}

Rect PictureFrame(const Rect& sourceRect, const Rect& artRect, int zoom, int panX, int panY,
                  float scaleX, float scaleY) {
    const float z = static_cast<float>(std::max(zoom, 1));
    const int visibleRight = panX + static_cast<int>(static_cast<float>(artRect.Width()) / z);
    const int visibleBottom = panY + static_cast<int>(static_cast<float>(artRect.Height()) / z);
    Rect frame{static_cast<int>(static_cast<float>(panX) * scaleX),
               static_cast<int>(static_cast<float>(panY) * scaleY),
               static_cast<int>(static_cast<float>(visibleRight) * scaleX),
               static_cast<int>(static_cast<float>(visibleBottom) * scaleY)};
    if (frame.Width() > sourceRect.Width()) {
        frame.left = 0;
        frame.right = sourceRect.Width() - 1;
    }
    if (frame.Height() > sourceRect.Height()) {
        frame.top = 0;
        frame.bottom = sourceRect.Height() - 1;
    }
    return {frame.left + sourceRect.left, frame.top + sourceRect.top, frame.right + sourceRect.left,
            frame.bottom + sourceRect.top};
}

PanLimits PanLimitsOf(const Rect& artRect, int drawW, int drawH, int zoom) {
    return {drawW * zoom - artRect.Width(), drawH * zoom - artRect.Height()};
}

Point PanFromFrameDrag(Point pointer, const Rect& sourceRect, Point grab, float scaleX,
                       float scaleY, int zoom, PanLimits limits) {
    const int z = std::max(zoom, 1);
    if (scaleX <= 0.0f || scaleY <= 0.0f)
        return {0, 0};
    const int nx = Limit(
        z * static_cast<int>(static_cast<float>(pointer.x - sourceRect.left - grab.x) / scaleX),
        limits.maxX);
    const int ny = Limit(
        z * static_cast<int>(static_cast<float>(pointer.y - sourceRect.top - grab.y) / scaleY),
        limits.maxY);
    return {std::max(nx / z, 0), std::max(ny / z, 0)};
}

Point PanFromArtDrag(Point anchor, Point pointer, Point pan, int zoom, PanLimits limits) {
    const int z = std::max(zoom, 1);
    const int nx = Limit(z * pan.x + (anchor.x - pointer.x), limits.maxX);
    const int ny = Limit(z * pan.y + (anchor.y - pointer.y), limits.maxY);
    return {std::max(nx / z, 0), std::max(ny / z, 0)};
}

COLORREF InverseColour(COLORREF c) {
    return 0xFFFFFFu - (c & 0xFFFFFFu);
}

} // namespace lumina

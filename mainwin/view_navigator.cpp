#include "mainwin/view_navigator.h"

#include "glyph/last_settings.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace lumina {
namespace {

// One notch of a wheel; finer wheels and touchpads add up to it.
constexpr int kWheelNotch = 120;

} // namespace

ViewNavigator::ViewNavigator(NavigationHost& host)
    : m_host(host) {}

bool ViewNavigator::Dragging() const {
    return m_drag != Drag::None;
}

HotSpot ViewNavigator::HitAt(Point p) {
    const GlyphViewState& state = m_host.ViewState();
    HitInput in;
    in.view = m_host.ViewRect();
    in.radius = state.RoundR;
    in.mode = state.mode;
    in.origin = {state.OrgX, state.OrgY};
    in.measure1 = state.measure1;
    in.measure2 = state.measure2;
    return HitTest(p, in);
}

void ViewNavigator::MouseMove(Point p) {
    if (m_drag == Drag::None) {
        Hover(p);
        return;
    }
    if (!m_host.ViewRect().Contains(p))
        return;
    DragMove(p);
}

void ViewNavigator::Hover(Point p) {
    if (!m_host.ViewRect().Contains(p)) {
        m_host.SetViewCursor(ViewCursor::Arrow);
        return;
    }
    switch (HitAt(p)) {
    case HotSpot::MeasurePoint1:
    case HotSpot::MeasurePoint2:
        m_host.SetViewCursor(ViewCursor::Pointer);
        break;
    case HotSpot::DrawOrigin:
        m_host.SetViewCursor(ViewCursor::Move);
        break;
    case HotSpot::RadiusHandle:
        m_host.SetViewCursor(ViewCursor::WestEast);
        break;
    case HotSpot::DialBand:
        m_host.SetViewCursor(ViewCursor::Rotate);
        break;
    case HotSpot::None:
        m_host.SetViewCursor(ViewCursor::Arrow);
        break;
    }
}

void ViewNavigator::DragMove(Point p) {
    const Rect view = m_host.ViewRect();
    switch (m_drag) {
    case Drag::MeasurePoint:
        m_feedback = {DragFeedback::Kind::MeasurePoint, p, 0};
        m_host.RepaintView();
        break;
    case Drag::Origin:
        m_feedback = {DragFeedback::Kind::Origin, p, 0};
        m_host.RepaintView();
        break;
    case Drag::Radius:
        m_feedback = {DragFeedback::Kind::Ring, ViewCentre(view), RadiusFromDrag(p, view)};
        m_host.RepaintView();
        break;
    case Drag::Angle: {
        GlyphViewState& state = m_host.ViewState();
        m_host.SetViewCursor(OnDialBand(p, view, state.RoundR) ? ViewCursor::Move
                                                               : ViewCursor::NoEntry);
        const int a = AngleFromDrag(m_angleAtStart, m_dragStart, p, ViewCentre(view));
        if (a == state.request.FontDeg)
            break;
        // The dial's angle is not stored: the angle spin or the apply button stores it.
        state.request.FontDeg = a;
        m_host.ShowAngle(a);
        m_host.RefreshView();
        break;
    }
    case Drag::Pan: {
        StudyOptions& study = m_host.ViewState().study;
        const Point pan{std::clamp(m_panAtStart.x + p.x - m_dragStart.x, -kMaxPan, kMaxPan),
                        std::clamp(m_panAtStart.y + p.y - m_dragStart.y, -kMaxPan, kMaxPan)};
        if (pan == study.pan)
            break;
        study.pan = pan;
        m_host.RefreshView();
        break;
    }
    case Drag::None:
        break;
    }
}

void ViewNavigator::LeftDown(Point p) {
    if (!m_host.ViewRect().Contains(p))
        return;
    GlyphViewState& state = m_host.ViewState();
    if (m_spaceHeld && Zoomable()) {
        StartPan(p);
        return;
    }
    switch (HitAt(p)) {
    case HotSpot::MeasurePoint1:
    case HotSpot::MeasurePoint2:
        m_drag = Drag::MeasurePoint;
        m_draggedPoint = HitAt(p) == HotSpot::MeasurePoint1 ? 0 : 1;
        m_host.SetViewCursor(ViewCursor::Arrow);
        return;
    case HotSpot::DrawOrigin:
        m_drag = Drag::Origin;
        return;
    case HotSpot::RadiusHandle:
        m_drag = Drag::Radius;
        m_dragStart = p;
        return;
    case HotSpot::DialBand:
        m_drag = Drag::Angle;
        m_dragStart = p;
        m_angleAtStart = state.request.FontDeg;
        return;
    case HotSpot::None:
        MeasuringClick(p);
        return;
    }
}

void ViewNavigator::MeasuringClick(Point p) {
    GlyphViewState& state = m_host.ViewState();
    if (!IsPresent(state.measure1)) {
        state.measure1 = p;
    } else if (!IsPresent(state.measure2)) {
        state.measure2 = p;
    } else {
        state.measure1 = {-1, -1};
        state.measure2 = {-1, -1};
    }
    m_host.RepaintView();
}

void ViewNavigator::LeftUp(Point p) {
    const bool hadFeedback = m_feedback.kind != DragFeedback::Kind::None;
    m_feedback = {};
    EndDrag(p);
    if (hadFeedback)
        m_host.RepaintView();
}

void ViewNavigator::EndDrag(Point p) {
    GlyphViewState& state = m_host.ViewState();
    const Rect view = m_host.ViewRect();
    const Drag drag = m_drag;
    m_drag = Drag::None;
    switch (drag) {
    case Drag::MeasurePoint:
        if (view.Contains(p)) {
            (m_draggedPoint == 0 ? state.measure1 : state.measure2) = p;
            m_host.RepaintView();
        }
        m_draggedPoint = -1;
        break;
    case Drag::Origin:
        if (view.Contains(p)) {
            state.OrgX = p.x - view.left;
            state.OrgY = p.y - view.top;
            m_host.RefreshView();
        }
        m_host.WriteSetting(last::OrgX, state.OrgX);
        m_host.WriteSetting(last::OrgY, state.OrgY);
        break;
    case Drag::Radius:
        state.RoundR = RadiusFromDrag(p, view);
        m_host.WriteSetting(last::RoundR, state.RoundR);
        m_host.RepaintView();
        break;
    case Drag::Pan:
        EndPan();
        break;
    case Drag::Angle:
    case Drag::None:
        break;
    }
}

bool ViewNavigator::Zoomable() const {
    const DisplayMode mode = m_host.ViewState().mode;
    return mode == DisplayMode::Outline || mode == DisplayMode::Bitmap;
}

void ViewNavigator::StartPan(Point p) {
    m_drag = Drag::Pan;
    m_dragStart = p;
    m_panAtStart = m_host.ViewState().study.pan;
    m_host.SetViewCursor(ViewCursor::Move);
}

void ViewNavigator::EndPan() {
    const Point pan = m_host.ViewState().study.pan;
    m_host.WriteSetting(last::PanX, pan.x);
    m_host.WriteSetting(last::PanY, pan.y);
    m_host.SetViewCursor(ViewCursor::Arrow);
}

void ViewNavigator::MiddleDown(Point p) {
    if (m_drag == Drag::None && m_host.ViewRect().Contains(p) && Zoomable())
        StartPan(p);
}

void ViewNavigator::MiddleUp(Point) {
    if (m_drag != Drag::Pan)
        return;
    m_drag = Drag::None;
    EndPan();
}

void ViewNavigator::Zoom(ZoomCommand command, std::optional<Point> anchor) {
    switch (command) {
    case ZoomCommand::In:
    case ZoomCommand::Out:
        ZoomSteps(command == ZoomCommand::In ? 1 : -1, anchor);
        return;
    case ZoomCommand::Actual:
        ApplyZoom(1, {});
        return;
    case ZoomCommand::Fit:
        ApplyZoom(m_host.FitZoom(), {});
        return;
    }
}

void ViewNavigator::ZoomSteps(int steps, std::optional<Point> anchor) {
    const StudyOptions& study = m_host.ViewState().study;
    const Rect view = m_host.ViewRect();
    const Point centre{view.Width() / 2, view.Height() / 2};
    const Point at = anchor ? Point{anchor->x - view.left, anchor->y - view.top} : centre;
    int zoom = study.zoom;
    Point pan = study.pan;
    for (int n = std::abs(steps); n > 0; --n) {
        const int next = steps > 0 ? ZoomIn(zoom) : ZoomOut(zoom);
        pan = PanForZoom(pan, at, centre, zoom, next);
        zoom = next;
    }
    ApplyZoom(zoom, pan);
}

void ViewNavigator::ApplyZoom(int zoom, Point pan) {
    StudyOptions& study = m_host.ViewState().study;
    if (zoom == study.zoom && pan == study.pan)
        return;
    study.zoom = zoom;
    study.pan = pan;
    m_host.WriteSetting(last::Zoom, zoom);
    m_host.WriteSetting(last::PanX, pan.x);
    m_host.WriteSetting(last::PanY, pan.y);
    m_host.RefreshView();
}

bool ViewNavigator::ZoomKey(ZoomCommand command) {
    if (!Zoomable())
        return false;
    Zoom(command);
    return true;
}

bool ViewNavigator::WheelStep(int delta, int& notches) {
    // A change of direction starts a new notch.
    if ((delta > 0 && m_wheelRest < 0) || (delta < 0 && m_wheelRest > 0))
        m_wheelRest = 0;
    m_wheelRest += delta;
    notches = m_wheelRest / kWheelNotch;
    m_wheelRest -= notches * kWheelNotch;
    return notches != 0;
}

bool ViewNavigator::Wheel(Point p, const WheelKeys& keys, int delta) {
    if (delta == 0)
        return false;
    GlyphViewState& state = m_host.ViewState();
    const bool onBand = OnDialBand(p, m_host.ViewRect(), state.RoundR);
    // Alt and the wheel zoom about the pointer, where no binding of the view had the wheel.
    if (!onBand && !keys.ctrl && keys.alt && Zoomable() && m_host.ViewRect().Contains(p)) {
        int notches = 0;
        if (WheelStep(delta, notches))
            ZoomSteps(notches, p);
        return true;
    }
    if (!onBand && !IsCtrlAlone(keys))
        return false;
    int notches = 0;
    if (!WheelStep(delta, notches))
        return true;
    const int direction = notches > 0 ? 1 : -1;
    for (int n = std::abs(notches); n > 0; --n) {
        if (onBand) {
            state.request.FontDeg =
                StepAngle(state.request.FontDeg, WheelAngleStep(keys, direction));
        } else {
            state.request.FontSize = WheelSize(state.request.FontSize, direction);
        }
    }
    if (onBand) {
        // The wheel's angle is not stored.
        m_host.ShowAngle(state.request.FontDeg);
    } else {
        m_host.WriteSetting(last::FontSize, state.request.FontSize);
        m_host.ShowSize(state.request.FontSize);
    }
    m_host.RefreshView();
    return true;
}

void PaintDragFeedback(Surface& surface, Point origin, const DragFeedback& feedback,
                       std::shared_ptr<const Font> labelFont) {
    const Point at{feedback.at.x - origin.x, feedback.at.y - origin.y};
    const Pen oldPen = surface.SelectPen(Pen{});
    const Brush oldBrush = surface.SelectBrush(Brush{});
    switch (feedback.kind) {
    case DragFeedback::Kind::None:
        break;
    case DragFeedback::Kind::MeasurePoint:
        surface.Ellipse({at.x - 3, at.y - 3, at.x + 3, at.y + 3});
        break;
    case DragFeedback::Kind::Origin:
        surface.Ellipse({at.x - 10, at.y - 10, at.x + 10, at.y + 10});
        break;
    case DragFeedback::Kind::Ring: {
        const int r = feedback.radius;
        for (int k = 1; k <= r - 2; ++k) {
            const double theta = k * 6.283185307179586 / r;
            const int grey = std::min(k + 90, 255);
            surface.SelectPen(Pen{PenStyle::Solid, 5, Rgb(grey, grey, grey)});
            surface.PenDot({at.x + static_cast<int>(r * std::cos(theta)),
                            at.y + static_cast<int>(r * std::sin(theta))});
        }
        if (labelFont) {
            auto oldFont = surface.SelectFont(std::move(labelFont));
            const COLORREF oldColour = surface.SetTextColour(Rgb(64, 64, 64));
            const Point box{at.x + r - 20, at.y + 8};
            surface.DrawTextInRect({box.x - 20, box.y - 20, box.x + 20, box.y + 20},
                                   std::to_string(r), kAlignCentre | kAlignVCentre);
            surface.SetTextColour(oldColour);
            surface.SelectFont(std::move(oldFont));
        }
        break;
    }
    }
    surface.SelectPen(oldPen);
    surface.SelectBrush(oldBrush);
}

} // namespace lumina

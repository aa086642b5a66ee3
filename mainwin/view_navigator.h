#pragma once

#include "glyph/glyph_view.h"
#include "mainwin/navigation.h"
#include "widgets/images.h"

#include <optional>

namespace lumina {

// What the view's mouse work needs of the main window.
class NavigationHost {
public:
    virtual ~NavigationHost() = default;
    virtual Rect ViewRect() const = 0;
    virtual GlyphViewState& ViewState() = 0;
    virtual void SetViewCursor(ViewCursor cursor) = 0;
    // A plain repaint of the view: only an overlay changed.
    virtual void RepaintView() = 0;
    // The refresh pass (and its repaint): the angle, the size or the origin changed.
    virtual void RefreshView() = 0;
    virtual void ShowAngle(int degrees) = 0;
    virtual void ShowSize(int points) = 0;
    virtual void WriteSetting(const IntSetting& row, int value) = 0;
    // The zoom at which the current mode's glyph fills the view.
    virtual int FitZoom() const = 0;
};

// The zoom commands of the outline and bitmap views.
enum class ZoomCommand { In, Out, Actual, Fit };

// The feedback of a drag under way, drawn over the view by its paint (window coordinates).
struct DragFeedback {
    enum class Kind { None, MeasurePoint, Origin, Ring };
    Kind kind = Kind::None;
    Point at;       // the circle's centre
    int radius = 0; // the ring's radius
};

// Measuring, the origin drag, the radius drag, the angle drag and the wheel in the view.
// Positions are window client coordinates.
class ViewNavigator {
public:
    explicit ViewNavigator(NavigationHost& host);

    void MouseMove(Point p);
    void LeftDown(Point p);
    void LeftUp(Point p);
    // False when the wheel is not the view's (the window's default handling follows).
    bool Wheel(Point p, const WheelKeys& keys, int delta);

    // Zoom and pan of the outline and bitmap views. A command zooms about the view's centre,
    // or about anchor (window coordinates) keeping the picture under it in place; x1 and fit
    // also bring the picture back to the middle.
    void Zoom(ZoomCommand command, std::optional<Point> anchor = std::nullopt);
    // The view's keys: + and - zoom, 1 is x1, 0 fits; false for other keys, and in the drawing.
    bool ZoomKey(ZoomCommand command);
    // Space held turns a left drag into a pan, as a middle drag is.
    void SetSpaceHeld(bool held) { m_spaceHeld = held; }
    void MiddleDown(Point p);
    void MiddleUp(Point p);

    const DragFeedback& Feedback() const { return m_feedback; }
    bool Dragging() const;

private:
    enum class Drag { None, MeasurePoint, Origin, Radius, Angle, Pan };

    HotSpot HitAt(Point p);
    void Hover(Point p);
    void DragMove(Point p);
    void MeasuringClick(Point p);
    void EndDrag(Point p);
    bool WheelStep(int delta, int& notches);
    bool Zoomable() const;
    // Zooms in (steps > 0) or out by steps about anchor, or the view's centre.
    void ZoomSteps(int steps, std::optional<Point> anchor);
    void ApplyZoom(int zoom, Point pan);
    void StartPan(Point p);
    void EndPan();

    NavigationHost& m_host;
    Drag m_drag = Drag::None;
    int m_draggedPoint = -1; // 0: P1, 1: P2
    Point m_dragStart;
    int m_angleAtStart = 0;
    DragFeedback m_feedback;
    int m_wheelRest = 0;
    bool m_spaceHeld = false;
    Point m_panAtStart;
};

// Draws the feedback onto the paint surface whose top-left is the window point origin. The
// label font is "MS UI Gothic" of 8 points (nullptr draws no number).
void PaintDragFeedback(Surface& surface, Point origin, const DragFeedback& feedback,
                       std::shared_ptr<const Font> labelFont);

} // namespace lumina

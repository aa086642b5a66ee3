#include "mainwin/tavrin_dlg.h"

#include "glyph/last_settings.h"
#include "mainwin/char_codes_dlg.h"
#include "mainwin/view_widget.h"
#include "mainwin/widgets.h"
#include "platform/display.h"
#include "services/common.h"
#include "services/messages.h"
#include "services/services.h"
#include "services/settings_store.h"
#include "widgets/images.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QWindow>

namespace lumina {
namespace {

Owner OwnerOf(const QWidget* window) {
    return window;
}

} // namespace

CTavrinDlg::CTavrinDlg(const Services& services, PrinterSettings& printer, QWidget* parent)
    : QDialog(parent)
    , m_services(services)
    , m_printer(printer)
    , m_glyphView(services, *this)
    , m_commands(services, m_state.request, *this, OwnerOf(this))
    , m_navigator(*this) {
    setWindowTitle(QStringLiteral("ルミナ・グラフ（文字情報分析ソフト）"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    // The version item of the window menu: X11 and Wayland offer no window menu a program can
    // add to, so the About button is the way to the version history here.
    setWindowIcon(AppIcon());

    BuildControls();
    LoadState();
    if (!MakeViewSurfaces())
        return;
    KeepOriginInView(m_viewRect.Width(), m_viewRect.Height());
    LoadFontList();
    ShowSwitches();
    ShowModeLamps();
    for (ViewCursor kind : {ViewCursor::Arrow, ViewCursor::NoEntry, ViewCursor::Move,
                            ViewCursor::WestEast, ViewCursor::Rotate, ViewCursor::Pointer})
        m_cursors[static_cast<size_t>(kind)] = MakeViewCursor(kind);
    SetViewCursor(ViewCursor::Arrow);
    m_feedbackFont = m_services.fonts.CreateFont(MakeLogicalFont(
        FontSpec{std::string(kDefaultFaceName), 8, false, false, 0}, m_services.displayDpiY));
    LoadBitCharacters();
    m_minimumSize = size();
    setMinimumSize(m_minimumSize);
    m_placement.Restore(*this, m_services.settings, last::Placement, m_minimumSize);
    ConnectControls();
    m_opened = true;
    // The restored size may already differ from the opening size; the resize rule applies.
    if (!ApplyClientSize(width(), height()))
        Refresh();
}

CTavrinDlg::~CTavrinDlg() {
    if (m_opened)
        SavePlacement();
}

int CTavrinDlg::exec() {
    if (!m_opened)
        return QDialog::Rejected;
    return QDialog::exec();
}

Owner CTavrinDlg::OwnerWindow() const {
    return OwnerOf(this);
}

void CTavrinDlg::LoadState() {
    m_state = LoadGlyphViewState(m_services.settings, {m_viewRect.Width(), m_viewRect.Height()});
    const GlyphRequest& request = m_state.request;
    m_charField->setText(QString::fromStdString(request.Char));
    m_commands.ShowCodeFields();
    m_sizeSpin->SetValue(request.FontSize);
    m_angleSpin->SetValue(request.FontDeg);
}

bool CTavrinDlg::MakeViewSurfaces() {
    m_ratio = SurfaceRatioFor(m_view->devicePixelRatioF());
    if (!m_glyphView.MakeSurfaces(m_viewRect.Width(), m_viewRect.Height(), m_ratio))
        return false;
    m_paintSurface = Surface::CreateScaled(m_viewRect.Width(), m_viewRect.Height(), m_ratio,
                                           &m_services.fonts, m_services.displayFormat,
                                           m_services.displayDpiX, m_services.displayDpiY);
    return m_paintSurface.has_value();
}

void CTavrinDlg::FollowScreenRatio() {
    if (!m_opened || SurfaceRatioFor(m_view->devicePixelRatioF()) == m_ratio)
        return;
    if (!MakeViewSurfaces())
        return;
    Refresh();
    m_view->update();
}

const GlyphView& CTavrinDlg::PrintView() {
    if (m_glyphView.Ratio() == 1)
        return m_glyphView;
    m_printView = std::make_unique<GlyphView>(m_services, m_printObserver);
    GlyphViewState state = m_state;
    if (m_printView->MakeSurfaces(m_viewRect.Width(), m_viewRect.Height()))
        static_cast<void>(m_printView->RefreshGlyphView(state));
    return *m_printView;
}

void CTavrinDlg::KeepOriginInView(int w, int h) {
    if (m_state.OrgX > w) {
        m_state.OrgX = ClampOrigin(m_state.OrgX, w);
        last::OrgX.Write(m_services.settings, m_state.OrgX);
    }
    if (m_state.OrgY > h) {
        m_state.OrgY = ClampOrigin(m_state.OrgY, h);
        last::OrgY.Write(m_services.settings, m_state.OrgY);
    }
}

void CTavrinDlg::LoadFontList() {
    const int pointSize = font().pointSize() > 0 ? font().pointSize() + 1 : 10;
    FillFontList(*m_fontList, m_services.fonts.Families(), pointSize);
    std::string& face = m_state.request.FontName;
    int index = m_fontList->findText(QString::fromStdString(face), Qt::MatchFixedString);
    if (index < 0 && face == kDefaultFaceName) {
        // The default face exists on no Linux desktop: show what it resolves to, so that a
        // first start does not begin with an empty font list.
        const auto resolved = m_services.fonts.Resolve(LogicalFont{face, -12, 400, false, 0});
        if (resolved)
            index = m_fontList->findText(QString::fromStdString(resolved->family),
                                         Qt::MatchFixedString);
    }
    m_fontList->setCurrentIndex(index);
    face = index < 0 ? std::string() : m_fontList->itemText(index).toStdString();
}

void CTavrinDlg::ShowSwitches() {
    m_bold->setChecked(m_state.request.FontBold != 0);
    m_italic->setChecked(m_state.request.FontItalic != 0);
    const auto& switches = ViewOptions::Switches();
    for (size_t i = 0; i < switches.size(); ++i)
        m_switches[i]->setChecked(m_state.options.*switches[i].member);
    ShowStudySwitches();
    // A radius the dial's limits brought in is stored as it is now drawn.
    if (last::RoundR.StoredOutOfRange(m_services.settings))
        last::RoundR.Write(m_services.settings, m_state.RoundR);
}

void CTavrinDlg::LoadBitCharacters() {
    m_bit1Field->setText(QString::fromStdString(last::Bit1Char.Read(m_services.settings)));
    m_bit0Field->setText(QString::fromStdString(last::Bit0Char.Read(m_services.settings)));
}

void CTavrinDlg::SavePlacement() {
    if (m_placementSaved)
        return;
    m_placementSaved = true;
    m_placement.Save(*this, m_services.settings, last::Placement);
}

void CTavrinDlg::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    m_placement.Track(*this);
}

void CTavrinDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_placement.Track(*this);
    if (!m_screenWatched && windowHandle()) {
        m_screenWatched = true;
        connect(windowHandle(), &QWindow::screenChanged, this, [this] { FollowScreenRatio(); });
    }
    FollowScreenRatio();
}

void CTavrinDlg::done(int result) {
    SavePlacement();
    QDialog::done(result);
}

void CTavrinDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    m_placement.Track(*this);
    if (!m_opened)
        return;
    ApplyClientSize(width(), height());
}

bool CTavrinDlg::ApplyClientSize(int cx, int cy) {
    // The view keeps a 5-pixel margin to the right and bottom edges.
    const int w = cx - m_viewRect.left - 5;
    const int h = cy - m_viewRect.top - 5;
    if (!ViewSizeChanged(m_viewRect.Width(), m_viewRect.Height(), w, h) || w <= 0 || h <= 0)
        return false;
    m_view->resize(w, h);
    if (!m_glyphView.MakeSurfaces(w, h, m_ratio))
        return false;
    m_viewRect.right = m_viewRect.left + w;
    m_viewRect.bottom = m_viewRect.top + h;
    m_paintSurface =
        Surface::CreateScaled(w, h, m_ratio, &m_services.fonts, m_services.displayFormat,
                              m_services.displayDpiX, m_services.displayDpiY);
    const int radius = ClampRadiusToView(m_state.RoundR, w, h);
    if (radius != m_state.RoundR) {
        m_state.RoundR = radius;
        last::RoundR.Write(m_services.settings, radius);
    }
    KeepOriginInView(w, h);
    Refresh();
    update();
    return true;
}

void CTavrinDlg::keyPressEvent(QKeyEvent* event) {
    // Enter does nothing here (no default button); Esc closes the window as usual.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CTavrinDlg::wheelEvent(QWheelEvent* event) {
    const QPoint p = event->position().toPoint();
    const Qt::KeyboardModifiers mods = event->modifiers();
    const Qt::MouseButtons buttons = event->buttons();
    WheelKeys keys;
    keys.ctrl = mods.testFlag(Qt::ControlModifier);
    keys.shift = mods.testFlag(Qt::ShiftModifier);
    keys.alt = mods.testFlag(Qt::AltModifier);
    keys.leftButton = buttons.testFlag(Qt::LeftButton);
    keys.rightButton = buttons.testFlag(Qt::RightButton);
    keys.otherButton = (buttons & ~(Qt::LeftButton | Qt::RightButton)) != Qt::NoButton;
    // Some platforms turn a wheel held with Alt into a sideways one.
    const QPoint angle = event->angleDelta();
    const int delta = angle.y() != 0 || !keys.alt ? angle.y() : angle.x();
    if (m_navigator.Wheel({p.x(), p.y()}, keys, delta)) {
        event->accept();
        return;
    }
    QDialog::wheelEvent(event);
}

void CTavrinDlg::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    // The view's etched frame, in the margin around it.
    QPainter painter(this);
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.rect = QRect(m_viewRect.left - 2, m_viewRect.top - 2, m_viewRect.Width() + 4,
                       m_viewRect.Height() + 4);
    frame.frameShape = QFrame::StyledPanel;
    frame.state |= QStyle::State_Sunken;
    frame.lineWidth = 1;
    style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);
}

void CTavrinDlg::PaintView(QPainter& painter) {
    if (!m_paintSurface || m_glyphView.SurfaceOf(m_state.mode) == nullptr) {
        painter.fillRect(m_view->rect(), Qt::white);
        return;
    }
    // The paint surface covers the view only: the state's window points move with it.
    GlyphViewState local = m_state;
    const auto toView = [&](Point p) {
        return IsPresent(p) ? Point{p.x - m_viewRect.left, p.y - m_viewRect.top} : p;
    };
    local.measure1 = toView(m_state.measure1);
    local.measure2 = toView(m_state.measure2);
    const Rect surfaceRect{0, 0, m_viewRect.Width(), m_viewRect.Height()};
    m_glyphView.Paint(*m_paintSurface, surfaceRect, local);
    PaintDragFeedback(*m_paintSurface, {m_viewRect.left, m_viewRect.top}, m_navigator.Feedback(),
                      m_feedbackFont);
    painter.drawImage(0, 0, m_paintSurface->Image());
}

void CTavrinDlg::SetViewCursor(ViewCursor cursor) {
    if (m_cursor == cursor && m_view->testAttribute(Qt::WA_SetCursor))
        return;
    m_cursor = cursor;
    m_view->setCursor(m_cursors[static_cast<size_t>(cursor)]);
}

void CTavrinDlg::RepaintView() {
    m_view->update();
}

void CTavrinDlg::RefreshView() {
    Refresh();
}

void CTavrinDlg::ShowAngle(int degrees) {
    m_angleSpin->SetValue(degrees);
}

void CTavrinDlg::ShowSize(int points) {
    m_sizeSpin->SetValue(points);
}

void CTavrinDlg::WriteSetting(const IntSetting& row, int value) {
    row.Write(m_services.settings, value);
}

void CTavrinDlg::Refresh() {
    m_refreshed = true;
    const RefreshOutcome outcome = m_glyphView.RefreshGlyphView(m_state);
    ShowGlyphPresence(outcome.missingGlyph);
    if (m_codePanel)
        m_codePanel->ShowCharacter(m_state.request.Shown());
    ShowProblems(m_services, OwnerWindow(), outcome.problems);
    if (outcome.ok)
        m_view->update();
}

} // namespace lumina

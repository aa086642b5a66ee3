#include "program/help_dlg.h"

#include "services/messages.h"
#include "services/services.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPdfDocument>
#include <QPdfPageNavigator>
#include <QPdfView>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace lumina {
namespace {

constexpr double kMinZoom = 0.1;
constexpr double kMaxZoom = 10.0;
constexpr double kZoomStep = 1.25;

QToolButton* MakeButton(QWidget* parent, const char* text, const char* tip) {
    auto* button = new QToolButton(parent);
    button->setText(QString::fromUtf8(text));
    button->setToolTip(QString::fromUtf8(tip));
    button->setAutoRaise(true);
    return button;
}

} // namespace

std::string ManualPathBeside(const std::string& executablePath, const std::string& name) {
    // UTF-8 never puts a '/' byte inside a multi-byte character, so the last one is the folder's
    // end whatever the folder names are.
    const auto slash = executablePath.rfind('/');
    if (slash == std::string::npos)
        return {};
    return executablePath.substr(0, slash + 1) + name + ".pdf";
}

std::string ManualPathInstalled(const std::string& executablePath, const std::string& name) {
    const auto slash = executablePath.rfind('/');
    if (slash == std::string::npos)
        return {};
    return executablePath.substr(0, slash + 1) + "../share/lumina-graph/" + name + ".pdf";
}

CHelpDlg::CHelpDlg(const Services& services, std::string executablePath, QWidget* parent)
    : QDialog(parent)
    , m_services(services)
    , m_executablePath(std::move(executablePath)) {
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    setSizeGripEnabled(true);
    resize(634, 366);

    m_document = new QPdfDocument(this);
    m_view = new QPdfView(this);
    m_view->setPageMode(QPdfView::PageMode::MultiPage);
    m_view->setZoomMode(QPdfView::ZoomMode::FitToWidth);
    m_view->setDocument(m_document);
    // Ctrl+wheel zooms; the viewport receives the wheel before the scroll area scrolls.
    m_view->viewport()->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(MakeToolBar());
    layout->addWidget(m_view, 1);

    connect(m_view->pageNavigator(), &QPdfPageNavigator::currentPageChanged, this, [this](int) {
        const QSignalBlocker block(m_page);
        m_page->setValue(CurrentPage());
    });
    connect(m_view, &QPdfView::zoomFactorChanged, this, [this] { ShowZoom(); });
    connect(m_view, &QPdfView::zoomModeChanged, this, [this] { ShowZoom(); });
    connect(m_document, &QPdfDocument::pageCountChanged, this, [this] { ShowPageCount(); });
}

CHelpDlg::~CHelpDlg() {
    // The document and the view go after this window's own parts, and the document reports its
    // closing on the way: nothing of theirs may reach this window any more.
    disconnect(m_document, nullptr, this, nullptr);
    disconnect(m_view, nullptr, this, nullptr);
    disconnect(m_view->pageNavigator(), nullptr, this, nullptr);
    m_view->setDocument(nullptr);
}

QWidget* CHelpDlg::MakeToolBar() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 2, 4, 2);

    auto* previous = MakeButton(bar, "◀ 前のページ", "前のページへ移動します");
    auto* next = MakeButton(bar, "次のページ ▶", "次のページへ移動します");
    m_page = new QSpinBox(bar);
    m_page->setRange(1, 1);
    m_page->setToolTip(QString::fromUtf8("表示するページ番号です"));
    m_pageCount = new QLabel(bar);
    auto* zoomOut = MakeButton(bar, "縮小", "縮小します（Ctrl＋ホイールでも拡大・縮小できます）");
    auto* zoomIn = MakeButton(bar, "拡大", "拡大します（Ctrl＋ホイールでも拡大・縮小できます）");
    auto* fitWidth = MakeButton(bar, "幅に合わせる", "ページの幅をウィンドウに合わせます");
    auto* fitPage = MakeButton(bar, "ページ全体", "ページ全体をウィンドウに合わせます");
    m_zoom = new QLabel(bar);

    row->addWidget(previous);
    row->addWidget(m_page);
    row->addWidget(m_pageCount);
    row->addWidget(next);
    row->addSpacing(16);
    row->addWidget(zoomOut);
    row->addWidget(zoomIn);
    row->addWidget(fitWidth);
    row->addWidget(fitPage);
    row->addWidget(m_zoom);
    row->addStretch(1);

    connect(previous, &QToolButton::clicked, this, [this] { GoToPage(CurrentPage() - 1); });
    connect(next, &QToolButton::clicked, this, [this] { GoToPage(CurrentPage() + 1); });
    connect(m_page, &QSpinBox::valueChanged, this, [this](int page) { GoToPage(page); });
    connect(zoomOut, &QToolButton::clicked, this, [this] { ZoomBy(1.0 / kZoomStep); });
    connect(zoomIn, &QToolButton::clicked, this, [this] { ZoomBy(kZoomStep); });
    connect(fitWidth, &QToolButton::clicked, this,
            [this] { m_view->setZoomMode(QPdfView::ZoomMode::FitToWidth); });
    connect(fitPage, &QToolButton::clicked, this,
            [this] { m_view->setZoomMode(QPdfView::ZoomMode::FitInView); });
    // The keyboard's zoom keys (Ctrl++ and Ctrl+-) do what the buttons do.
    connect(new QShortcut(QKeySequence::ZoomIn, this), &QShortcut::activated, this,
            [this] { ZoomBy(kZoomStep); });
    connect(new QShortcut(QKeySequence::ZoomOut, this), &QShortcut::activated, this,
            [this] { ZoomBy(1.0 / kZoomStep); });
    ShowPageCount();
    ShowZoom();
    return bar;
}

bool CHelpDlg::Initialise() {
    m_manualPath = ManualPathBeside(m_executablePath, m_manualName);
    if (m_manualPath.empty())
        return false;
    const auto isFile = [](const std::string& p) {
        return QFileInfo(QString::fromStdString(p)).isFile();
    };
    const std::string installed = ManualPathInstalled(m_executablePath, m_manualName);
    if (!isFile(m_manualPath) && isFile(installed))
        m_manualPath = installed;
    const QString path = QString::fromStdString(m_manualPath);
    if (!QFileInfo(path).isFile()) {
        ShowMessageById(m_services, this, "", kMsgNoManual, kInfoOk);
        return false;
    }
    // A file the engine cannot read leaves the document empty; the viewer shows it as it is.
    m_document->load(path);
    setWindowTitle(QString::fromStdString(m_manualName));
    setWindowState(windowState() | Qt::WindowMaximized);
    return true;
}

int CHelpDlg::exec() {
    if (!Initialise()) {
        reject();
        return QDialog::Rejected;
    }
    return QDialog::exec();
}

void CHelpDlg::ZoomBy(double factor) {
    const double current = ShownZoom();
    m_view->setZoomMode(QPdfView::ZoomMode::Custom);
    m_view->setZoomFactor(std::clamp(current * factor, kMinZoom, kMaxZoom));
}

double CHelpDlg::ShownZoom() const {
    const auto mode = m_view->zoomMode();
    if (mode == QPdfView::ZoomMode::Custom || m_document->pageCount() < 1)
        return m_view->zoomFactor();
    // The view fits the page as it is at screen resolution into the viewport less its margins.
    const QSizeF page =
        m_document->pagePointSize(CurrentPage() - 1) * (m_view->logicalDpiX() / 72.0);
    if (page.width() <= 0 || page.height() <= 0)
        return m_view->zoomFactor();
    const QMargins margins = m_view->documentMargins();
    const QSize room = m_view->viewport()->size().shrunkBy(margins);
    const double width = room.width() / page.width();
    if (mode == QPdfView::ZoomMode::FitToWidth)
        return width;
    return std::min(width, room.height() / page.height());
}

void CHelpDlg::GoToPage(int page) {
    const int count = m_document->pageCount();
    if (count < 1)
        return;
    const int target = std::clamp(page, 1, count);
    if (target != CurrentPage())
        m_view->pageNavigator()->jump(target - 1, QPointF(),
                                      m_view->pageNavigator()->currentZoom());
    const QSignalBlocker block(m_page);
    m_page->setValue(target);
}

int CHelpDlg::CurrentPage() const {
    return m_view->pageNavigator()->currentPage() + 1;
}

bool CHelpDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_view->viewport() && event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() == Qt::ControlModifier) {
            const int delta = wheel->angleDelta().y();
            if (delta != 0)
                ZoomBy(std::pow(kZoomStep, delta / 120.0));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CHelpDlg::ShowPageCount() {
    const int count = std::max(m_document->pageCount(), 1);
    const QSignalBlocker block(m_page);
    m_page->setRange(1, count);
    m_pageCount->setText(QString::fromUtf8("/ %1 ページ").arg(m_document->pageCount()));
}

void CHelpDlg::ShowZoom() {
    switch (m_view->zoomMode()) {
    case QPdfView::ZoomMode::FitToWidth:
        m_zoom->setText(QString::fromUtf8("（幅に合わせて表示）"));
        return;
    case QPdfView::ZoomMode::FitInView:
        m_zoom->setText(QString::fromUtf8("（ページ全体を表示）"));
        return;
    case QPdfView::ZoomMode::Custom:
        break;
    }
    m_zoom->setText(QStringLiteral("%1%").arg(std::lround(m_view->zoomFactor() * 100)));
}

void OpenManualViewer(const Services& services, QWidget* owner, const std::string& manualName,
                      const std::string& executablePath) {
    CHelpDlg viewer(services, executablePath, owner);
    viewer.SetManualName(manualName);
    viewer.exec();
}

void OpenManualViewer(const Services& services, QWidget* owner, const std::string& manualName) {
    OpenManualViewer(services, owner, manualName,
                     QCoreApplication::applicationFilePath().toStdString());
}

} // namespace lumina

#include "artwin/zoviv_dlg.h"

#include "artwin/art_button.h"
#include "artwin/art_export.h"
#include "artwin/art_images.h"
#include "artwin/balloon_tips.h"
#include "artwin/grid_choosers.h"
#include "artwin/settings_grid_widget.h"
#include "platform/display.h"
#include "services/messages.h"
#include "services/services.h"
#include "services/settings_store.h"
#include "widgets/wait_cursor.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>

#include <algorithm>
#include <optional>

namespace lumina {
namespace {

// The window's template in dialog units.
constexpr int kTemplateW = 366;
constexpr int kTemplateH = 269;
struct DuRect {
    int x, y, w, h;
};
constexpr DuRect kProgressDu{1, 8, 57, 6};
constexpr DuRect kElapsedDu{59, 6, 29, 8};
constexpr DuRect kUpdateDu{89, 2, 45, 14};
constexpr std::array<DuRect, 5> kZoomDu{
    {{137, 2, 14, 14}, {151, 2, 14, 14}, {165, 2, 14, 14}, {179, 2, 14, 14}, {193, 2, 14, 14}}};
constexpr DuRect kImageExportDu{208, 2, 57, 14};
constexpr DuRect kTextExportDu{265, 2, 57, 14};
constexpr DuRect kCloseDu{322, 2, 41, 14};
constexpr DuRect kPictureDu{2, 17, 132, 122};
constexpr DuRect kAutoUpdateDu{2, 141, 132, 10};
constexpr DuRect kGridDu{2, 152, 132, 116};
constexpr DuRect kArtDu{135, 17, 229, 251};
constexpr std::array<int, 5> kZoomModes{0, 1, 2, 4, 8};
constexpr std::array<ArtImage, 5> kZoomImages{ArtImage::Fit, ArtImage::Zoom1, ArtImage::Zoom2,
                                              ArtImage::Zoom4, ArtImage::Zoom8};
constexpr std::array<const char*, 5> kZoomTips{
    "【FIT】\n　文字絵をセットエリアに合せて全体を表示します",
    "【１倍】\n　文字絵を等倍で表示します",
    "【２倍】\n　文字絵を２倍で表示します",
    "【４倍】\n　文字絵を４倍で表示します",
    "【８倍】\n　文字絵を８倍で表示します",
};
constexpr int kEdge = 5; // between the grid, the art area and the window's edges
// How long the live preview waits after the last change: longer than the gap between typed
// keys or clicked arrows, short enough to feel immediate.
constexpr int kLivePauseMs = 400;

// Dialog units of the window's font, as the platform measures them: a quarter of the average
// Latin letter width across, an eighth of the character height down.
struct DialogUnits {
    int baseX = 6;
    int baseY = 13;
    int X(int du) const { return (du * baseX + 2) / 4; }
    int Y(int du) const { return (du * baseY + 4) / 8; }
    QRect Of(const DuRect& r) const { return QRect(X(r.x), Y(r.y), X(r.w), Y(r.h)); }
};

DialogUnits UnitsOf(const QFont& font) {
    const QFontMetrics metrics(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    DialogUnits units;
    units.baseX = std::max((metrics.horizontalAdvance(letters) / 26 + 1) / 2, 4);
    units.baseY = std::max(metrics.height(), 8);
    // Full-width captions are wider than the Latin average: the units grow until every caption
    // fits beside its picture, so the template keeps its proportions.
    struct Caption {
        const char* text;
        int du;
    };
    for (const Caption c :
         {Caption{"更新(R)", kUpdateDu.w}, Caption{"イメージ出力(J)", kImageExportDu.w},
          Caption{"テキスト出力(T)", kTextExportDu.w}, Caption{"閉じる(C)", kCloseDu.w}}) {
        const int needed = metrics.horizontalAdvance(QString::fromUtf8(c.text)) + 16 + 3 + 14;
        units.baseX = std::max(units.baseX, (needed * 4 + c.du - 1) / c.du);
    }
    return units;
}

Rect ToRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

} // namespace

CZovivDlg::CZovivDlg(const Services& services, const std::string& path, const std::string& type,
                     QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint)
    , m_services(services)
    , m_engine(std::make_unique<ArtEngine>(services, &services.settings))
    , m_defaultChoosers(std::make_unique<DialogChoosers>())
    , m_live(std::make_unique<LivePreview>(std::make_unique<QtPauseTimer>(kLivePauseMs),
                                           [this](RunCause cause) { Generate(cause); })) {
    setWindowTitle(QString::fromUtf8("文字絵"));
    // The application's icon, as the main window shows it.
    if (parent)
        setWindowIcon(parent->windowIcon());
    setSizeGripEnabled(true);
    setMouseTracking(true);
    BuildControls();
    AddTips();
    m_opened = Open(path, type);
}

CZovivDlg::~CZovivDlg() {
    if (m_opened && !m_saved)
        SavePlacement();
}

void CZovivDlg::BuildControls() {
    const DialogUnits du = UnitsOf(font());
    resize(du.X(kTemplateW), du.Y(kTemplateH));

    m_progress = new QProgressBar(this);
    m_progress->setObjectName("progress");
    m_progress->setTextVisible(false);
    m_progress->setRange(0, 1);
    m_progress->setValue(0);
    m_progress->setGeometry(du.Of(kProgressDu));

    m_elapsed = new QLabel(QStringLiteral("(00:00)"), this);
    m_elapsed->setObjectName("elapsed");
    m_elapsed->setAlignment(Qt::AlignCenter);
    m_elapsed->setGeometry(du.Of(kElapsedDu));

    m_update =
        new ArtButton(QString::fromUtf8("更新(&R)"), ArtImageIcon(ArtImage::Refresh), true, this);
    m_update->setObjectName("update");
    m_update->setGeometry(du.Of(kUpdateDu));
    connect(m_update, &QPushButton::clicked, this, [this] { RunGeneration(); });

    for (size_t i = 0; i < m_zoomButtons.size(); ++i) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("zoom%1").arg(kZoomModes[i]));
        button->setIcon(ArtImageIcon(kZoomImages[i]));
        button->setIconSize(QSize(16, 16));
        button->setGeometry(du.Of(kZoomDu[i]));
        const int mode = kZoomModes[i];
        connect(button, &QToolButton::clicked, this, [this, mode] { SetZoom(mode); });
        m_zoomButtons[i] = button;
    }

    m_imageExport = new ArtButton(QString::fromUtf8("イメージ出力(&J)"),
                                  ArtImageIcon(ArtImage::FileOut), false, this);
    m_imageExport->setObjectName("imageExport");
    m_imageExport->setGeometry(du.Of(kImageExportDu));
    m_imageExport->setEnabled(false);
    connect(m_imageExport, &QPushButton::clicked, this, [this] { OnExportImage(); });

    m_textExport = new ArtButton(QString::fromUtf8("テキスト出力(&T)"),
                                 ArtImageIcon(ArtImage::FileOut), false, this);
    m_textExport->setObjectName("textExport");
    m_textExport->setGeometry(du.Of(kTextExportDu));
    m_textExport->setEnabled(false);
    connect(m_textExport, &QPushButton::clicked, this, [this] { OnExportText(); });

    m_close =
        new ArtButton(QString::fromUtf8("閉じる(&C)"), ArtImageIcon(ArtImage::End), false, this);
    m_close->setObjectName("close");
    m_close->setGeometry(du.Of(kCloseDu));
    connect(m_close, &QPushButton::clicked, this, [this] { reject(); });

    m_autoUpdate = new QCheckBox(QString::fromUtf8("自動更新(&A)"), this);
    m_autoUpdate->setObjectName("autoUpdate");
    m_autoUpdate->setGeometry(du.Of(kAutoUpdateDu));
    connect(m_autoUpdate, &QCheckBox::toggled, this, [this](bool on) { OnAutoUpdateToggled(on); });

    m_pictureArea = ToRect(du.Of(kPictureDu));
    m_artRect = ToRect(du.Of(kArtDu));
    m_gridRect = ToRect(du.Of(kGridDu));

    m_grid = new SettingsGrid(this);
    m_grid->setObjectName("settingsGrid");
    m_grid->SetChoosers(m_defaultChoosers.get());
    m_grid->setGeometry(du.Of(kGridDu));
    m_grid->SetOnGroupCaptionClick([this](size_t group) { OnGroupCaptionClick(group); });
    m_grid->SetOnChange([this] { m_live->Changed(); });
}

void CZovivDlg::AddTips() {
    m_tips = new BalloonTips(this);
    m_tips->SetMaxWidth(512);
    m_tips->Add(m_update,
                QString::fromUtf8("左上の原本イメージを元に、左下の設定に従って文字絵を\n作成し、"
                                  "右側に表示します"));
    for (size_t i = 0; i < m_zoomButtons.size(); ++i)
        m_tips->Add(m_zoomButtons[i], QString::fromUtf8(kZoomTips[i]));
    m_tips->Add(m_imageExport,
                QString::fromUtf8("現在表示している文字絵をイメージファイルに出力します\n※ "
                                  "保存可能な形式：JPEG, GIF, BMP, PNG, TIFF"));
    m_tips->Add(m_textExport,
                QString::fromUtf8("現在表示している文字絵をテキストファイルに出力します"));
    m_tips->Add(m_close, QString::fromUtf8("このウィンドウを閉じて、メインウィンドウへ戻ります"));
    m_tips->Add(m_autoUpdate,
                QString::fromUtf8("チェックすると、左下の設定を変えるたびに、少し待ってから\n"
                                  "自動で文字絵を作り直します"));
}

bool CZovivDlg::Open(const std::string& path, const std::string& type) {
    m_picture.path = path;
    m_picture.type = type;
    Problems problems;
    bool loaded = false;
    {
        const WaitCursor wait;
        loaded = LoadSourcePicture(m_services, m_picture, problems);
    }
    ShowProblems(m_services, this, problems);
    if (!loaded)
        return false;
    m_sourceRect = FitPictureRect(m_pictureArea, m_picture.width, m_picture.height);
    // The picture is stretched once, in the screen's device pixels: painting only copies it.
    const QImage& source = m_picture.sourceSurface->Image();
    if (!m_sourceRect.IsEmpty()) {
        const int ratio = SurfaceRatioFor(devicePixelRatioF());
        m_pictureShown = source
                             .scaled(m_sourceRect.Width() * ratio, m_sourceRect.Height() * ratio,
                                     Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                             .convertToFormat(QImage::Format_RGB32);
        m_pictureShown.setDevicePixelRatio(ratio);
    }

    m_engine->LoadSettings();
    m_engine->SetPicture(&m_picture);
    {
        const QSignalBlocker quiet(m_autoUpdate);
        m_autoUpdate->setChecked(zoviv::AutoUpdate.Read(m_services.settings));
    }
    m_live->SetOn(m_autoUpdate->isChecked());
    if (!m_engine->BuildGrid())
        return false;
    m_engine->RestoreGroupStates();
    m_grid->Show(&m_engine->Grid());

    m_minTrackSize = size();
    setMinimumSize(m_minTrackSize);
    m_placement.Restore(*this, m_services.settings, zoviv::Placement, m_minTrackSize);
    Relayout();
    SetZoom(m_engine->Zoom());
    return true;
}

int CZovivDlg::exec() {
    if (!m_opened)
        return QDialog::Rejected;
    return QDialog::exec();
}

void CZovivDlg::SetChoosers(GridChoosers* choosers) {
    m_grid->SetChoosers(choosers ? choosers : m_defaultChoosers.get());
}

QToolButton* CZovivDlg::ZoomButton(int zoom) const {
    for (size_t i = 0; i < kZoomModes.size(); ++i) {
        if (kZoomModes[i] == zoom)
            return m_zoomButtons[i];
    }
    return nullptr;
}

Rect CZovivDlg::GridRect() const {
    return ToRect(m_grid->geometry());
}

void CZovivDlg::SavePlacement() {
    m_saved = true;
    m_engine->SaveGroupStates();
    SettingsStore& store = m_services.settings;
    m_placement.Save(*this, store, zoviv::Placement);
    zoviv::Zoom.Write(store, m_zoom);
}

void CZovivDlg::Relayout() {
    const int gridHeight = std::max(height() - m_gridRect.top - kEdge, 0);
    m_grid->setGeometry(m_gridRect.left, m_gridRect.top, m_gridRect.Width(), gridHeight);
    m_artRect.right = std::max(width() - kEdge, m_artRect.left);
    m_artRect.bottom = std::max(height() - kEdge, m_artRect.top);
}

void CZovivDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Relayout();
    m_placement.Track(*this);
    update();
}

void CZovivDlg::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    m_placement.Track(*this);
}

void CZovivDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_placement.Track(*this);
    if (m_opened && !m_firstRunDone && !event->spontaneous()) {
        m_firstRunDone = true;
        // The window paints once before the first run, so it is seen while it works.
        QMetaObject::invokeMethod(
            this, [this] { RunGeneration(); }, Qt::QueuedConnection);
    }
}

void CZovivDlg::done(int result) {
    m_live->Stop();
    if (m_opened && !m_saved)
        SavePlacement();
    QDialog::done(result);
}

void CZovivDlg::RunGeneration() {
    m_live->Request(RunCause::Button);
}

const Surface* CZovivDlg::ShownArt() const {
    if (!m_showCompleted)
        return m_engine->ArtSurface();
    const CompletedArt* completed = m_engine->LastCompleted();
    return completed ? completed->art.get() : nullptr;
}

void CZovivDlg::OnAutoUpdateToggled(bool on) {
    zoviv::AutoUpdate.Write(m_services.settings, on);
    m_live->SetOn(on);
}

void CZovivDlg::Generate(RunCause cause) {
    // A run after a pause keeps the edit the user may still be typing, and its cursor.
    std::optional<WaitCursor> wait;
    if (cause == RunCause::Button) {
        wait.emplace();
        m_grid->CommitEditing();
    }
    const bool live = m_live->On();
    m_panX = 0;
    m_panY = 0;
    ArtRunHooks hooks;
    hooks.progress = [this, live](int position, int upper) {
        m_progress->setRange(0, std::clamp(upper, 1, 0xFFFF));
        m_progress->setValue(std::clamp(position, 0, 0xFFFF));
        m_progress->repaint();
        // Live, the window takes input while the art is drawn; an edit gives the run up.
        if (live)
            QCoreApplication::processEvents();
    };
    hooks.firstLayout = [this] {
        m_imageExport->setEnabled(true);
        m_textExport->setEnabled(true);
    };
    hooks.stop = [this] { return m_live->StopRequested(); };
    m_showCompleted = live;
    const Status status = m_engine->Run(hooks);
    if (m_live->StopRequested()) {
        ++m_stoppedRuns;
        m_progress->setValue(0);
        update();
        return;
    }
    m_showCompleted = false;
    m_lastRun = status;
    ++m_runs;
    if (!m_lastRun) {
        ShowProblem(m_services, this, m_lastRun.problem());
        return;
    }
    m_elapsed->setText(QString::fromStdString(m_engine->ElapsedLabel()));
    const ArtLayout& layout = m_engine->Layout();
    if (layout.drawW > 0 && layout.drawH > 0) {
        m_scaleX = static_cast<float>(m_sourceRect.Width()) / static_cast<float>(layout.drawW);
        m_scaleY = static_cast<float>(m_sourceRect.Height()) / static_cast<float>(layout.drawH);
    }
    // After a pause the grid keeps its open editor; only the figures that changed are redrawn.
    if (cause == RunCause::Pause)
        m_grid->Refresh();
    else
        m_grid->Show(&m_engine->Grid());
    repaint();
}

void CZovivDlg::SetZoom(int zoom) {
    m_zoom = zoom;
    for (size_t i = 0; i < kZoomModes.size(); ++i)
        m_zoomButtons[i]->setEnabled(kZoomModes[i] != zoom);
    m_panX = 0;
    m_panY = 0;
    update(ViewRegion());
}

void CZovivDlg::OnGroupCaptionClick(size_t group) {
    m_grid->CommitEditing();
    if (!m_engine->ToggleAllClasses(group))
        return;
    m_grid->Refresh();
    m_live->Changed();
}

void CZovivDlg::OnExportImage() {
    ExportArtImage(m_services, static_cast<const QWidget*>(this), m_picture.path,
                   m_engine->LastCompleted());
}

void CZovivDlg::OnExportText() {
    ExportArtText(m_services, static_cast<const QWidget*>(this), m_picture.path,
                  m_engine->LastCompleted());
}

} // namespace lumina

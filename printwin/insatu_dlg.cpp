#include "printwin/insatu_dlg.h"

#include "platform/surface.h"
#include "print/field_rules.h"
#include "print/paper.h"
#include "print/preview.h"
#include "print/print_job.h"
#include "print/print_settings.h"
#include "printwin/preview_frame.h"
#include "printwin/printer.h"
#include "printwin/spin_buttons.h"
#include "services/messages.h"
#include "services/services.h"
#include "services/settings_store.h"
#include "widgets/images.h"
#include "widgets/wait_cursor.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QShowEvent>
#include <QSignalBlocker>

#include <algorithm>

namespace lumina {

namespace {

constexpr const char* kNotPositive = "正の整数を入力してください。";

bool RunPageSetup(QPrinter& printer, QWidget* owner) {
    QPageSetupDialog dialog(&printer, owner);
    return dialog.exec() == QDialog::Accepted;
}

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

// Sets a field's text only when it differs, so that no edit is reported for nothing.
void SetFieldText(QLineEdit& field, const QString& text) {
    if (field.text() != text)
        field.setText(text);
}

} // namespace

CInsatuDlg::CInsatuDlg(const Services& services, PrinterSettings& printer, const GlyphView& view,
                       DisplayMode displayMode, QWidget* owner)
    : CInsatuDlg(services, printer, PicturesOf(view), displayMode, owner) {}

CInsatuDlg::CInsatuDlg(const Services& services, PrinterSettings& printer, const ViewPictures& view,
                       DisplayMode displayMode, QWidget* owner, PrintSetup setup)
    : QDialog(owner)
    , m_services(services)
    , m_printer(printer)
    , m_view(view)
    , m_setup(setup ? std::move(setup) : PrintSetup(RunPageSetup))
    , m_kind(displayMode) {
    BuildControls();
    Open();
    m_opening = false;
}

CInsatuDlg::~CInsatuDlg() = default;

int& CInsatuDlg::MarginAt(int index) {
    switch (index) {
    case 0:
        return m_margins.top;
    case 1:
        return m_margins.bottom;
    case 2:
        return m_margins.left;
    default:
        return m_margins.right;
    }
}

int CInsatuDlg::OffsetAt(int index) const {
    return index < 2 ? m_offsetMm.y : m_offsetMm.x;
}

void CInsatuDlg::SetSpinsForMargins() {
    for (int i = 0; i < 4; ++i) {
        SpinButtons& spin = *m_marginSpins[static_cast<std::size_t>(i)];
        spin.SetRange(OffsetAt(i), kMaxMarginMm);
        spin.SetPosition(MarginAt(i));
    }
}

void CInsatuDlg::ShowPaperName() {
    m_paperName->setText(Utf8(PaperName(m_printer.paperSize)));
    m_printerName->setText(Utf8(m_printer.deviceName));
}

bool CInsatuDlg::ReadPrinter(const char* where) {
    if (m_geometryKnown)
        return true;
    const OpenedPages opened = OpenPages(m_printer);
    if (!opened) {
        ShowProblem(m_services, this, PrinterProblem(opened.failure, where));
        return false;
    }
    m_geometry = opened.pages->Geometry();
    m_geometryKnown = true;
    return true;
}

void CInsatuDlg::ReadStoredState() {
    const StoredPrintChoices stored = LoadPrintChoices(m_services.settings);
    // Stored margins outside what this printer allows are brought within it.
    m_margins = stored.margins;
    for (int i = 0; i < 4; ++i)
        MarginAt(i) = std::clamp(MarginAt(i), OffsetAt(i), kMaxMarginMm);
    SetSpinsForMargins();

    m_page = 1;
    m_pageSpin->SetRange(1, 1);
    m_pageSpin->SetPosition(1);

    m_allOne = stored.allOne ? 1 : 0;
    m_range = stored.range;
    (m_range == RangeKind::Current  ? m_rangeCurrent
     : m_range == RangeKind::FromTo ? m_rangeFromTo
                                    : m_rangeAll)
        ->setChecked(true);
    m_allOneBox->setChecked(m_range == RangeKind::FromTo && m_allOne == 1);
    m_allOneBox->setEnabled(m_range == RangeKind::FromTo);
    if (m_range != RangeKind::FromTo)
        m_allOne = 0;

    m_showMargins = stored.showMargins;
    m_showMarginsBox->setChecked(m_showMargins);
    m_previewDpiX = logicalDpiX();
    m_previewDpiY = logicalDpiY();
    LightKind(m_kind);
}

void CInsatuDlg::Open() {
    const int width = m_panel->width() + 400;
    const int height = std::max(m_panel->height(), 480);
    resize(width, height);
    setMinimumSize(width, height);
    PlacePreviewFrame();

    const bool printerOpened = ReadPrinter("OnInitDialog");
    m_paperNumber = m_printer.paperSize;
    m_orientation = m_printer.orientation;
    (m_orientation == 1 ? m_portrait : m_landscape)->setChecked(true);
    ShowPaperName();
    if (printerOpened)
        m_offsetMm = PhysicalOffsetMm(m_geometry);
    // Without a printer the stored state still gives the dialog safe starting values; the
    // preview waits for a later layout that reaches the printer.
    ReadStoredState();
    if (printerOpened) {
        RunLayout(LayoutKind::Full);
        m_from = 1;
        m_to = m_grid.Total();
        m_fromField->setText("1");
        m_toField->setText(QString::number(m_to));
    } else {
        PaintPreviewCanvas();
        m_preview->update();
    }
}

void CInsatuDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_placed) {
        m_placement.Track(*this);
        return;
    }
    // Shown, the window usually knows its frame, so the stored outer size can be given back.
    m_placed = true;
    m_placement.Restore(*this, m_services.settings, insatu::Placement, minimumSize());
}

void CInsatuDlg::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    m_placement.Track(*this);
}

void CInsatuDlg::PlacePreviewFrame() {
    const int left = m_panel->width();
    const int top = 8;
    m_preview->setGeometry(left, top, std::max(width() - 2 - left, 0),
                           std::max(height() - 2 - top, 0));
}

void CInsatuDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    m_placement.Track(*this);
    PlacePreviewFrame();
    if (m_opening)
        return;
    if (m_geometryKnown)
        RunLayout(LayoutKind::Full);
    else
        PaintPreviewCanvas();
    m_preview->update();
}

void CInsatuDlg::RunLayout(LayoutKind kind) {
    if (!ReadPrinter("SetPaperSize"))
        return;
    const PaperMm paper = PaperSizeMm(m_geometry);
    m_paperSize->setText(QString::asprintf("%.1f X %.1f", static_cast<double>(paper.width),
                                           static_cast<double>(paper.height)) +
                         QString::fromUtf8("ﾐﾘ"));

    const Surface* picture = m_view.Of(m_kind);
    LayoutInput input;
    input.printer = m_geometry;
    const QRect frame = m_preview->geometry();
    input.frame = {frame.left(), frame.top(), frame.left() + frame.width(),
                   frame.top() + frame.height()};
    input.viewPx = m_view.size;
    input.screenDpiX = picture ? picture->DpiX() : m_services.displayDpiX;
    input.screenDpiY = picture ? picture->DpiY() : m_services.displayDpiY;
    input.margins = m_margins;
    input.onePage = m_allOneBox->isChecked();
    m_layout = ComputePageLayout(input);
    m_hasLayout = true;

    const PageGrid grid = m_layout.grid;
    m_pagesLabel->setText(
        QString::fromUtf8("(ﾖｺ %1 × ﾀﾃ %2 ﾍﾟｰｼﾞ)").arg(grid.columns).arg(grid.rows));
    m_totalLabel->setText(QString::fromUtf8("/ %1 ﾍﾟｰｼﾞ").arg(grid.Total()));
    if (grid != m_grid) {
        m_grid = grid;
        m_page = std::min(m_page, grid.Total());
        m_pageSpin->SetRange(1, grid.Total());
        m_pageSpin->SetPosition(m_page);
    }
    SetFieldText(*m_toField, QString::number(grid.Total()));
    PaintPreviewCanvas();
    if (kind == LayoutKind::Full) {
        m_preview->update();
        return;
    }
    // Only the sheet and its shadow change with margins, page and display kind.
    const QPoint origin = m_preview->pos();
    const Rect& sheet = m_layout.paperRect;
    m_preview->update(sheet.left - origin.x(), sheet.top - origin.y(), sheet.Width() + 6,
                      sheet.Height() + 6);
}

void CInsatuDlg::PaintPreviewCanvas() {
    Surface* canvas = m_preview->Canvas(m_services.displayFormat, m_previewDpiX, m_previewDpiY);
    if (!canvas)
        return;
    if (!m_hasLayout) {
        canvas->FillRect(canvas->Bounds(), Rgb(255, 255, 255));
    } else {
        PreviewContent content;
        content.picture = m_view.Of(m_kind);
        content.viewPx = m_view.size;
        content.page = m_page;
        content.onePage = m_allOneBox->isChecked();
        content.showMargins = m_showMargins;
        const QPoint origin = m_preview->pos();
        PaintPreview(*canvas, {origin.x(), origin.y()}, m_layout, content);
    }
}

void CInsatuDlg::LightKind(DisplayMode kind) {
    for (int i = 0; i < 3; ++i) {
        QPushButton& button = *m_kindButtons[static_cast<std::size_t>(i)];
        const bool lit = static_cast<DisplayMode>(i + 1) == kind;
        button.setIcon(LampIcon(lit));
        button.setChecked(lit);
    }
}

void CInsatuDlg::OnSetup() {
    OpenedPrinter opened = OpenPrinter(m_printer);
    if (!opened) {
        ShowProblem(m_services, this, PrinterProblem(opened.failure, "OnSetup"));
        return;
    }
    if (!m_setup(*opened.printer, this))
        return;
    ReadBackSettings(*opened.printer, m_printer);
    ShowPaperName();
    if (m_printer.paperSize == m_paperNumber && m_printer.orientation == m_orientation)
        return;
    (m_printer.orientation == 1 ? m_portrait : m_landscape)->setChecked(true);
    m_paperNumber = m_printer.paperSize;
    m_orientation = m_printer.orientation;
    insatu::PaperSize.Write(m_services.settings, m_paperNumber);
    m_geometryKnown = false;
    RunLayout(LayoutKind::Full);
}

void CInsatuDlg::OnOrientation(int orientation) {
    if (orientation != m_orientation) {
        m_printer.orientation = orientation;
        m_orientation = orientation;
        m_geometryKnown = false;
        RunLayout(LayoutKind::Full);
    }
    insatu::Orientation.Write(m_services.settings, orientation);
}

void CInsatuDlg::OnRange(RangeKind kind) {
    m_range = kind;
    insatu::Hani.Write(m_services.settings, static_cast<int>(kind));
    if (kind == RangeKind::FromTo) {
        m_allOneBox->setEnabled(true);
        return;
    }
    m_allOne = 0;
    insatu::AllOne.Write(m_services.settings, 0);
    m_allOneBox->setChecked(false);
    m_allOneBox->setEnabled(false);
    RunLayout(LayoutKind::Full);
}

void CInsatuDlg::OnAllOne() {
    m_allOne = m_allOneBox->isChecked() ? 1 : 0;
    insatu::AllOne.Write(m_services.settings, m_allOne);
    RunLayout(LayoutKind::Full);
}

void CInsatuDlg::OnDisplayKind(DisplayMode kind) {
    if (kind == m_kind) {
        LightKind(m_kind); // a press of the lit button leaves it lit
        return;
    }
    LightKind(kind);
    m_kind = kind;
    RunLayout(LayoutKind::Paper);
}

void CInsatuDlg::OnShowMargins() {
    m_showMargins = !m_showMargins;
    m_showMarginsBox->setChecked(m_showMargins);
    PaintPreviewCanvas();
    m_preview->update();
}

void CInsatuDlg::OnMarginEdited(int index) {
    if (!isVisible())
        return;
    QLineEdit& field = *m_marginFields[static_cast<std::size_t>(index)];
    const BoundedEdit edit =
        CheckBoundedField(field.text().toStdString(), OffsetAt(index), kMaxMarginMm);
    if (edit.correctTo) {
        SetFieldText(field, QString::number(*edit.correctTo));
        return;
    }
    if (!edit.taken || *edit.taken == MarginAt(index))
        return;
    MarginAt(index) = *edit.taken;
    RunLayout(LayoutKind::Paper);
}

void CInsatuDlg::OnPageEdited() {
    if (!isVisible())
        return;
    const BoundedEdit edit =
        CheckBoundedField(m_pageField->text().toStdString(), 1, std::max(m_grid.Total(), 1));
    if (edit.correctTo) {
        SetFieldText(*m_pageField, QString::number(*edit.correctTo));
        return;
    }
    if (!edit.taken || *edit.taken == m_page)
        return;
    m_page = *edit.taken;
    RunLayout(LayoutKind::Paper);
}

void CInsatuDlg::OnRangeEdited(RangeField field) {
    if (m_opening)
        return;
    const RangeEdit edit =
        CheckRangeFields(m_fromField->text().toStdString(), m_toField->text().toStdString(), m_from,
                         m_to, m_grid.Total(), field);
    if (edit.notANumber)
        m_services.prompter.Message({this, kNotPositive, m_services.appName, kWarningOk});
    m_from = edit.from;
    m_to = edit.to;
    if (edit.fixed)
        SetFieldText(field == RangeField::From ? *m_fromField : *m_toField, Utf8(*edit.fixed));
}

bool CInsatuDlg::ReadRangeFields() {
    bool ok = true;
    for (auto [field, value] : {std::pair{m_fromField, &m_from}, std::pair{m_toField, &m_to}}) {
        if (const auto number = ReadUnsigned(field->text().toStdString()))
            *value = *number;
        else
            ok = false;
    }
    if (!ok)
        m_services.prompter.Message({this, kNotPositive, m_services.appName, kWarningOk});
    return ok;
}

std::string CInsatuDlg::PdfPathForJob() {
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.owner = this;
    request.title = "PDFファイルに印刷";
    request.filter = "PDFファイル(*.pdf)|*.pdf||";
    request.defaultExtension = "pdf";
    request.defaultName = m_services.appName + ".pdf";
    return m_services.prompter.FileName(request).value_or("");
}

void CInsatuDlg::OnPrint() {
    ReadRangeFields();
    std::string pdfPath;
    if (m_printer.pdfFile) {
        // The PDF-file printer needs a file; without one the user stays in the dialog.
        pdfPath = PdfPathForJob();
        if (pdfPath.empty())
            return;
    }
    Margins margins;
    margins.top = m_marginSpins[0]->Position();
    margins.bottom = m_marginSpins[1]->Position();
    margins.left = m_marginSpins[2]->Position();
    margins.right = m_marginSpins[3]->Position();
    SaveMargins(m_services.settings, margins);

    if (const Surface* picture = m_view.Of(m_kind)) {
        PrintRequest request;
        request.margins = margins;
        request.grid = m_grid;
        request.oneSourceSize = m_layout.oneSourceSize;
        request.onePage = m_allOneBox->isChecked();
        request.range = m_range;
        request.currentPage = m_page;
        request.from = m_from;
        request.to = m_to;
        const Status printed = Print(*picture, request, pdfPath);
        if (!printed)
            ShowProblem(m_services, this, printed.problem());
    }
    accept();
}

Status CInsatuDlg::Print(const Surface& picture, const PrintRequest& request,
                         const std::string& pdfPath) {
    const WaitCursor wait;
    const OpenedPages opened = OpenPages(m_printer, pdfPath);
    if (!opened)
        return PrinterProblem(opened.failure, "PrintOut");
    const Result<PrintOutcome> printed = PrintOut(m_services.appName, *opened.pages, picture,
                                                  m_view.size, request, [this](int page) {
                                                      m_page = page;
                                                      const QSignalBlocker quiet(m_pageField);
                                                      m_pageField->setText(QString::number(page));
                                                  });
    if (!printed)
        return printed.problem();
    return {};
}

void CInsatuDlg::done(int result) {
    insatu::DspYohaku.Write(m_services.settings, m_showMargins ? 1 : 0);
    m_placement.Save(*this, m_services.settings, insatu::Placement);
    QDialog::done(result);
}

} // namespace lumina

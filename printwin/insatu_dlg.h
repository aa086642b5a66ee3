#pragma once

#include "print/field_rules.h"
#include "print/margin_drag.h"
#include "print/page_layout.h"
#include "print/print_job.h"
#include "print/print_plan.h"
#include "print/view_pictures.h"
#include "services/printer_settings.h"
#include "widgets/window_placement.h"

#include <QDialog>

#include <array>
#include <functional>
#include <string>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;

namespace lumina {

struct Services;
class GlyphView;
class PreviewFrame;
class SpinButtons;

// The print dialog "印刷": printer, paper and orientation, margins, range, a preview of one page
// of the tiling with draggable margin lines, and the print job.
class CInsatuDlg : public QDialog {
public:
    // Runs the printer-setup dialog on the printer; true when the user accepted it.
    using PrintSetup = std::function<bool(QPrinter& printer, QWidget* owner)>;

    CInsatuDlg(const Services& services, PrinterSettings& printer, const GlyphView& view,
               DisplayMode displayMode, QWidget* owner);
    CInsatuDlg(const Services& services, PrinterSettings& printer, const ViewPictures& view,
               DisplayMode displayMode, QWidget* owner, PrintSetup setup = {});
    ~CInsatuDlg() override;

    // What the dialog shows and will print, for its owner and for tests.
    const PageLayout& Layout() const { return m_layout; }
    bool HasLayout() const { return m_hasLayout; }
    const Margins& CurrentMargins() const { return m_margins; }
    int CurrentPage() const { return m_page; }
    int TotalPages() const { return m_grid.Total(); }
    DisplayMode DisplayKind() const { return m_kind; }
    int RangeFrom() const { return m_from; }
    int RangeTo() const { return m_to; }

    // The handlers of the controls.
    void OnSetup();
    void OnOrientation(int orientation);
    void OnRange(RangeKind kind);
    void OnAllOne();
    void OnDisplayKind(DisplayMode kind);
    void OnShowMargins();
    void OnPrint();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void done(int result) override;

private:
    enum class LayoutKind { Full, Paper };

    void BuildControls();
    QWidget* BuildPrinterGroup();
    QWidget* BuildRangeGroup();
    QWidget* BuildMarginGroup();
    QWidget* BuildPreviewGroup();
    void Open();
    void ReadStoredState();
    bool ReadPrinter(const char* where);
    void RunLayout(LayoutKind kind);
    void PaintPreviewCanvas();
    void PlacePreviewFrame();
    void ShowPaperName();
    int& MarginAt(int index);
    int OffsetAt(int index) const;
    void SetSpinsForMargins();
    void LightKind(DisplayMode kind);

    void OnMarginEdited(int index);
    void OnPageEdited();
    void OnRangeEdited(RangeField field);
    bool ReadRangeFields();
    std::string PdfPathForJob();
    // The job on the printer (or into pdfPath), under the wait cursor.
    Status Print(const Surface& picture, const PrintRequest& request, const std::string& pdfPath);

    Point ClientPoint(const QMouseEvent* event) const;
    void SetDragging(MarginSide side, Point pointer);
    DragLimits LimitsOf(MarginSide side) const;

    const Services& m_services;
    PrinterSettings& m_printer;
    ViewPictures m_view;
    PrintSetup m_setup;

    // Controls, owned by the dialog through Qt's parent chain.
    QPushButton* m_printButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QPushButton* m_setupButton = nullptr;
    QLabel* m_printerName = nullptr;
    QRadioButton* m_portrait = nullptr;
    QRadioButton* m_landscape = nullptr;
    QLabel* m_paperName = nullptr;
    QLabel* m_paperSize = nullptr;
    QRadioButton* m_rangeAll = nullptr;
    QRadioButton* m_rangeCurrent = nullptr;
    QRadioButton* m_rangeFromTo = nullptr;
    QLineEdit* m_fromField = nullptr;
    QLineEdit* m_toField = nullptr;
    QCheckBox* m_allOneBox = nullptr;
    std::array<QLineEdit*, 4> m_marginFields{}; // top, bottom, left, right
    std::array<SpinButtons*, 4> m_marginSpins{};
    QCheckBox* m_showMarginsBox = nullptr;
    QLabel* m_pagesLabel = nullptr;
    QLineEdit* m_pageField = nullptr;
    SpinButtons* m_pageSpin = nullptr;
    QLabel* m_totalLabel = nullptr;
    std::array<QPushButton*, 3> m_kindButtons{};
    QWidget* m_panel = nullptr;
    PreviewFrame* m_preview = nullptr;

    // Dialog state.
    Margins m_margins;
    Point m_offsetMm;
    DisplayMode m_kind = DisplayMode::Outline;
    RangeKind m_range = RangeKind::All;
    int m_allOne = 0;
    bool m_showMargins = false;
    int m_page = 1;
    int m_from = 1;
    int m_to = 1;
    int m_paperNumber = 9;
    int m_orientation = 1;
    PageGrid m_grid{0, 0};
    PrinterGeometry m_geometry;
    bool m_geometryKnown = false; // read again after opening, setup and orientation changes
    PageLayout m_layout;
    bool m_hasLayout = false;
    bool m_opening = true;
    bool m_placed = false; // the stored placement is applied when the window first shows
    WindowPlacement m_placement;
    MarginSide m_drag = MarginSide::None;
    bool m_captured = false;
    int m_previewDpiX = 96;
    int m_previewDpiY = 96;
};

} // namespace lumina

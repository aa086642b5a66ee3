#pragma once

#include "glyph/glyph_view.h"
#include "glyph/view_observer.h"
#include "mainwin/char_commands.h"
#include "mainwin/view_navigator.h"
#include "widgets/window_placement.h"

#include <QDialog>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;

namespace lumina {

struct Services;
struct PrinterSettings;
class SpinField;
class DropButton;
class CCharCodesDlg;
class GlyphViewWidget;

// The main window: the control panel along the left and top, the glyph view filling the rest.
// It owns the request, the switches, the drawing origin and the dial radius, loads them from
// section "Last" when it opens and writes each one the moment it changes.
class CTavrinDlg : public QDialog,
                   private CodeControls,
                   private GlyphViewObserver,
                   private NavigationHost {
public:
    using ArtHook = std::function<void(const std::string& path, const std::string& type)>;
    using PrintHook = std::function<void()>;
    using ManualHook = std::function<void(const std::string& manualName)>;
    using FileHook = std::function<void()>;

    CTavrinDlg(const Services& services, PrinterSettings& printer, QWidget* parent = nullptr);
    ~CTavrinDlg() override;

    // Runs the window; the cancel result at once when its surfaces could not be had.
    int exec() override;
    bool Opened() const { return m_opened; }

    // The windows of other subsystems, plugged in by the application.
    void SetCharacterArtHook(ArtHook hook) { m_artHook = std::move(hook); }
    void SetPrintHook(PrintHook hook) { m_printHook = std::move(hook); }
    void SetManualHook(ManualHook hook) { m_manualHook = std::move(hook); }

    // What the print dialog and the tests read.
    const GlyphViewState& State() const { return m_state; }
    const GlyphView& View() const { return m_glyphView; }
    // The view's pictures for printing: at the program's pixels whatever the screen's density,
    // made again from the current state when the view draws finer.
    const GlyphView& PrintView();
    Rect ViewRect() const override { return m_viewRect; }
    PrinterSettings& Printer() { return m_printer; }
    const DragFeedback& Feedback() const { return m_navigator.Feedback(); }
    QSize MinimumWindowSize() const { return m_minimumSize; }

    // The character-art window for a picture path (the button's dialog and the drop end here).
    void OpenArtWindow(const std::string& path);
    // The code panel "文字コード", opened beside the window and kept to its character; nullptr
    // until it was first opened.
    void OpenCodePanel();
    CCharCodesDlg* CodePanel() const { return m_codePanel; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void done(int result) override;

private:
    // Opening, in its order.
    void BuildControls();
    void BuildPanel();
    void BuildMetricGroups(int top);
    void BuildTopBar();
    void RegisterTips();
    void LoadState();
    bool MakeViewSurfaces();
    // The surfaces follow the device pixel ratio of the screen the window is on.
    void FollowScreenRatio();
    // An origin beyond the w x h view is brought back inside it and written.
    void KeepOriginInView(int w, int h);
    void LoadFontList();
    void ShowSwitches();
    void LoadBitCharacters();
    void ConnectControls();
    void SavePlacement();
    // The resize rule for a client area of cx x cy; true when the view changed (and was
    // refreshed).
    bool ApplyClientSize(int cx, int cy);

    // Control handlers.
    void OnApplyCharacter();
    void OnFontSelected();
    void OnSizeStep(int step);
    void OnAngleStep(int step);
    void OnZeroAngle();
    void OnSwitch(const ViewOptions::Switch& row, bool on);
    void OnFlag(int GlyphRequest::*member, const BoolSetting& row, bool on);
    void OnMode(DisplayMode mode);
    void ShowModeLamps();
    void OnCentre();
    void OnCharacterArt();
    void OnAbout();
    void OnWriteOutlineFile();
    void OnWriteBitPicture();
    // The counts tooltip, saying so when the face has no glyph for the character.
    void ShowGlyphPresence(bool missing);
    void ShowCountsTip();

    // The view's menu of study switches and zoom (tavrin_study.cpp).
    void BuildStudyMenu();
    void ShowStudySwitches();
    void OnStudySwitch(bool StudyOptions::*member, const BoolSetting& row, bool on);
    void OnHinting(Hinting hinting);
    // Its typesetting items: the second face, the frames, vertical text.
    void BuildFaceItems(QMenu* menu);
    void OnFaceSwitch(bool FaceViews::*member, const BoolSetting& row, bool on);
    void OnCompare(bool on);
    void ChooseCompareFace();

    void PaintView(QPainter& painter);
    Owner OwnerWindow() const;

    // CodeControls
    std::string CharacterText() const override;
    void SetCharacterText(const std::string& utf8) override;
    std::string CodeText() const override;
    void SetCodeText(const std::string& text) override;
    void SetCodeDisplay(const std::string& text) override;
    std::string SelectedFace() const override;
    std::string SizeText() const override;
    std::string AngleText() const override;
    void FocusCharacterField() override;
    void FocusFontList() override;
    void Refresh() override;

    // GlyphViewObserver
    void ShowTextMetrics(const TextMetrics& metrics) override;
    void ShowGlyphMetrics(const GlyphMetrics* metrics) override;
    void ShowCounts(const std::string& text) override;
    void ShowInkRatio(const std::string& text) override;
    void ShowCountsNote(bool fontPoints, int numbersLeftOut) override;
    void ShowCompareValues(const CompareValues* values) override;

    // NavigationHost
    GlyphViewState& ViewState() override { return m_state; }
    void SetViewCursor(ViewCursor cursor) override;
    void RepaintView() override;
    void RefreshView() override;
    void ShowAngle(int degrees) override;
    void ShowSize(int points) override;
    void WriteSetting(const IntSetting& row, int value) override;
    int FitZoom() const override;

    const Services& m_services;
    PrinterSettings& m_printer;
    GlyphViewState m_state;
    GlyphView m_glyphView;
    GlyphRequestCommands m_commands;
    ViewNavigator m_navigator;
    Rect m_viewRect;
    QSize m_minimumSize;
    WindowPlacement m_placement;
    std::optional<Surface> m_paintSurface;
    int m_ratio = 1;
    bool m_screenWatched = false;
    RecordingGlyphObserver m_printObserver;
    std::unique_ptr<GlyphView> m_printView;
    std::shared_ptr<const Font> m_feedbackFont;
    bool m_opened = false;
    bool m_placementSaved = false;
    bool m_refreshed = false;
    ViewCursor m_cursor = ViewCursor::Arrow;
    std::array<QCursor, 6> m_cursors;

    ArtHook m_artHook;
    PrintHook m_printHook;
    ManualHook m_manualHook;

    // Left panel.
    QLineEdit* m_charField = nullptr;
    QToolButton* m_applyChar = nullptr;
    QLineEdit* m_codeField = nullptr;
    QLabel* m_codeDisplay = nullptr;
    QToolButton* m_applyCode = nullptr;
    QToolButton* m_codePanelButton = nullptr;
    QToolButton* m_prevCode = nullptr;
    QToolButton* m_nextCode = nullptr;
    QComboBox* m_fontList = nullptr;
    SpinField* m_sizeSpin = nullptr;
    SpinField* m_angleSpin = nullptr;
    QPushButton* m_zeroAngle = nullptr;
    QCheckBox* m_bold = nullptr;
    QCheckBox* m_italic = nullptr;
    QLabel* m_counts = nullptr;
    QLabel* m_inkRatio = nullptr;
    QPushButton* m_outlineFile = nullptr;
    // The thirteen switches, in the order of ViewOptions::Switches().
    std::array<QCheckBox*, 13> m_switches{};
    // gmBlackBoxX, gmBlackBoxY, gmptGlyphOrigin.x, gmptGlyphOrigin.y, gmCellIncX, gmCellIncY.
    std::array<QLabel*, 6> m_glyphValues{};
    // tmHeight, tmAscent, tmDescent, tmInternalLeading, tmExternalLeading, tmAveCharWidth,
    // tmMaxCharWidth, tmWeight.
    std::array<QLabel*, 8> m_textValues{};

    // Top bar.
    std::array<QPushButton*, 3> m_modeButtons{};
    QToolButton* m_centre = nullptr;
    QLineEdit* m_bit1Field = nullptr;
    QLineEdit* m_bit0Field = nullptr;
    QToolButton* m_bitPicture = nullptr;
    DropButton* m_characterArt = nullptr;
    QToolButton* m_print = nullptr;
    QToolButton* m_about = nullptr;
    QToolButton* m_manual = nullptr;
    QToolButton* m_exit = nullptr;

    GlyphViewWidget* m_view = nullptr;
    // The view's menu button and its switches.
    QToolButton* m_studyButton = nullptr;
    QAction* m_curves = nullptr;
    QAction* m_fontPoints = nullptr;
    QAction* m_spreadNumbers = nullptr;
    std::array<QAction*, 3> m_hinting{}; // in the order of Hinting
    QAction* m_compare = nullptr;
    QAction* m_frames = nullptr;
    QAction* m_vertical = nullptr;
    CCharCodesDlg* m_codePanel = nullptr;
    // What the counts field's tooltip says beside its meaning.
    struct CountsNote {
        bool fontPoints = false;
        int numbersLeftOut = 0;
        bool missing = false;
    } m_countsNote;
};

} // namespace lumina

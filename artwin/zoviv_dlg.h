#pragma once

#include "art/engine.h"
#include "artwin/art_view_math.h"
#include "artwin/live_preview.h"
#include "image/source_picture.h"
#include "widgets/window_placement.h"

#include <QDialog>
#include <QImage>

#include <array>
#include <memory>
#include <string>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QToolButton;

namespace lumina {

struct Services;
class BalloonTips;
class GridChoosers;
class SettingsGrid;

// The character-art window: the picture small at the top left, the settings grid under it and
// the art on the right, fitted or magnified; one run when it opens and one per "更新(&R)".
class CZovivDlg : public QDialog {
public:
    CZovivDlg(const Services& services, const std::string& path, const std::string& type,
              QWidget* parent = nullptr);
    ~CZovivDlg() override;

    // Runs the window; the cancel result at once when the picture or the grid could not be had.
    int exec() override;
    bool Opened() const { return m_opened; }

    // The font and colour dialogs of the grid (the platform's unless replaced).
    void SetChoosers(GridChoosers* choosers);

    // One generation run under the wait cursor, as "更新(&R)" does it; a problem that stops it
    // is shown, and kept for LastRun. During a live run it gives that run up and follows it.
    void RunGeneration();
    const Status& LastRun() const { return m_lastRun; }
    void SetZoom(int zoom);

    // What the tests look at.
    ArtEngine& Engine() { return *m_engine; }
    const SourcePicture& Picture() const { return m_picture; }
    SettingsGrid* Grid() const { return m_grid; }
    BalloonTips* Tips() const { return m_tips; }
    QPushButton* UpdateButton() const { return m_update; }
    QToolButton* ZoomButton(int zoom) const;
    QPushButton* ImageExportButton() const { return m_imageExport; }
    QPushButton* TextExportButton() const { return m_textExport; }
    QPushButton* CloseButton() const { return m_close; }
    QProgressBar* Progress() const { return m_progress; }
    QLabel* ElapsedLabel() const { return m_elapsed; }
    QCheckBox* AutoUpdateBox() const { return m_autoUpdate; }
    LivePreview& Live() { return *m_live; }
    // Runs that gave up because the settings changed while they drew.
    int StoppedRuns() const { return m_stoppedRuns; }
    // The art the window shows: while a live run draws, and after one gave up, the last
    // completed art; otherwise what the latest run left.
    const Surface* ShownArt() const;
    // The shown art drawn for a high-density screen (ScreenArt); nullptr at ratio 1, and for
    // art that did not complete, which is shown by its own pixels.
    const QImage* FineArt(const Surface& art);
    Rect PictureArea() const { return m_pictureArea; }
    Rect SourceRect() const { return m_sourceRect; }
    Rect ArtRect() const { return m_artRect; }
    Rect FrameRect() const { return m_frameRect; }
    Rect GridRect() const;
    int Zoom() const { return m_zoom; }
    Point Pan() const { return {m_panX, m_panY}; }
    float ScaleX() const { return m_scaleX; }
    float ScaleY() const { return m_scaleY; }
    int RunCount() const { return m_runs; }
    QSize MinimumWindowSize() const { return m_minTrackSize; }
    // The colour the frame was drawn in last.
    COLORREF FrameColour() const { return m_frameColour; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    // Opening, in its order.
    void BuildControls();
    void AddTips();
    bool Open(const std::string& path, const std::string& type);
    void SavePlacement();
    void Relayout();

    // Painting.
    void PaintPicture(QPainter& painter);
    void PaintFrame(QPainter& painter);
    void PaintArt(QPainter& painter);
    const QImage& FittedArt(const QImage& art, const QSize& size);
    QRect ViewRegion() const;

    void Generate(RunCause cause);
    void OnAutoUpdateToggled(bool on);
    void OnGroupCaptionClick(size_t group);
    void OnExportImage();
    void OnExportText();
    void Pan(Point pan);

    const Services& m_services;
    SourcePicture m_picture;
    std::unique_ptr<ArtEngine> m_engine;
    Status m_lastRun;
    std::unique_ptr<GridChoosers> m_defaultChoosers;

    QProgressBar* m_progress = nullptr;
    QLabel* m_elapsed = nullptr;
    QPushButton* m_update = nullptr;
    std::array<QToolButton*, 5> m_zoomButtons{};
    QPushButton* m_imageExport = nullptr;
    QPushButton* m_textExport = nullptr;
    QPushButton* m_close = nullptr;
    QCheckBox* m_autoUpdate = nullptr;
    SettingsGrid* m_grid = nullptr;
    BalloonTips* m_tips = nullptr;

    bool m_opened = false;
    bool m_saved = false;
    bool m_firstRunDone = false;
    int m_runs = 0;
    int m_stoppedRuns = 0;
    std::unique_ptr<LivePreview> m_live;
    bool m_showCompleted = false;
    Rect m_pictureArea;
    Rect m_sourceRect;
    Rect m_artRect;
    Rect m_gridRect;
    QImage m_pictureShown; // the picture at the size of m_sourceRect
    int m_zoom = 0;
    int m_panX = 0;
    int m_panY = 0;
    float m_scaleX = 0.0f;
    float m_scaleY = 0.0f;
    Rect m_frameRect;
    COLORREF m_frameColour = 0;
    bool m_frameDrag = false;
    Point m_grab;
    bool m_artDrag = false;
    Point m_dragAnchor;
    QSize m_minTrackSize;
    WindowPlacement m_placement;
    QImage m_fittedArt;
    const void* m_fittedSource = nullptr;
    int m_fittedRun = -1;
    QImage m_fineArt;
    std::weak_ptr<const Surface> m_fineArtOf;
    int m_fineArtRatio = 1;
};

} // namespace lumina

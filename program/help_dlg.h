#pragma once

#include <QDialog>

#include <string>

class QLabel;
class QPdfDocument;
class QPdfView;
class QSpinBox;

namespace lumina {

struct Services;

// The manual viewer: the PDF manual beside the executable (a build tree) or in the installed
// data folder, shown in continuous pages, maximised, with page navigation and zoom (buttons or
// Ctrl+wheel).
class CHelpDlg : public QDialog {
public:
    CHelpDlg(const Services& services, std::string executablePath, QWidget* parent = nullptr);
    ~CHelpDlg() override;

    // The caption and base name of the manual file ("Manual"); set before the window opens.
    void SetManualName(std::string name) { m_manualName = std::move(name); }
    const std::string& ManualPath() const { return m_manualPath; }

    // Finds and loads the manual, beside the executable or else in the installed data folder.
    // False when the viewer must close: the executable path has no folder (silently) or the
    // manual is in neither place (after message 30173). A file the PDF engine cannot read still
    // opens the viewer, which then shows no pages.
    bool Initialise();
    // Initialise, then run modally; Rejected at once, never shown, when Initialise fails.
    int exec() override;

    QPdfView* View() const { return m_view; }
    QPdfDocument* Document() const { return m_document; }
    // Multiplies the zoom shown now (also when the page is fitted), kept within 10 %–1000 %.
    void ZoomBy(double factor);
    // The zoom the pages are shown at; in the fit modes the view's own factor is not the one
    // it shows.
    double ShownZoom() const;
    // 1-based; out-of-range pages are clamped.
    void GoToPage(int page);
    // The 1-based page the view is at.
    int CurrentPage() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* MakeToolBar();
    void ShowPageCount();
    void ShowZoom();

    const Services& m_services;
    std::string m_executablePath;
    std::string m_manualName = "Manual";
    std::string m_manualPath;
    QPdfDocument* m_document = nullptr; // owned by this window (Qt parent)
    QPdfView* m_view = nullptr;
    QSpinBox* m_page = nullptr;
    QLabel* m_pageCount = nullptr;
    QLabel* m_zoom = nullptr;
};

// The path of the manual named name beside the executable; empty when executablePath has no
// folder part.
std::string ManualPathBeside(const std::string& executablePath, const std::string& name);
// The path of the manual named name in the data folder of an installed tree,
// ../share/lumina-graph/ from the executable's folder, so that a moved install finds it too;
// empty when executablePath has no folder part.
std::string ManualPathInstalled(const std::string& executablePath, const std::string& name);

// The main window's manual button: the viewer for the manual named manualName (message 30174,
// "Manual") beside executablePath, opened modally and discarded when it closes.
void OpenManualViewer(const Services& services, QWidget* owner, const std::string& manualName,
                      const std::string& executablePath);
// The same beside the running executable.
void OpenManualViewer(const Services& services, QWidget* owner, const std::string& manualName);

} // namespace lumina

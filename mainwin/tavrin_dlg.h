#pragma once

#include <QDialog>

namespace lumina {

struct Services;
struct PrinterSettings;

// The main window.
class CTavrinDlg : public QDialog {
public:
    CTavrinDlg(const Services& services, PrinterSettings& printer, QWidget* parent = nullptr);

private:
    const Services& m_services;
    PrinterSettings& m_printer;
};

} // namespace lumina

#include "mainwin/tavrin_dlg.h"

#include <QLabel>
#include <QVBoxLayout>

namespace lumina {

CTavrinDlg::CTavrinDlg(const Services& services, PrinterSettings& printer, QWidget* parent)
    : QDialog(parent)
    , m_services(services)
    , m_printer(printer) {
    setWindowTitle(QStringLiteral("ルミナ・グラフ（文字情報分析ソフト）"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("ルミナ・グラフ"), this));
    resize(640, 480);
}

} // namespace lumina

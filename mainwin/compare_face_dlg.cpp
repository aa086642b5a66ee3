#include "mainwin/compare_face_dlg.h"

#include "mainwin/widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumina {

CCompareFaceDlg::CCompareFaceDlg(const std::vector<std::string>& families,
                                 const CompareFace& current, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("compareFace"));
    setWindowTitle(QStringLiteral("比較フォント"));
    m_faces = new QComboBox(this);
    m_faces->setObjectName(QStringLiteral("compareFaceList"));
    const int pointSize = font().pointSize() > 0 ? font().pointSize() + 1 : 10;
    FillFontList(*m_faces, families, pointSize);
    m_faces->setCurrentIndex(
        std::max(0, m_faces->findText(QString::fromStdString(current.face), Qt::MatchFixedString)));
    m_faces->setToolTip(QStringLiteral("表示フォントの上に重ねて描くフォントを選びます"));
    m_bold = new QCheckBox(QStringLiteral("太字(&B)"), this);
    m_bold->setChecked(current.bold);
    m_italic = new QCheckBox(QStringLiteral("イタリック(&I)"), this);
    m_italic->setChecked(current.italic);

    auto* styles = new QHBoxLayout;
    styles->addWidget(m_bold);
    styles->addWidget(m_italic);
    styles->addStretch();
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("フォント(&F)："), m_faces);
    form->addRow(QString(), styles);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

CompareFace CCompareFaceDlg::Chosen() const {
    return {m_faces->currentText().toStdString(), m_bold->isChecked(), m_italic->isChecked()};
}

} // namespace lumina

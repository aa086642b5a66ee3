#pragma once

#include "glyph/face_views.h"

#include <QDialog>

#include <string>
#include <vector>

class QCheckBox;
class QComboBox;

namespace lumina {

// "比較フォント": chooses the second face drawn over the first, with its own bold and italic.
class CCompareFaceDlg : public QDialog {
public:
    CCompareFaceDlg(const std::vector<std::string>& families, const CompareFace& current,
                    QWidget* parent);

    CompareFace Chosen() const;

private:
    QComboBox* m_faces = nullptr;
    QCheckBox* m_bold = nullptr;
    QCheckBox* m_italic = nullptr;
};

} // namespace lumina

#pragma once

#include <QToolButton>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QLineEdit;
class QFontMetrics;

namespace lumina {

// A number field with an up-down control beside it. Typing only changes the text; a click on
// an arrow reports its step (+1 or -1) and leaves the rest to the window.
class SpinField : public QWidget {
public:
    explicit SpinField(QWidget* parent);

    QLineEdit* Field() const { return m_field; }
    QToolButton* UpButton() const { return m_up; }
    QToolButton* DownButton() const { return m_down; }
    void SetOnStep(std::function<void(int step)> onStep) { m_onStep = std::move(onStep); }
    void SetValue(int value);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLineEdit* m_field;
    QToolButton* m_up;
    QToolButton* m_down;
    std::function<void(int)> m_onStep;
};

// An image button that also takes files dropped on it; the first dropped file is reported.
class DropButton : public QToolButton {
public:
    explicit DropButton(QWidget* parent);
    void SetOnDrop(std::function<void(const std::string& path)> onDrop) {
        m_onDrop = std::move(onDrop);
    }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    std::function<void(const std::string&)> m_onDrop;
};

// A tooltip text broken into lines no wider than maxWidth pixels (besides its own breaks).
QString WrapTip(const QString& text, const QFontMetrics& metrics, int maxWidth);

// Fills a drop-down list with the families, each name drawn in its own face.
void FillFontList(QComboBox& list, const std::vector<std::string>& families, int pointSize);

} // namespace lumina

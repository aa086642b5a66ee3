#pragma once

#include "platform/geometry.h"

#include <QFrame>
#include <QPointer>
#include <QSpinBox>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class QLineEdit;
class QToolButton;

namespace lumina {

class GridChoosers;

// A spin whose arrows step within low..high while typing accepts any integer: values typed
// outside the range reach the clamps of the read-back.
class RangeSpin : public QSpinBox {
public:
    RangeSpin(int low, int high, QWidget* parent);
    void stepBy(int steps) override;
    int Low() const { return m_low; }
    int High() const { return m_high; }
    // Called after an arrow (or the up and down keys) stepped the value; typing is not a step.
    void SetOnStepped(std::function<void()> onStepped) { m_onStepped = std::move(onStepped); }

protected:
    StepEnabled stepEnabled() const override;

private:
    int m_low;
    int m_high;
    std::function<void()> m_onStepped;
};

// The font item's editor: the text "%s(%i)" and a button that opens the font dialog.
class FontEditor : public QWidget {
public:
    FontEditor(GridChoosers* choosers, QWidget* parent);
    void SetText(const std::string& text);
    std::string Text() const { return m_text; }
    QToolButton* ChooseButton() const { return m_button; }
    void SetOnPicked(std::function<void()> onPicked) { m_onPicked = std::move(onPicked); }
    // Opens the dialog; true when a font was chosen.
    bool Choose();

private:
    GridChoosers* m_choosers;
    QLineEdit* m_field;
    QToolButton* m_button;
    std::string m_text;
    std::function<void()> m_onPicked;
};

// The colours of the palette, in its order (eight columns).
const std::vector<COLORREF>& StandardColours();

// The drop-down of a colour item: the standard colours and the button "その他 ".
class ColourPalette : public QFrame {
public:
    ColourPalette(GridChoosers* choosers, COLORREF current, QWidget* parent);
    void SetOnPicked(std::function<void(COLORREF)> onPicked) { m_onPicked = std::move(onPicked); }
    QToolButton* ColourButton(size_t i) const { return m_swatches.at(i); }
    QToolButton* OtherButton() const { return m_other; }

private:
    void Pick(COLORREF colour);
    void ChooseOther();

    GridChoosers* m_choosers;
    COLORREF m_current;
    std::vector<QToolButton*> m_swatches;
    QToolButton* m_other;
    std::function<void(COLORREF)> m_onPicked;
};

// The colour item's editor: the chosen colour and a button that drops the palette down.
class ColourEditor : public QWidget {
public:
    ColourEditor(GridChoosers* choosers, QWidget* parent);
    void SetColour(COLORREF colour);
    COLORREF Colour() const { return m_colour; }
    QToolButton* DropButton() const { return m_button; }
    // The palette while it is open, else nullptr.
    ColourPalette* Palette() const { return m_palette; }
    void OpenPalette();
    void SetOnPicked(std::function<void()> onPicked) { m_onPicked = std::move(onPicked); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    GridChoosers* m_choosers;
    COLORREF m_colour = 0;
    QToolButton* m_button;
    QPointer<ColourPalette> m_palette; // cleared when the palette closes
    std::function<void()> m_onPicked;
};

// How a colour value is written beside its swatch.
QString ColourCaption(COLORREF colour);

} // namespace lumina

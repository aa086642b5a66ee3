#pragma once

#include "art/settings.h"
#include "artwin/grid_choosers.h"
#include "artwin/zoviv_dlg.h"
#include "services/settings_store.h"
#include "tests/support/test_app.h"
#include "tests/support/test_services.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include <deque>
#include <memory>
#include <string>

namespace lumina::test {

// Font and colour dialogs answered from a script; an empty queue cancels.
class ScriptedChoosers : public GridChoosers {
public:
    std::deque<std::optional<QFont>> fonts;
    std::deque<std::optional<QColor>> colours;
    int fontCalls = 0;
    int colourCalls = 0;
    QFont lastInitialFont;

    std::optional<QFont> ChooseFont(const QFont& initial, QWidget*) override {
        ++fontCalls;
        lastInitialFont = initial;
        if (fonts.empty())
            return std::nullopt;
        auto answer = fonts.front();
        fonts.pop_front();
        return answer;
    }
    std::optional<QColor> ChooseColour(const QColor&, QWidget*) override {
        ++colourCalls;
        if (colours.empty())
            return std::nullopt;
        auto answer = colours.front();
        colours.pop_front();
        return answer;
    }
};

inline std::string Fixture(const std::string& name) {
    return TestDataPath("artui/" + name);
}
inline std::string Photo() {
    return TestDataPath("art/raccoon.png");
}

// Services with real fonts and, to keep runs short, the kanji class off unless asked.
inline std::unique_ptr<TestServices> ArtServices(bool withKanji = false) {
    App();
    auto services = MakeServicesWithFonts();
    if (!withKanji)
        services->Settings().WriteInt(kArtSection, "UseKanji", 0);
    return services;
}

// A window on a picture, shown and through its first run.
inline std::unique_ptr<CZovivDlg> OpenShown(TestServices& services, const std::string& path,
                                            ScriptedChoosers* choosers = nullptr) {
    auto dialog = std::make_unique<CZovivDlg>(services.Get(), path, "png");
    if (choosers)
        dialog->SetChoosers(choosers);
    dialog->show();
    QCoreApplication::processEvents();
    return dialog;
}

// A mouse event sent straight to the window (no pointer grabbing in between).
inline void SendMouse(QWidget& widget, QEvent::Type type, QPoint pos,
                      Qt::MouseButton button = Qt::LeftButton) {
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonPress || type == QEvent::MouseMove
                                         ? Qt::MouseButtons(button)
                                         : Qt::MouseButtons();
    QMouseEvent event(type, QPointF(pos), QPointF(widget.mapToGlobal(pos)),
                      type == QEvent::MouseMove ? Qt::NoButton : button, buttons, {});
    QCoreApplication::sendEvent(&widget, &event);
}
inline void Hover(QWidget& widget, QPoint pos) {
    QMouseEvent event(QEvent::MouseMove, QPointF(pos), QPointF(widget.mapToGlobal(pos)),
                      Qt::NoButton, {}, {});
    QCoreApplication::sendEvent(&widget, &event);
}
inline void Drag(QWidget& widget, QPoint from, QPoint to) {
    SendMouse(widget, QEvent::MouseButtonPress, from);
    SendMouse(widget, QEvent::MouseMove, to);
    SendMouse(widget, QEvent::MouseButtonRelease, to);
}

inline QPoint Centre(const Rect& r) {
    return QPoint(r.left + r.Width() / 2, r.top + r.Height() / 2);
}

} // namespace lumina::test

#pragma once

#include "mainwin/tavrin_dlg.h"
#include "mainwin/widgets.h"
#include "services/printer_settings.h"
#include "services/settings_store.h"
#include "tests/support/test_app.h"
#include "tests/support/test_services.h"

#include <QMouseEvent>
#include <QToolButton>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace lumina::test {

// The main window over a temporary settings store, the scripted prompter and the real fonts.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() { App(); }

    void TearDown() override { m_window.reset(); }

    CTavrinDlg& Open() {
        m_window = std::make_unique<CTavrinDlg>(m_services->Get(), m_printer);
        return *m_window;
    }
    CTavrinDlg& OpenShown() {
        Open().show();
        QApplication::processEvents();
        return *m_window;
    }
    CTavrinDlg& Window() { return *m_window; }
    void Close() {
        m_window->reject();
        m_window.reset();
    }

    SettingsStore& Settings() { return m_services->Settings(); }
    ScriptedPrompter& Prompter() { return m_services->Prompter(); }
    const Services& GetServices() { return m_services->Get(); }
    int Last(const char* key, int fallback = -9999) {
        return Settings().ReadInt("Last", key, fallback);
    }
    bool Stored(const char* key) { return Settings().Contains("Last", key); }
    void Store(const char* key, int value) { Settings().WriteInt("Last", key, value); }

    template <class T>
    T* Child(const char* name) {
        T* child = m_window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    QWidget* ViewWidget() { return Child<QWidget>("view"); }

    // The view centre in window client coordinates.
    Point Centre() const { return ViewCentre(m_window->ViewRect()); }

    // Mouse events on the view at window client points.
    void Mouse(QEvent::Type type, Point client, Qt::MouseButton button, Qt::MouseButtons held) {
        QWidget* view = ViewWidget();
        const QPointF local(client.x - view->x(), client.y - view->y());
        QMouseEvent event(type, local, view->mapToGlobal(local), button, held, Qt::NoModifier);
        QApplication::sendEvent(view, &event);
    }
    void Move(Point p, bool leftHeld = false) {
        Mouse(QEvent::MouseMove, p, Qt::NoButton, leftHeld ? Qt::LeftButton : Qt::NoButton);
    }
    void Press(Point p) { Mouse(QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton); }
    void Release(Point p) { Mouse(QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton); }
    void Click(Point p) {
        Press(p);
        Release(p);
    }
    void Drag(Point from, Point to) {
        Press(from);
        Move(to, true);
        Release(to);
    }
    // A wheel turn at a window client point; positive turns away from the user. Sent to the
    // window: Qt hands a synthesised wheel event to its receiver only.
    void Wheel(Point client, int delta, Qt::KeyboardModifiers mods = Qt::NoModifier,
               Qt::MouseButtons held = Qt::NoButton) {
        const QPointF local(client.x, client.y);
        QWheelEvent event(local, m_window->mapToGlobal(local), QPoint(), QPoint(0, delta), held,
                          mods, Qt::NoScrollPhase, false);
        QApplication::sendEvent(m_window.get(), &event);
    }

    // The view as it is on screen, pixel (x, y) in window client coordinates.
    QRgb ScreenPixel(Point client) {
        const QImage image = ViewWidget()->grab().toImage();
        return image.pixel(client.x - m_window->ViewRect().left,
                           client.y - m_window->ViewRect().top);
    }

    std::unique_ptr<TestServices> m_services = MakeServicesWithFonts();
    PrinterSettings m_printer;
    std::unique_ptr<CTavrinDlg> m_window;
};

inline QRgb QtColour(COLORREF c) {
    return qRgb(RedOf(c), GreenOf(c), BlueOf(c));
}

} // namespace lumina::test

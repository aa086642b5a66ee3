#pragma once

#include <QApplication>

namespace lumina::test {

// The one QApplication of a test program, on the offscreen platform unless another is asked
// for, made on first use. It is never destroyed: Qt's own exit handlers (input devices, fonts)
// run before a static's destructor would, and windows that statics hold may still be open.
inline QApplication& App() {
    static int argc = 1;
    static char name[] = "lumina_tests";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

} // namespace lumina::test

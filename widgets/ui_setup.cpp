#include "widgets/ui_setup.h"

#include "platform/font.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace lumina {

void LoadJapaneseTranslations(QApplication& app) {
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* name : {"qtbase_ja", "qt_ja"}) {
        auto* translator = new QTranslator(&app);
        if (translator->load(QString::fromLatin1(name), folder))
            QApplication::installTranslator(translator);
        else
            delete translator;
    }
}

void ApplyStandardLook(QApplication& app, FontSystem& fonts) {
    const auto face = fonts.Resolve(LogicalFont{});
    if (!face)
        return;
    QFont font = app.font();
    font.setFamily(QString::fromStdString(face->family));
    app.setFont(font);
}

} // namespace lumina

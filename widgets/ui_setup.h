#pragma once

class QApplication;

namespace lumina {

class FontSystem;

// Loads Qt's Japanese translations, so that standard dialogs and buttons speak Japanese.
void LoadJapaneseTranslations(QApplication& app);

// The standard look: the platform's style, and the default Japanese face for the user interface
// (the desktop's default font may have no Japanese glyphs).
void ApplyStandardLook(QApplication& app, FontSystem& fonts);

} // namespace lumina

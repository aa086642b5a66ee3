#pragma once

#include <string_view>

class QWidget;

namespace lumina {

class SettingsStore;

// Window placement under PX, PY, SX, SY, Zoomed of a section: restored when the stored corner
// lies on the desktop, maximised when Zoomed is 1.
void RestorePlacement(QWidget& window, const SettingsStore& settings, std::string_view section);

// Zoomed, then the normal (restored) rectangle, its corner kept on the desktop's positive side.
void SavePlacement(const QWidget& window, SettingsStore& settings, std::string_view section);

} // namespace lumina

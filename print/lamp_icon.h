#pragma once

#include <QIcon>

namespace lumina {

// The 16 x 16 round lamp of the display-kind buttons: grey when unlit, red when lit.
QIcon LampIcon(bool lit);

} // namespace lumina

// Icons of the main window's speed buttons, drawn in code so they scale cleanly.
#pragma once

#include <QIcon>

namespace gw {

// The icon of the speed button with this object name ("SpeedNewGroup", "SpeedPrint", ...).
QIcon SpeedIcon(const char* buttonName);

}  // namespace gw

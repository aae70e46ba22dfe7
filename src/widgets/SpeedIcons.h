// Icons of the main window's speed buttons, drawn in code so they scale cleanly.
#pragma once

#include <QIcon>
#include <functional>

class QPainter;

namespace gw {

// An icon drawn by `draw` on a size x size grid, at normal and double resolution.
QIcon PaintedIcon(int size, const std::function<void(QPainter&)>& draw);

// The icon of the speed button with this object name ("SpeedNewGroup", "SpeedPrint", ...,
// "PreviewZoomIn", ...).
QIcon SpeedIcon(const char* buttonName);

}  // namespace gw

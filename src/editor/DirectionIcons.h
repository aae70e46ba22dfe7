// Arrow glyphs of the eight direction buttons.
#pragma once

#include <QIcon>

namespace gw {

// Direction 1 Up, 2 Up Right, ... 8 Up Left (clockwise from Up).
QIcon DirectionIcon(int direction);

}  // namespace gw

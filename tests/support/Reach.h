// Whether a window can be used from the keyboard and read by a screen reader.
#pragma once

#include <string>
#include <vector>

class QWidget;

namespace gw::test {

// Walks the focus chain of the shown, active window with Tab as a user would (Ctrl+Tab where a
// list of cells keeps Tab for itself) and gives one line per enabled control that takes the focus
// by Tab but was never reached.
std::vector<std::string> UnreachedControls(QWidget* window);

// One line per visible control a user works with (and every widget that takes the focus) whose
// accessible name is empty.
std::vector<std::string> UnnamedControls(QWidget* window);

}  // namespace gw::test

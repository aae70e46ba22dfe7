// Whether every text of a window can be read: fits its control, and every control its parent.
#pragma once

#include <string>
#include <vector>

class QWidget;

namespace gw::test {

// One line per problem: "<control>: \"<text>\" needs N px, has M" and the like. The window must
// be shown (laid out) first. Labels, buttons, check boxes, radio buttons, group box titles, list
// items and combo box texts are measured in the control's own font; a list item may wrap only in
// a list marked "gwWrapsLongLines".
std::vector<std::string> LegibilityProblems(QWidget* window);

}  // namespace gw::test

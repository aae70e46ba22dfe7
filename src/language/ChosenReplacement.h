// The replacement a user picked in a suggestion or synonym list.
#pragma once

#include <optional>
#include <string>

class QListWidget;

namespace gw {

// The selected entry (Windows-1252); with none selected, tells the user so and gives nothing.
std::optional<std::string> ChosenReplacement(const QListWidget* list);

}  // namespace gw

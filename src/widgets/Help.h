// Opening the help collection at its contents or at a keyword, from any window.
#pragma once

#include <functional>
#include <string>

#include "base/AppPaths.h"

class QWidget;

namespace gw {

// Opens the help window over `parent` at the contents (empty keyword) or at the topic of
// `keyword`; a keyword the collection does not know opens the index filtered by it. A missing or
// unreadable collection is reported and nothing else happens.
void ShowHelp(QWidget* parent, const AppPaths& paths, const std::string& keyword = {});

// Replaces the help window (tests); the handler gets the keyword, empty for the contents. An
// empty function restores the window.
void SetHelpHandler(std::function<void(const std::string& keyword)> handler);

}  // namespace gw

// Opening the help collection at its contents or at a keyword, from any window.
#pragma once

#include <functional>
#include <string>

#include "base/AppPaths.h"

class QObject;
class QWidget;

namespace gw {

// Opens the help window over `parent` at the contents (empty keyword) or at the topic of
// `keyword`; a keyword the collection does not know opens the index filtered by it. A help window
// already open is reused. A missing or unreadable collection is reported and nothing else
// happens.
void ShowHelp(QWidget* parent, const AppPaths& paths, const std::string& keyword = {});

// Gives `window` a help topic: F1 in it opens the topic of `keyword`. Windows that take F1 for
// something else (the word list editor types accented letters with it) have none.
void SetHelpTopic(QWidget* window, const char* keyword);

// Makes F1 open the topic of whichever window has one, from the collection of `paths`, for as
// long as `owner` (the main window) lives.
void EnableHelpKey(QObject* owner, const AppPaths& paths);

// Replaces the help window (tests); the handler gets the keyword, empty for the contents. An
// empty function restores the window.
void SetHelpHandler(std::function<void(const std::string& keyword)> handler);

}  // namespace gw

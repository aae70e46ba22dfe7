// Showing a file in the program the desktop gives its kind (a web page in the browser), through a
// seam tests replace.
#pragma once

#include <functional>
#include <string>

namespace gw {

// Asks the desktop to open `path`; false when nothing could be started for it.
bool OpenWithDesktop(const std::string& path);

// Replaces the desktop (tests); an empty function restores it.
using DesktopOpener = std::function<bool(const std::string& path)>;
void SetDesktopOpener(DesktopOpener opener);

}  // namespace gw

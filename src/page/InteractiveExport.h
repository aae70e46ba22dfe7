// Saving interactive web puzzles: one page, or a group's pages with their index, all or none.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/OpResult.h"

namespace gw {

struct WebPageFile {
  std::string path;
  std::string text;  // the whole page, UTF-8
};

// Why a page may not be written to `path` (PageFileChecks.h): a file is there that is not a web
// page (a puzzle group, a library, a picture), so it is left as it is. Nothing when the name is
// free or holds a web page (or nothing at all).
std::optional<std::string> WebPageTargetRefusal(const std::string& path);

// Writes every page or none: each is made unseen beside its name first and all take their names
// only when all were made. A name that WebPageTargetRefusal refuses, a file the user made
// read-only or a folder that takes no file gives a failure naming the file (caption "Error") and
// writes nothing.
OpResult SaveWebPages(const std::vector<WebPageFile>& pages);

}  // namespace gw

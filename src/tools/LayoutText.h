// Reader of the readable page layout descriptions the starter library is built from.
#pragma once

#include <string>

#include "storage/PageLayout.h"

namespace gw {

// Builds one PageLayout from a description (UTF-8 text; every name and text must have a
// Windows-1252 form). The format, line by line (data/layouts/README.md has the full list):
//
//   layout Classic                 the layoutName
//   paper Letter [landscape]       or: paper Custom <width> <height> inches|cm [landscape]
//   zoom medium                    small, medium (the default) or large
//   title                          starts an object: title puzzle words bonus text bitmap
//     box 0.75 0.9 7.75 1.5          rectangle circle; then its properties, boxes in the
//     font Arial 26 bold             page's unit (inches or centimetres)
//
// A '#' that starts a line or stands alone before blanks begins a comment; "#RRGGBB" is a
// colour. Every object needs a box inside the page. On failure returns false and sets
// `error` to "line N: what is wrong".
bool ParseLayoutText(const std::string& text, PageLayout& out, std::string& error);

}  // namespace gw

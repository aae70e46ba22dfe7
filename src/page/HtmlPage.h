// The web page of a puzzle: its text, line by line, and the name of the picture beside it.
#pragma once

#include <string>

#include "base/Settings.h"

namespace gw {

// What the page holds besides its picture: the "HTML" settings.
struct HtmlPageOptions {
  HtmlBlock firstHeader, secondHeader, firstFooter, secondFooter;
  bool horizontalUpper = false;  // a rule above the picture
  bool horizontalLower = false;  // a rule below it
  std::string webTitle;
};

HtmlPageOptions HtmlOptionsFrom(const SettingsValues& settings);

// HTML font sizes run from 1 to 7; the window offers them as point sizes.
inline constexpr long kHtmlSmallestSize = 1;
inline constexpr long kHtmlLargestSize = 7;
// A block keeps at most this many characters (CR LF counting two), the web title at most 100.
inline constexpr size_t kHtmlBlockKeep = 999;
inline constexpr size_t kHtmlTitleKeep = 100;

// The line of one text block, without its line end: two spaces, the text inside its FONT,
// B, I and CENTER elements (innermost first), then "<P>". The text goes in as typed, so users
// may write their own markup; its line breaks stay inside the FONT element.
std::string HtmlBlockLine(const HtmlBlock& block);

// The whole page in CR LF lines; `pictureName` is the picture's file name beside the page.
// Empty blocks and rules that are off leave no line.
std::string HtmlPageText(const HtmlPageOptions& options, const std::string& pictureName);

// The picture's file name for a page saved as `htmlPath` (its folder left off): the page's name
// with its extension, whatever its length, replaced by "JPG", or with ".JPG" added when it has
// none. A page that is itself named so gets ".JPG" added, so the picture never replaces it.
std::string HtmlPictureName(const std::string& htmlPath);

// The picture's path: beside the page, in the page's own folder.
std::string HtmlPicturePath(const std::string& htmlPath);

// A file name as the IMG element's source: a relative address, so the characters an address
// gives a meaning to (space, quote, %, #, ?, <, >, backslash) and bytes beyond ASCII are
// percent-encoded; PUZZLE.JPG stays as it is.
std::string HtmlSourceOf(const std::string& fileName);

// The web title as it is kept: spaces trimmed, at most 100 characters.
std::string KeptWebTitle(const std::string& typed);

// A block's typed text as it is kept: line breaks as CR LF, at most 999 characters, never ending
// in half a line break.
std::string KeptBlockText(const std::string& typed);

}  // namespace gw

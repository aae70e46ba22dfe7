// Commands whose windows are not built yet stay visible but disabled; each flag turns on when its
// feature lands, for the main window and the editor alike.
#pragma once

namespace gw::feature {

constexpr bool kPrinting = false;       // Print Puzzle, Printer Setup
constexpr bool kLayoutLibrary = true;   // Page Layout, the editor's Change Layout
constexpr bool kPageDesigner = false;   // the layout library's New, Modify and Copy
constexpr bool kJpegFactor = false;     // JPEG Compression Factor
constexpr bool kSpelling = false;       // Spell Check, the dictionary menu and items
constexpr bool kThesaurus = false;      // Thesaurus and its menu

}  // namespace gw::feature

// Commands whose windows are not built yet stay visible but disabled; each flag turns on when its
// feature lands, for the main window and the editor alike.
#pragma once

namespace gw::feature {

constexpr bool kLayoutLibrary = true;  // Page Layout, the editor's Change Layout

}  // namespace gw::feature

// Saving the web page of a puzzle page: the HTML file and its JPEG picture beside it.
#pragma once

#include <QImage>
#include <string>

#include "base/ComposedMessage.h"
#include "base/OpResult.h"
#include "page/HtmlPage.h"

namespace gw {

// Shown when the page's file cannot be made (caption "Error").
inline constexpr const char* kHtmlCreateError =
    QT_TRANSLATE_NOOP("gw::Messages", "Unable to create html file.");

// Writes the page to `htmlPath` and `pageImage` as a JPEG of `quality` to HtmlPicturePath beside
// it. Either both are written or the page is not: a page that cannot be made gives
// kHtmlCreateError and writes nothing; a picture that cannot be made is reported with its reason
// and leaves the page unwritten, so no page points at a missing picture. Each file is replaced
// whole (a sibling renamed over).
OpResult SaveHtmlPage(const std::string& htmlPath, const HtmlPageOptions& options,
                      const QImage& pageImage, int quality);

}  // namespace gw

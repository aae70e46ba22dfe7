// Small page pictures showing where a layout's objects sit, coloured by kind.
#pragma once

#include <QImage>

#include "storage/PageLayout.h"

namespace gw {

// Fills `image` with the page box of `layout` and its objects in stacking order. A layout
// without a positive page size shows the empty background only.
void DrawPageBox(QImage& image, const PageLayout& layout);

}  // namespace gw

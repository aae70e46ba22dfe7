// Font and colour choosers through one seam, so tests can answer them.
#pragma once

#include <QColor>
#include <QFont>
#include <functional>
#include <optional>

class QWidget;

namespace gw {

struct FontChoice {
  QFont font;
  QColor color;
};

// The font dialog with a colour choice beside it; nothing on Cancel.
std::optional<FontChoice> ChooseFont(QWidget* parent, const FontChoice& initial);
std::optional<QColor> ChooseColor(QWidget* parent, const QColor& initial);

using FontResponder = std::function<std::optional<FontChoice>(const FontChoice&)>;
using ColorResponder = std::function<std::optional<QColor>(const QColor&)>;
void SetFontResponder(FontResponder responder);
void SetColorResponder(ColorResponder responder);

}  // namespace gw

// Font and colour choosers through one seam, so tests can answer them.
#pragma once

#include <QColor>
#include <QFont>
#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace gw {

struct FontChoice {
  QFont font;
  QColor color;
};

// The font dialog with a colour choice beside it; nothing on Cancel.
std::optional<FontChoice> ChooseFont(QWidget* parent, const FontChoice& initial);
std::optional<QColor> ChooseColor(QWidget* parent, const QColor& initial);

// The platform's printer setup dialog on `printer` (printer, paper, copies, the printer's own
// properties); true on OK. On Cancel the printer is left as it was.
bool ChoosePrinter(QWidget* parent, QPrinter& printer);

using FontResponder = std::function<std::optional<FontChoice>(const FontChoice&)>;
using ColorResponder = std::function<std::optional<QColor>(const QColor&)>;
void SetFontResponder(FontResponder responder);
void SetColorResponder(ColorResponder responder);
// The responder changes the printer as the dialog would and answers OK (true) or Cancel.
using PrinterResponder = std::function<bool(QPrinter&)>;
void SetPrinterResponder(PrinterResponder responder);

}  // namespace gw

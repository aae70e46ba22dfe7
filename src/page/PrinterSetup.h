// The printer a print goes to: the installed printers, the choice made in the printer setup dialog
// (kept for the session), and a printer's page set up for a layout's paper.
#pragma once

#include <QPageSize>
#include <QPrinter>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <optional>

#include "base/ComposedMessage.h"
#include "page/PageSetup.h"

namespace gw {

inline constexpr const char* kNoPrinters =
    QT_TRANSLATE_NOOP("gw::Messages", "No printers are defined, aborting print job.");

// What the printer setup dialog chose. Jobs print on their layout's paper and orientation
// whatever paper was chosen here; the choice is shown again the next time the dialog opens.
struct PrinterChoice {
  QString printerName;  // empty: the system's default printer
  int copies = 1;
  bool collate = true;
  QPrinter::DuplexMode duplex = QPrinter::DuplexAuto;
  QPrinter::ColorMode colorMode = QPrinter::Color;
  std::optional<QPageSize> paper;
};
// The session's choice, program-wide; it is not saved with the settings.
PrinterChoice& SessionPrinter();

// The installed printers (through CUPS on Linux), asked afresh on every call.
QStringList PrinterNames();
bool AnyPrinter();
// The printer a job goes to: the chosen one while it is installed, else the default printer, else
// the first one. Empty when there is no printer at all.
QString TargetPrinter(const PrinterChoice& choice);

// Points `printer` at the target printer with the choice's copies, collation, duplex and colour.
// False (printer untouched) when there is no printer.
bool UsePrinter(QPrinter& printer, const PrinterChoice& choice);
// Keeps what the setup dialog left in `printer`.
void RememberPrinter(const QPrinter& printer, PrinterChoice& choice);

// Sets the printer's page to `paper`: its size, orientation, no margins, the whole page the
// painter's to draw on. Returns the physical page in inches as the printer took it (a printer
// that cannot take the size chooses the nearest it can), which is what the page is scaled to.
QSizeF SetPrinterPage(QPrinter& printer, const PagePaper& paper);

// The page of a report stream's page `size` (inches, oriented): a standard size when it matches
// one, else a custom one, landscape when wider than high, without margins.
QPageLayout PageLayoutForSize(const QSizeF& size);

}  // namespace gw

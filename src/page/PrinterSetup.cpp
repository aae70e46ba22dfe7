// The session's printer and a printer's page for a layout.
#include "page/PrinterSetup.h"

#include <QPageLayout>
#include <QPrinterInfo>
#include <algorithm>

#include "page/PageDocuments.h"

namespace gw {

PrinterChoice& SessionPrinter() {
  static PrinterChoice choice;
  return choice;
}

QStringList PrinterNames() {
  return QPrinterInfo::availablePrinterNames();
}

bool AnyPrinter() {
  return !PrinterNames().isEmpty();
}

QString TargetPrinter(const PrinterChoice& choice) {
  const QStringList names = PrinterNames();
  if (names.isEmpty()) return {};
  if (!choice.printerName.isEmpty() && names.contains(choice.printerName))
    return choice.printerName;
  const QString fallback = QPrinterInfo::defaultPrinterName();
  return names.contains(fallback) ? fallback : names.front();
}

bool UsePrinter(QPrinter& printer, const PrinterChoice& choice) {
  const QString name = TargetPrinter(choice);
  if (name.isEmpty()) return false;
  printer.setOutputFormat(QPrinter::NativeFormat);
  printer.setPrinterName(name);
  printer.setCopyCount(std::max(1, choice.copies));
  printer.setCollateCopies(choice.collate);
  printer.setDuplex(choice.duplex);
  printer.setColorMode(choice.colorMode);
  if (choice.paper) printer.setPageSize(*choice.paper);
  return true;
}

void RememberPrinter(const QPrinter& printer, PrinterChoice& choice) {
  choice.printerName = printer.printerName();
  choice.copies = std::max(1, printer.copyCount());
  choice.collate = printer.collateCopies();
  choice.duplex = printer.duplex();
  choice.colorMode = printer.colorMode();
  choice.paper = printer.pageLayout().pageSize();
}

QSizeF SetPrinterPage(QPrinter& printer, const PagePaper& paper) {
  printer.setFullPage(true);
  printer.setPageLayout(QtPageLayout(paper));
  return printer.pageLayout().fullRect(QPageLayout::Inch).size();
}

QPageLayout PageLayoutForSize(const QSizeF& size) {
  const QSizeF portrait(std::min(size.width(), size.height()),
                        std::max(size.width(), size.height()));
  const QPageSize page(portrait, QPageSize::Inch, QString(), QPageSize::FuzzyMatch);
  return QPageLayout(page,
                     size.width() > size.height() ? QPageLayout::Landscape : QPageLayout::Portrait,
                     QMarginsF(0, 0, 0, 0));
}

}  // namespace gw

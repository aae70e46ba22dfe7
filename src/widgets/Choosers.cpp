// Font and colour choosers.
#include "widgets/Choosers.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace gw {

namespace {
FontResponder& FontSeam() {
  static FontResponder responder;
  return responder;
}
ColorResponder& ColorSeam() {
  static ColorResponder responder;
  return responder;
}
PrinterResponder& PrinterSeam() {
  static PrinterResponder responder;
  return responder;
}

void ShowSwatch(QPushButton* button, const QColor& color) {
  QPixmap swatch(32, 16);
  swatch.fill(color);
  button->setIcon(QIcon(swatch));
}
}  // namespace

void SetFontResponder(FontResponder responder) {
  FontSeam() = std::move(responder);
}
void SetColorResponder(ColorResponder responder) {
  ColorSeam() = std::move(responder);
}
void SetPrinterResponder(PrinterResponder responder) {
  PrinterSeam() = std::move(responder);
}

std::optional<FontChoice> ChooseFont(QWidget* parent, const FontChoice& initial) {
  if (FontSeam()) return FontSeam()(initial);

  // The font chooser embedded in a dialog that also offers the text colour, as users know it
  // from word processors.
  QDialog dialog(parent);
  dialog.setWindowTitle(QCoreApplication::translate("gw::Choosers", "Font"));
  auto* layout = new QVBoxLayout(&dialog);
  auto* fonts = new QFontDialog(initial.font, &dialog);
  fonts->setWindowFlags(Qt::Widget);
  fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
  layout->addWidget(fonts);
  // Enter or Escape in the font fields would close only the embedded chooser and leave an empty
  // frame; they answer for the whole dialog instead.
  QObject::connect(fonts, &QDialog::finished, &dialog, [&dialog](int result) {
    dialog.done(result == QDialog::Accepted ? QDialog::Accepted : QDialog::Rejected);
  });

  QColor color = initial.color;
  auto* row = new QHBoxLayout;
  auto* colorLabel = new QLabel(QCoreApplication::translate("gw::Choosers", "Colo&r:"));
  row->addWidget(colorLabel);
  auto* colorButton = new QPushButton(QCoreApplication::translate("gw::Choosers", "Choose..."));
  colorLabel->setBuddy(colorButton);  // Alt+R, and the ampersand is not shown
  ShowSwatch(colorButton, color);
  row->addWidget(colorButton);
  row->addStretch();
  layout->addLayout(row);
  QObject::connect(colorButton, &QPushButton::clicked, &dialog, [&] {
    if (const std::optional<QColor> c = ChooseColor(&dialog, color)) {
      color = *c;
      ShowSwatch(colorButton, color);
    }
  });

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  layout->addWidget(buttons);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return FontChoice{fonts->currentFont(), color};
}

std::optional<QColor> ChooseColor(QWidget* parent, const QColor& initial) {
  if (ColorSeam()) return ColorSeam()(initial);
  const QColor chosen = QColorDialog::getColor(initial, parent);
  if (!chosen.isValid()) return std::nullopt;
  return chosen;
}

bool ChoosePrinter(QWidget* parent, QPrinter& printer) {
  if (PrinterSeam()) return PrinterSeam()(printer);
  // The print dialog without what belongs to one document (page ranges, printing to a file):
  // what is left chooses the printer, its paper, copies and properties for later prints.
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(QCoreApplication::translate("gw::Choosers", "Printer Setup"));
  dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize |
                    QAbstractPrintDialog::PrintCollateCopies);
  // The dialog shows its page range box as it opens; it is hidden once the dialog is up.
  if (auto* range = dialog.findChild<QWidget*>(QStringLiteral("gbPrintRange")))
    QTimer::singleShot(0, range, &QWidget::hide);
  // Nothing is printed on OK here, so the button does not say "Print".
  if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
    if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
      ok->setText(QCoreApplication::translate("gw::Choosers", "&OK"));
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace gw

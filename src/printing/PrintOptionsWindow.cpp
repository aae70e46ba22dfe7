// "Reports": what to print of one puzzle and how, and the jobs that print it.
#include "printing/PrintOptionsWindow.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>

#include "base/Settings.h"
#include "base/TextCodec.h"
#include "generator/BonusQuestionDialog.h"
#include "layouts/LayoutThumbnail.h"
#include "page/PrinterSetup.h"
#include "page/RecordedPagePrinter.h"
#include "printing/PreviewWindow.h"
#include "widgets/Choosers.h"
#include "widgets/FormLayout.h"
#include "widgets/Help.h"
#include "widgets/Messages.h"

namespace gw {

namespace {

// A check box that writes its option the moment it is clicked.
QCheckBox* OptionBox(QWidget* parent, const char* name, const QString& text, const QRect& design,
                     bool SettingsValues::*option) {
  auto* box = Named(new QCheckBox(text, parent), name, design);
  QObject::connect(box, &QCheckBox::toggled, box,
                   [option](bool on) { AppSettings().*option = on; });
  return box;
}

QLineEdit* DigitEdit(QWidget* parent, const char* name, const QRect& design) {
  auto* edit = Named(new QLineEdit(parent), name, design);
  edit->setMaxLength(1);
  edit->setAlignment(Qt::AlignCenter);
  return edit;
}

}  // namespace

PrintOptionsWindow::PrintOptionsWindow(const AppPaths& paths, PuzzleRecord& puzzle,
                                       LayoutPicker pickLayout, QWidget* parent)
    : QDialog(parent), paths_(paths), puzzle_(puzzle), pickLayout_(std::move(pickLayout)) {
  setObjectName(QStringLiteral("MyReport"));
  setWindowTitle(tr("Reports"));
  BuildControls();
  BuildMenus();
  PlaceDialog(this, false);
  InitFromLayout();
}

void PrintOptionsWindow::BuildControls() {
  resize(640, 334);
  setFont(DesignFont(15));

  auto* parts = Named(new QGroupBox(tr("Print"), this), "PartsBox", {8, 32, 188, 214});
  printTitle_ = OptionBox(parts, "PrintTitle", tr("Puzzle &Title"), {10, 24, 170, 22},
                          &SettingsValues::printTitle);
  printBody_ = OptionBox(parts, "PrintBody", tr("Puzzle &Body"), {10, 50, 170, 22},
                         &SettingsValues::printBody);
  printWords_ = OptionBox(parts, "PrintWords", tr("Puzzle &Words/Clues"), {10, 76, 170, 22},
                          &SettingsValues::printWords);
  printBonus_ = OptionBox(parts, "PrintBonus", tr("Bonus &Question"), {10, 102, 170, 22},
                          &SettingsValues::printBonus);
  answerKey_ = OptionBox(parts, "AnswerKey", tr("&Answer Key"), {10, 128, 170, 22},
                         &SettingsValues::answerKey);
  useGrid_ =
      OptionBox(parts, "UseGrid", tr("Use &Grid"), {10, 154, 170, 22}, &SettingsValues::useGrid);
  lowerCase_ = OptionBox(parts, "LowerCase", tr("L&ower Case Letters"), {10, 180, 170, 22},
                         &SettingsValues::lowerCase);

  auto* words = Named(new QGroupBox(tr("Word List"), this), "WordsBox", {204, 32, 290, 214});
  auto* forms = new QButtonGroup(this);
  const struct {
    const char* name;
    const char* text;
    int top, width;
  } radios[] = {{"NormalWords", QT_TR_NOOP("Normal Words"), 24, 150},
                {"Clues", QT_TR_NOOP("Clues "), 48, 104},
                {"ScrambleWords", QT_TR_NOOP("Scramble Words"), 72, 150},
                {"PartialWords", QT_TR_NOOP("Partial Words"), 96, 118}};
  for (long option = 1; option <= 4; ++option) {
    const auto& r = radios[option - 1];
    auto* radio = Named(new QRadioButton(tr(r.text), words), r.name, {10, r.top, r.width, 22});
    forms->addButton(radio);
    connect(radio, &QRadioButton::clicked, this, [this, option] { WordOptionClick(option); });
    wordForms_[static_cast<size_t>(option - 1)] = radio;
  }
  clueUnderscore_ = OptionBox(words, "ClueUnderscore", tr("Use Underscores"), {122, 48, 160, 22},
                              &SettingsValues::clueUnderscore);
  partialUnderscore_ = OptionBox(words, "PartialUnderscore", tr("Use Underscores"),
                                 {122, 96, 160, 22}, &SettingsValues::partialUnderscore);

  letterLabels_ = {Named(new QLabel(tr("Show First"), words), "ShowFirstLabel", {28, 126, 82, 22}),
                   Named(new QLabel(tr("Letters"), words), "FirstLettersLabel", {144, 126, 70, 22}),
                   Named(new QLabel(tr("Show Last"), words), "ShowLastLabel", {28, 154, 82, 22}),
                   Named(new QLabel(tr("Letters"), words), "LastLettersLabel", {144, 154, 70, 22})};
  firstLetters_ = DigitEdit(words, "FirstLetters", {112, 125, 26, 24});
  lastLetters_ = DigitEdit(words, "LastLetters", {112, 153, 26, 24});
  // Read out as the sentence the two labels make around the box.
  firstLetters_->setAccessibleName(letterLabels_[0]->text() + QLatin1Char(' ') +
                                   letterLabels_[1]->text());
  lastLetters_->setAccessibleName(letterLabels_[2]->text() + QLatin1Char(' ') +
                                  letterLabels_[3]->text());
  auto* columnsLabel =
      Named(new QLabel(tr("Number of Columns"), words), "ColumnsLabel", {10, 184, 160, 22});
  numColumns_ = DigitEdit(words, "NumColumns", {174, 183, 26, 24});
  columnsLabel->setBuddy(numColumns_);
  connect(firstLetters_, &QLineEdit::textChanged, this,
          [this] { NumberEditChanged(firstLetters_, &SettingsValues::firstLetters); });
  connect(lastLetters_, &QLineEdit::textChanged, this,
          [this] { NumberEditChanged(lastLetters_, &SettingsValues::lastLetters); });
  connect(numColumns_, &QLineEdit::textChanged, this,
          [this] { NumberEditChanged(numColumns_, &SettingsValues::numColumns); });

  img_ = Named(new QLabel(this), "Img", {503, 38, 129, 201});
  img_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  img_->setAccessibleName(tr("Picture of the page layout"));

  const struct {
    const char* name;
    const char* text;
    QRect design;
    void (PrintOptionsWindow::*handler)();
  } buttons[] = {
      {"ViewPrintButton",
       QT_TR_NOOP("&View/Print"),
       {8, 258, 204, 30},
       &PrintOptionsWindow::ViewPrintClick},
      {"PrinterSetupButton",
       QT_TR_NOOP("Printer &Setup"),
       {218, 258, 204, 30},
       &PrintOptionsWindow::PrinterSetupClick},
      {"ExitButton", QT_TR_NOOP("E&xit"), {428, 258, 204, 30}, &PrintOptionsWindow::ExitClick},
      {"ChangeLayoutButton",
       QT_TR_NOOP("Change Page &Layout"),
       {8, 296, 204, 30},
       &PrintOptionsWindow::ChangeLayoutClick},
      {"ChangeFontsButton",
       QT_TR_NOOP("Change &Fonts"),
       {218, 296, 204, 30},
       &PrintOptionsWindow::ChangeFontsClick},
      {"ChangeBonusButton",
       QT_TR_NOOP("Change Bon&us Question"),
       {428, 296, 204, 30},
       &PrintOptionsWindow::ChangeBonusClick},
  };
  for (const auto& b : buttons) {
    auto* button = Named(new QPushButton(tr(b.text), this), b.name, b.design);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, b.handler);
    if (b.handler == &PrintOptionsWindow::ViewPrintClick) button->setDefault(true);
    if (b.handler == &PrintOptionsWindow::ChangeLayoutClick) changeLayout_ = button;
  }
  changeLayout_->setEnabled(static_cast<bool>(pickLayout_));

  fontMenu_ = new QMenu(this);
  fontMenu_->setObjectName(QStringLiteral("FontMenu"));
  for (int i = 0; i < kFontMenuItems; ++i) {
    fontItems_[static_cast<size_t>(i)] = fontMenu_->addAction(QString());
    fontItems_[static_cast<size_t>(i)]->setObjectName(QStringLiteral("FontItem%1").arg(i + 1));
    connect(fontItems_[static_cast<size_t>(i)], &QAction::triggered, this,
            [this, i] { FontItemClick(i); });
  }
}

void PrintOptionsWindow::BuildMenus() {
  auto* bar = Named(new QMenuBar(this), "MainMenu", {0, 0, 640, 26});
  QMenu* file = bar->addMenu(tr("&File"));
  auto item = [this](QMenu* menu, const char* name, const char* text, QKeySequence key,
                     void (PrintOptionsWindow::*handler)()) {
    QAction* a = menu->addAction(tr(text));
    a->setObjectName(QString::fromLatin1(name));
    a->setShortcut(key);
    connect(a, &QAction::triggered, this, handler);
    return a;
  };
  item(file, "ViewPrintItem", QT_TR_NOOP("&View/Print"), QKeySequence("Ctrl+V"),
       &PrintOptionsWindow::ViewPrintClick);
  item(file, "PrinterSetupItem", QT_TR_NOOP("Printer &Setup"), QKeySequence("Ctrl+S"),
       &PrintOptionsWindow::PrinterSetupClick);
  file->addSeparator();
  item(file, "ExitItem", QT_TR_NOOP("E&xit"), QKeySequence("Ctrl+X"),
       &PrintOptionsWindow::ExitClick);
  QMenu* help = bar->addMenu(tr("&Help"));
  item(help, "HelpItem", QT_TR_NOOP("&Reports Help"), QKeySequence(Qt::Key_F1),
       &PrintOptionsWindow::HelpClick);
}

// ---- Options ----------------------------------------------------------------------------------

void PrintOptionsWindow::InitFromLayout() {
  OpenOptionsOnLayout(puzzle_.pageLayout, AppSettings());
  ShowOptions();
  menuMap_ = FontMenuItems(puzzle_.pageLayout);
  for (size_t i = 0; i < fontItems_.size(); ++i) {
    const bool used = i < menuMap_.size();
    fontItems_[i]->setVisible(used);
    fontItems_[i]->setText(used ? TranslatedMessage(menuMap_[i].caption) : QString());
  }
  findChild<QPushButton*>(QStringLiteral("ChangeFontsButton"))->setEnabled(!menuMap_.empty());
  DrawPageBox();
}

void PrintOptionsWindow::ShowOptions() {
  const SettingsValues& s = AppSettings();
  printTitle_->setChecked(s.printTitle);
  printBody_->setChecked(s.printBody);
  printWords_->setChecked(s.printWords);
  printBonus_->setChecked(s.printBonus);
  answerKey_->setChecked(s.answerKey);
  useGrid_->setChecked(s.useGrid);
  lowerCase_->setChecked(s.lowerCase);
  // Any other stored form prints normal words, so that is the one shown.
  const long form = s.wordOption >= 1 && s.wordOption <= 4 ? s.wordOption : long{kNormalWords};
  wordForms_[static_cast<size_t>(form - 1)]->setChecked(true);
  clueUnderscore_->setChecked(s.clueUnderscore);
  partialUnderscore_->setChecked(s.partialUnderscore);
  // Each edit reads itself back as it changes, so what it shows is what the options hold.
  const long first = s.firstLetters, last = s.lastLetters, columns = s.numColumns;
  firstLetters_->setText(QString::number(first));
  lastLetters_->setText(QString::number(last));
  numColumns_->setText(QString::number(columns));
  UpdateEnabling();
}

void PrintOptionsWindow::UpdateEnabling() {
  const WordFormControls on = EnabledForWordForm(AppSettings().wordOption);
  clueUnderscore_->setEnabled(on.clueUnderscore);
  partialUnderscore_->setEnabled(on.partialUnderscore);
  firstLetters_->setEnabled(on.letterCounts);
  lastLetters_->setEnabled(on.letterCounts);
  for (QLabel* label : letterLabels_) label->setEnabled(on.letterCounts);
}

void PrintOptionsWindow::WordOptionClick(long option) {
  AppSettings().wordOption = option;
  UpdateEnabling();
}

void PrintOptionsWindow::NumberEditChanged(QLineEdit* edit, long SettingsValues::*value) {
  const OptionEditValue read = ReadOptionEdit(FromQString(edit->text()));
  AppSettings().*value = read.value;
  if (read.clearEdit) edit->clear();
}

void PrintOptionsWindow::DrawPageBox() {
  QImage image(img_->size().isEmpty() ? QSize(129, 201) : img_->size(), QImage::Format_RGB32);
  gw::DrawPageBox(image, puzzle_.pageLayout);
  thumbnail_ = image;
  img_->setPixmap(QPixmap::fromImage(image));
}

// ---- Commands ---------------------------------------------------------------------------------

void PrintOptionsWindow::ChangeLayoutClick() {
  if (!pickLayout_) return;
  if (pickLayout_(puzzle_.pageLayout, this)) InitFromLayout();
}

void PrintOptionsWindow::ChangeFontsClick() {
  fontMenu_->popup(changeLayout_->mapToGlobal(QPoint(0, 0)));
}

void PrintOptionsWindow::FontItemClick(int item) {
  if (item < 0 || item >= static_cast<int>(menuMap_.size())) return;
  LayoutObject& object = puzzle_.pageLayout.objects[menuMap_[static_cast<size_t>(item)].object];
  const ObjectFontValues now = FontValuesOf(object);
  // The dialog lists the families installed; a layout's "Arial" is shown as the family that
  // prints it, and given back under its own name when that family is kept.
  const QString named = ToQString(now.name);
  const QString family = QFontInfo(QFont(named)).family();
  QFont font(family);
  font.setPointSize(std::max(1, now.size));
  font.setBold(now.bold);
  font.setItalic(now.italic);
  font.setUnderline(now.underline);
  font.setStrikeOut(now.strikeOut);
  const std::optional<FontChoice> chosen =
      ChooseFont(this, FontChoice{font, ColorFromWin(static_cast<int32_t>(now.color))});
  if (!chosen) return;
  ObjectFontValues next;
  next.name = chosen->font.family() == family ? now.name : FromQString(chosen->font.family());
  const QFont& f = chosen->font;
  next.size = f.pointSize() > 0 ? f.pointSize() : qRound(f.pixelSize() * 72.0 / 96.0);
  next.color = static_cast<uint32_t>(ColorToWin(chosen->color));
  next.bold = f.bold();
  next.italic = f.italic();
  next.underline = f.underline();
  next.strikeOut = f.strikeOut();
  SetFontValues(object, next);
}

void PrintOptionsWindow::ChangeBonusClick() {
  BonusQuestionDialog dialog(puzzle_.bonusQuestion.Get(), this);
  if (dialog.exec() == QDialog::Accepted) puzzle_.bonusQuestion.Set(dialog.BonusQuestion());
}

void PrintOptionsWindow::HelpClick() {
  ShowHelp(this, paths_, "Report Window");
}

void PrintOptionsWindow::ExitClick() {
  reject();
}

void PrintOptionsWindow::PrinterSetupClick() {
  RunPrinterSetup(this);
}

void PrintOptionsWindow::ViewPrintClick() {
  RunJob(ReportMode::Memory);
}

bool PrintOptionsWindow::RunJob(ReportMode mode) {
  if (AppSettings().numColumns <= 0) {
    ShowMessage(tr("Invalid number of columns specified."), "Error");
    numColumns_->setFocus();
    return false;
  }
  if (mode == ReportMode::Printer && !AnyPrinter()) {
    ShowMessage(kNoPrinters, "Error");
    return false;
  }
  bool cancelled = false;
  {
    PrintStatusWindow form(mode, puzzle_, PrintOptionsFrom(AppSettings()), this);
    form.exec();
    lastJob_ = std::move(form.Job());
    if (!form.Ran()) return false;
    cancelled = form.Cancelled();
  }
  if (mode == ReportMode::Memory && !cancelled) ShowFinishedJob();
  return cancelled;
}

void PrintOptionsWindow::ShowFinishedJob() {
  {
    const std::unique_ptr<RecordedPagePrinter> printer =
        SessionRecordedPagePrinter(lastJob_.puzzle ? lastJob_.puzzle->title.Get() : std::string());
    PreviewWindow preview(lastJob_, *printer, this);
    preview.exec();
  }
  // The stream goes with the preview; the kept values stay until the next job.
  lastJob_.stream.clear();
}

// ---- Printer ----------------------------------------------------------------------------------

void RunPrinterSetup(QWidget* parent) {
  QPrinter printer(QPrinter::HighResolution);
  if (!UsePrinter(printer, SessionPrinter())) {
    ShowMessage(PrintOptionsWindow::tr("No printers are defined."), "Error");
    return;
  }
  if (ChoosePrinter(parent, printer)) RememberPrinter(printer, SessionPrinter());
}

}  // namespace gw

// The word/clue text export dialog.
#include "editor/WordFileExportDialog.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <algorithm>
#include <utility>
#include <vector>

#include "base/Settings.h"
#include "editor/WordGrid.h"
#include "widgets/FileDialogs.h"
#include "widgets/FormLayout.h"
#include "widgets/Help.h"
#include "widgets/Messages.h"

namespace gw {

namespace {

// Draws a line that does not fit in several, each further one starting `indent` characters in:
// a long clue wraps under its clue, not under the word column.
class HangingLines : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  int indent = 0;  // characters

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString text = opt.text;
    opt.text.clear();
    const QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
    const QRect room = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, opt.widget);
    painter->save();
    painter->setFont(opt.font);
    painter->setPen(opt.palette.color(opt.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                         : QPalette::Text));
    const QFontMetrics metrics(opt.font);
    int top = room.top();
    for (const auto& [from, piece] : Lines(text, metrics, room.width())) {
      painter->drawText(QRect(room.left() + from, top, room.width() - from, metrics.height()),
                        Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, piece);
      top += metrics.height();
    }
    painter->restore();
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
    const int margins =
        2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, &opt, opt.widget) + 1);
    const QFontMetrics metrics(opt.font);
    const auto lines = Lines(opt.text, metrics, opt.rect.width() - margins);
    return {opt.rect.width(), static_cast<int>(lines.size()) * metrics.height() + 2};
  }

 private:
  // The pieces of `text` and how far in each starts: as much as fits, cut after a space where
  // one is (on the first line, one inside the clue, not the word's padding).
  std::vector<std::pair<int, QString>> Lines(const QString& text, const QFontMetrics& metrics,
                                             int width) const {
    std::vector<std::pair<int, QString>> out;
    const int hang =
        std::min(metrics.horizontalAdvance(QString(indent, QLatin1Char(' '))), width / 2);
    QString rest = text;
    do {
      const int from = out.empty() ? 0 : hang;
      int fit = static_cast<int>(rest.size());
      while (fit > 1 && metrics.horizontalAdvance(rest.left(fit)) > width - from) --fit;
      if (fit < rest.size()) {
        const int space = static_cast<int>(rest.lastIndexOf(QLatin1Char(' '), fit - 1));
        if (space > (out.empty() ? indent : 0)) fit = space + 1;
      }
      out.emplace_back(from, rest.left(fit));
      rest = rest.mid(fit);
      // A further line does not start with the spaces it was cut at.
      while (rest.startsWith(QLatin1Char(' '))) rest.remove(0, 1);
    } while (!rest.isEmpty());
    return out;
  }
};

}  // namespace

WordFileExportDialog::WordFileExportDialog(const WordGrid& grid, QWidget* parent)
    : WordFileDialog(tr("Export"), 620, {tr("&Words"), tr("&Clues"), tr("Words &And Clues")},
                     parent),
      grid_(grid) {
  SetHelpTopic(this, "Export words");
  hanging_ = new HangingLines(linesList_);
  linesList_->setItemDelegate(hanging_);
  connect(linesList_, &QListWidget::itemSelectionChanged, this,
          &WordFileExportDialog::LineSelectionChanged);
  connect(asWords_, &QRadioButton::clicked, this, &WordFileExportDialog::AsWordsClick);
  connect(asClues_, &QRadioButton::clicked, this, &WordFileExportDialog::AsCluesClick);
  connect(asWordsAndClues_, &QRadioButton::clicked, this,
          &WordFileExportDialog::AsWordsAndCluesClick);
  connect(sepChar_, &QLineEdit::textChanged, this, &WordFileExportDialog::SepCharChange);
  connect(Button("SelectAll", tr("&Select All"), 160), &QPushButton::clicked, this,
          &WordFileExportDialog::SelectAllClick);
  connect(Button("Clear", tr("C&lear"), 192), &QPushButton::clicked, this,
          &WordFileExportDialog::ClearClick);
  saveFile_ = Button("SaveFile", tr("Save &File"), 236);
  connect(saveFile_, &QPushButton::clicked, this, &WordFileExportDialog::SaveFileClick);
  connect(Button("ExitButton", tr("&Exit"), 300), &QPushButton::clicked, this,
          &WordFileExportDialog::ExitButtonClick);
}

void WordFileExportDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!shown_) FormShow();
}

void WordFileExportDialog::FormShow() {
  if (shown_) return;
  shown_ = true;
  PlaceDialog(this, false);
  // The words-and-clues lines are padded for a fixed-pitch font, whatever the user's list font.
  QFont fixedPitch = linesList_->font();
  fixedPitch.setFamily(QStringLiteral("Courier New"));
  fixedPitch.setStyleHint(QFont::Monospace);
  linesList_->setFont(fixedPitch);
  sepCharLabel_->hide();
  sepChar_->hide();
  if (AppSettings().useClues) {
    // The box first: choosing the words-and-clues form builds its lines with it.
    ShowSeparator(AppSettings().sepChar);
    const long option = AppSettings().exportOption;
    if (option >= 1 && option <= 3) ChooseForm(static_cast<WordFileForm>(option));
  } else {
    OfferWordsOnly();
    ChooseForm(WordFileForm::Words);
  }
  saveFile_->setEnabled(false);
}

void WordFileExportDialog::ChooseForm(WordFileForm form) {
  CheckForm(form);
  AppSettings().exportOption = static_cast<long>(form);
  if (form == WordFileForm::WordsAndClues)
    DoBoth();
  else
    Fill(form, {});
}

void WordFileExportDialog::Fill(WordFileForm form, const std::string& separator) {
  // A words-and-clues line's clue starts after the padded word, the separator and a space.
  static_cast<HangingLines*>(hanging_)->indent =
      form == WordFileForm::WordsAndClues
          ? static_cast<int>(JoinWordClue("", separator.empty() ? ":" : separator, "x").size()) - 1
          : 0;
  ShowLines(WordFileExportLines(grid_.Rows(), form, separator));
  // Nothing is selected after a fill, so there is nothing to save yet.
  saveFile_->setEnabled(false);
}

void WordFileExportDialog::AsWordsClick() {
  ChooseForm(WordFileForm::Words);
}

void WordFileExportDialog::AsCluesClick() {
  ChooseForm(WordFileForm::Clues);
}

void WordFileExportDialog::AsWordsAndCluesClick() {
  ChooseForm(WordFileForm::WordsAndClues);
}

void WordFileExportDialog::DoBoth() {
  Fill(WordFileForm::WordsAndClues, TypedSeparatorText());
}

void WordFileExportDialog::SepCharChange() {
  if (asWordsAndClues_->isChecked()) DoBoth();
}

void WordFileExportDialog::LineSelectionChanged() {
  saveFile_->setEnabled(!linesList_->selectedItems().isEmpty());
}

void WordFileExportDialog::SelectAllClick() {
  linesList_->selectAll();
  saveFile_->setEnabled(true);
}

void WordFileExportDialog::ClearClick() {
  linesList_->clearSelection();
  saveFile_->setEnabled(false);
}

void WordFileExportDialog::SaveFileClick() {
  const std::vector<std::string> lines = SelectedLines();
  if (lines.empty()) {
    ShowMessage(tr("No words/clues selected for output.  Please select the desired words/clues."),
                "Error");
    return;
  }
  const std::optional<std::string> file =
      RunFileDialog(this, FileDialogRequest::ForSave(tr("Save Word/Clue List").toStdString(),
                                                     tr("text (*.txt)|*.txt").toStdString(), "txt",
                                                     AppSettings().lastExportWordFile));
  if (!file) return;
  AppSettings().lastExportWordFile = *file;
  // A refusal (the file holds a group or a library), a file that cannot be created and a failed
  // write are each shown, and the dialog stays open.
  if (RunAndReport([&] { return WriteWordFile(*file, lines); })) accept();
}

void WordFileExportDialog::ExitButtonClick() {
  reject();
}

}  // namespace gw

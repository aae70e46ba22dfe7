// The thesaurus's word suggestion dialog.
#include "language/ThesaurusSuggestionsDialog.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "base/TextCodec.h"
#include "language/ChosenReplacement.h"
#include "widgets/FormLayout.h"
#include "widgets/Help.h"
#include "widgets/Messages.h"

namespace gw {

ThesaurusSuggestionsDialog::ThesaurusSuggestionsDialog(const std::string& word,
                                                       const std::vector<std::string>& suggestions,
                                                       QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(tr("Word Suggestions"));
  SetHelpTopic(this, "Thesaurus");
  resize(300, 296);
  setFont(DesignFont(15));
  auto* heading =
      Named(new QLabel(tr("Suggestion for"), this), "SuggestionLabel", {12, 12, 122, 22});
  auto* wordLabel = Named(new QLabel(ToQString(word), this), "WordLabel", {136, 12, 152, 22});
  wordLabel->setFont(DesignFont(15, true));
  wordLabel->setProperty("gwKeepDesignFont", true);
  sugBox_ = Named(new QListWidget(this), "SugBox", {12, 40, 276, 200});
  for (const std::string& s : suggestions) sugBox_->addItem(ToQString(s));
  sugBox_->setAccessibleName(heading->text() + QLatin1Char(' ') + wordLabel->text());
  if (sugBox_->count() > 0) sugBox_->setCurrentRow(0);
  connect(sugBox_, &QListWidget::itemDoubleClicked, this, &ThesaurusSuggestionsDialog::OkClick);
  auto* ok = Named(new QPushButton(tr("&Ok"), this), "OkButton", {52, 252, 92, 30});
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &ThesaurusSuggestionsDialog::OkClick);
  auto* cancel = Named(new QPushButton(tr("&Cancel"), this), "CancelButton", {156, 252, 92, 30});
  connect(cancel, &QPushButton::clicked, this, &ThesaurusSuggestionsDialog::CancelClick);
  PlaceDialog(this, false);
}

void ThesaurusSuggestionsDialog::OkClick() {
  const std::optional<std::string> chosen = ChosenReplacement(sugBox_);
  if (!chosen) return;
  result_ = chosen;
  accept();
}

void ThesaurusSuggestionsDialog::CancelClick() {
  result_.reset();
  reject();
}

}  // namespace gw

// The dictionary maintenance dialog.
#include "language/UserDictionaryDialog.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "base/TextCodec.h"
#include "base/TextUtils.h"
#include "language/Availability.h"
#include "widgets/FormLayout.h"
#include "widgets/Help.h"
#include "widgets/Messages.h"

namespace gw {

UserDictionaryDialog::UserDictionaryDialog(const AppPaths& paths, long language, LexiconKind kind,
                                           QWidget* parent)
    : QDialog(parent), path_(LexiconPath(paths, language, kind)), kind_(kind) {
  setWindowTitle(tr("Dictionary Maintenance"));
  SetHelpTopic(this, "User dictionary");
  resize(380, 336);
  setFont(DesignFont(15));
  headLabel_ = Named(new QLabel(this), "HeadLabel", {12, 10, 356, 40});
  headLabel_->setWordWrap(true);
  theList_ = Named(new QListWidget(this), "TheList", {12, 56, 240, 228});
  addInfo_ = Named(new QLineEdit(this), "AddInfo", {12, 294, 240, 28});
  addInfo_->setMaxLength(255);
  addInfo_->setAccessibleName(tr("Word to add"));
  struct Button {
    const char* name;
    const char* text;
    QRect design;
    void (UserDictionaryDialog::*handler)();
  };
  const Button buttons[] = {
      {"DeleteButton",
       QT_TR_NOOP("&Delete"),
       {264, 56, 104, 30},
       &UserDictionaryDialog::DeleteClick},
      {"OkButton", QT_TR_NOOP("&Ok"), {264, 214, 104, 30}, &UserDictionaryDialog::OkClick},
      {"CancelButton",
       QT_TR_NOOP("&Cancel"),
       {264, 250, 104, 30},
       &UserDictionaryDialog::CancelClick},
      {"AddButton", QT_TR_NOOP("&Add"), {264, 293, 104, 30}, &UserDictionaryDialog::AddClick}};
  for (const Button& b : buttons) {
    auto* button = Named(new QPushButton(tr(b.text), this), b.name, b.design);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, b.handler);
  }
  // Enter in the edit box adds its word rather than closing the dialog.
  connect(addInfo_, &QLineEdit::returnPressed, this, &UserDictionaryDialog::AddClick);

  const QString name =
      QCoreApplication::translate("gw::LanguageNames", DictionaryInfo(language).name);
  headLabel_->setText(
      kind == LexiconKind::Include
          ? tr("These words will be added to the %1 dictionary and counted as valid.").arg(name)
          : tr("These words will be excluded from the  %1 dictionary and will be invalid.")
                .arg(name));
  theList_->setAccessibleName(headLabel_->text());
  for (const std::string& word : ReadLexicon(path_)) theList_->addItem(ToQString(word));
  if (theList_->count() > 0) theList_->setCurrentRow(0);
  PlaceDialog(this, false);
  addInfo_->setFocus();
}

void UserDictionaryDialog::AddClick() {
  const std::string word = Trim(FromQString(addInfo_->text()));
  if (!word.empty()) theList_->addItem(ToQString(word));
  addInfo_->clear();
  addInfo_->setFocus();
}

void UserDictionaryDialog::DeleteClick() {
  QListWidgetItem* item = theList_->currentItem();
  if (!item || !item->isSelected()) return;
  const int row = theList_->row(item);
  delete theList_->takeItem(row);
  if (theList_->count() == 0) return;
  theList_->setCurrentRow(std::min(row, theList_->count() - 1));
}

void UserDictionaryDialog::OkClick() {
  std::vector<std::string> words;
  for (int i = 0; i < theList_->count(); ++i)
    words.push_back(FromQString(theList_->item(i)->text()));
  const OpResult written = WriteLexicon(path_, words);
  if (!written.ok) {
    ShowMessage(written.message, written.caption);
    return;
  }
  accept();
}

void UserDictionaryDialog::CancelClick() {
  reject();
}

}  // namespace gw

// The hidden phrase dialog and the bonus question dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "base/TextCodec.h"
#include "generator/BonusQuestionDialog.h"
#include "generator/FillFixtures.h"
#include "generator/FillLetters.h"
#include "generator/HiddenPhraseDialog.h"
#include "support/Seams.h"

namespace gw {
namespace {

void Type(QLineEdit* edit, const QString& text) {
  for (QChar ch : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(edit, &press);
  }
}

TEST(ChangeThePhrase, OkPlacesAValidPhraseAndRefusesOthers) {
  test::ScriptedSeams seams;
  auto p = test::SeventyLetterPuzzle();
  HiddenPhraseDialog dialog(*p);
  auto* box = dialog.findChild<QLineEdit*>("HiddenPhrase");
  dialog.findChild<QCheckBox*>("IncludeHidden")->setChecked(true);

  box->setText("abc def");
  dialog.OkButtonClick();
  EXPECT_EQ(seams.Single(), "Spaces were used in the hidden phrase.  Please correct.");
  EXPECT_EQ(seams.Messages().back().caption, "Error");
  box->setText("short");
  dialog.OkButtonClick();
  EXPECT_EQ(seams.Messages().back().text,
            "30 characters are required for the hidden phrase.  You have entered 5 characters."
            "  Please change your phrase or select not to use a phrase.");
  EXPECT_NE(dialog.result(), QDialog::Accepted);

  seams.Clear();
  box->setText("wordsearchpuzzlesarefunforallx");
  dialog.OkButtonClick();
  EXPECT_TRUE(seams.Messages().empty());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(CollectFillLetters(dialog.Puzzle()), "WORDSEARCHPUZZLESAREFUNFORALLX");

  auto target = test::SeventyLetterPuzzle();
  target->Word(1).Set("KEEP");
  dialog.ApplyTo(*target);
  EXPECT_EQ(CollectFillLetters(*target), "WORDSEARCHPUZZLESAREFUNFORALLX");
  EXPECT_EQ(target->hiddenPhraseUsed, 1);
  EXPECT_EQ(target->Word(1).Get(), "KEEP");
}

TEST(ChangeThePhrase, ShowsTheFillLettersAndOkWithoutPhraseFillsRandomly) {
  auto p = test::SeventyLetterPuzzle();
  PlacePhrase(*p, std::string(30, 'w'));
  p->hiddenPhraseUsed = 1;
  HiddenPhraseDialog dialog(*p);
  EXPECT_EQ(dialog.windowTitle(), "Hidden Puzzle Phrase");
  EXPECT_EQ(dialog.findChild<QLabel*>("NumChars")->text(), "30 Chars");
  auto* box = dialog.findChild<QLineEdit*>("HiddenPhrase");
  auto* check = dialog.findChild<QCheckBox*>("IncludeHidden");
  EXPECT_EQ(box->text(), QString(30, 'W'));
  EXPECT_EQ(box->maxLength(), 30);
  EXPECT_TRUE(box->isEnabled() && check->isEnabled() && check->isChecked());
  EXPECT_EQ(dialog.focusWidget(), box);

  check->setChecked(false);
  dialog.OkButtonClick();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.Puzzle().hiddenPhraseUsed, 0);
  const std::string fill = CollectFillLetters(dialog.Puzzle());
  EXPECT_NE(fill, std::string(30, 'W'));
  for (char ch : fill) EXPECT_TRUE(ch >= 'A' && ch <= 'Z');
}

TEST(ChangeThePhrase, TwoHundredFiftySixEmptyCellsAllowNoPhrase) {
  auto p = test::BlankPuzzle(16, 16);  // 256 empty cells
  p->hiddenPhraseUsed = 1;
  {
    HiddenPhraseDialog dialog(*p);
    EXPECT_EQ(dialog.findChild<QLabel*>("NumChars")->text(), "256 Chars");
    EXPECT_FALSE(dialog.findChild<QLineEdit*>("HiddenPhrase")->isEnabled());
    EXPECT_FALSE(dialog.findChild<QCheckBox*>("IncludeHidden")->isEnabled());
    EXPECT_FALSE(dialog.findChild<QCheckBox*>("IncludeHidden")->isChecked());
    EXPECT_EQ(dialog.focusWidget(), dialog.findChild<QPushButton*>("OkButton"));
    dialog.OkButtonClick();
    EXPECT_EQ(dialog.Puzzle().hiddenPhraseUsed, 0);
    EXPECT_EQ(CollectFillLetters(dialog.Puzzle()).find(' '), std::string::npos);
  }
  p->Letter(CellIndex(1, 1)) = 'Q';  // 255: a phrase fits again
  HiddenPhraseDialog dialog(*p);
  EXPECT_TRUE(dialog.findChild<QLineEdit*>("HiddenPhrase")->isEnabled());
  EXPECT_TRUE(dialog.findChild<QCheckBox*>("IncludeHidden")->isChecked());
}

TEST(BonusQuestion, CutsTo150AndStopsTypingAt120) {
  const std::string longQuestion = std::string(140, 'a') + std::string(60, 'b');
  {
    BonusQuestionDialog dialog(longQuestion);
    EXPECT_EQ(dialog.windowTitle(), "Bonus Question");
    auto* box = dialog.findChild<QLineEdit*>("BonusText");
    EXPECT_EQ(box->text().size(), 150);  // a stored question is shown whole
    Type(box, "zz");                     // but cannot grow by typing
    EXPECT_EQ(box->text().size(), 150);
    dialog.OkButtonClick();
    EXPECT_EQ(dialog.BonusQuestion(), longQuestion.substr(0, 150));
  }
  BonusQuestionDialog dialog("What is the capital of France?");
  auto* box = dialog.findChild<QLineEdit*>("BonusText");
  box->clear();
  Type(box, QString(130, 'x'));
  EXPECT_EQ(box->text(), QString(120, 'x'));
  box->setCursorPosition(10);
  box->insert("yyyy");  // a paste past the limit is cut
  EXPECT_EQ(box->text(), QString(120, 'x'));
  box->setText(QString(118, 'x'));
  box->setCursorPosition(0);
  box->insert("yyyy");
  EXPECT_EQ(box->text(), "yy" + QString(118, 'x'));
  box->setText(QString::fromLatin1("  Qu\xE9 es?  "));
  dialog.OkButtonClick();
  EXPECT_EQ(dialog.BonusQuestion(), "Qu\xE9 es?");
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace gw

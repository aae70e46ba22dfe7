// The choosers shown when the language is picked at use time: spelling and thesaurus.
#pragma once

#include <QDialog>
#include <array>
#include <vector>

class QRadioButton;

namespace gw {

// Radio buttons for values 1..n. The remembered choice is checked on opening (the first enabled
// one when it cannot be used) and follows every click at once; "&Ok" accepts with Chosen().
class LanguageChooser : public QDialog {
  Q_OBJECT

 public:
  struct Choice {
    const char* name;
    QString text;
    bool available;
  };
  LanguageChooser(const QString& caption, const std::vector<Choice>& choices, long& remembered,
                  QWidget* parent);

  long Chosen() const;
  void RadioClick(long value);
  void OkClick();
  void CancelClick();

 private:
  std::vector<QRadioButton*> buttons_;
  long& remembered_;
};

// "Spell Check": the eight dictionaries; `available` by "Dictionary" value 1..8.
class SpellingLanguageDialog : public LanguageChooser {
  Q_OBJECT
 public:
  SpellingLanguageDialog(const std::array<bool, 9>& available, long& remembered,
                         QWidget* parent = nullptr);
};

// "Thesaurus": American and British.
class ThesaurusLanguageDialog : public LanguageChooser {
  Q_OBJECT
 public:
  ThesaurusLanguageDialog(const std::array<bool, 3>& available, long& remembered,
                          QWidget* parent = nullptr);
};

}  // namespace gw

// The use-time language choosers.
#include "language/LanguageChooser.h"

#include <QPushButton>
#include <QRadioButton>

#include "widgets/FormLayout.h"
#include "widgets/Help.h"

namespace gw {

LanguageChooser::LanguageChooser(const QString& caption, const std::vector<Choice>& choices,
                                 long& remembered, QWidget* parent)
    : QDialog(parent), remembered_(remembered) {
  setWindowTitle(caption);
  const int count = static_cast<int>(choices.size());
  resize(220, 24 + count * 28 + 56);
  setFont(DesignFont(15));
  for (int i = 0; i < count; ++i) {
    const long value = i + 1;
    auto* radio =
        Named(new QRadioButton(choices[i].text, this), choices[i].name, {28, 16 + i * 28, 170, 24});
    radio->setEnabled(choices[i].available);
    connect(radio, &QRadioButton::clicked, this, [this, value] { RadioClick(value); });
    buttons_.push_back(radio);
  }
  const int y = 24 + count * 28;
  auto* ok = Named(new QPushButton(tr("&Ok"), this), "OkButton", {14, y, 92, 30});
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &LanguageChooser::OkClick);
  auto* cancel = Named(new QPushButton(tr("&Cancel"), this), "CancelButton", {114, y, 92, 30});
  connect(cancel, &QPushButton::clicked, this, &LanguageChooser::CancelClick);

  // A remembered language that has gone away gives its place to the first one installed.
  long checked = remembered_;
  if (checked < 1 || checked > count || !choices[checked - 1].available) {
    checked = 0;
    for (int i = 0; i < count && checked == 0; ++i)
      if (choices[i].available) checked = i + 1;
  }
  if (checked > 0) buttons_[checked - 1]->setChecked(true);
  ok->setEnabled(checked > 0);
  PlaceDialog(this, false);
}

long LanguageChooser::Chosen() const {
  for (size_t i = 0; i < buttons_.size(); ++i)
    if (buttons_[i]->isChecked()) return static_cast<long>(i) + 1;
  return 0;
}

void LanguageChooser::RadioClick(long value) {
  buttons_[value - 1]->setChecked(true);
  remembered_ = value;
}

void LanguageChooser::OkClick() {
  if (Chosen() > 0) accept();
}

void LanguageChooser::CancelClick() {
  reject();
}

SpellingLanguageDialog::SpellingLanguageDialog(const std::array<bool, 9>& available,
                                               long& remembered, QWidget* parent)
    : LanguageChooser(tr("Spell Check"),
                      {{"American", tr("&American"), available[1]},
                       {"British", tr("&British"), available[2]},
                       {"Spanish", tr("&Spanish"), available[3]},
                       {"Italian", tr("&Italian"), available[4]},
                       {"French", tr("&French"), available[5]},
                       {"German", tr("&German"), available[6]},
                       {"Dutch", tr("&Dutch"), available[7]},
                       {"Swedish", tr("S&wedish"), available[8]}},
                      remembered, parent) {
  SetHelpTopic(this, "Spell check");
}

ThesaurusLanguageDialog::ThesaurusLanguageDialog(const std::array<bool, 3>& available,
                                                 long& remembered, QWidget* parent)
    : LanguageChooser(
          tr("Thesaurus"),
          {{"American", tr("&American"), available[1]}, {"British", tr("&British"), available[2]}},
          remembered, parent) {
  SetHelpTopic(this, "Thesaurus");
}

}  // namespace gw

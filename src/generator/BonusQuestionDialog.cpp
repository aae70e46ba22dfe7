// The bonus question dialog: the question printed with the puzzle, edited for one print.
#include "generator/BonusQuestionDialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QValidator>
#include <algorithm>

#include "base/TextCodec.h"
#include "base/TextUtils.h"
#include "widgets/FormLayout.h"
#include "widgets/Help.h"

namespace gw {

namespace {

constexpr size_t kStoredLength = 150;

// Typing stops at the limit, but a question stored longer (up to 150 characters) is shown and
// kept whole: a plain maximum length would cut it as soon as the box is filled. Text that
// would pass the limit loses the characters just inserted, as a capped box does with a paste.
// The box already holds the new text while it is validated, so the length before the edit is
// followed through textChanged. Text set by the program passes through here as well; the
// dialog sets it only before installing the limit.
class TypingLimit : public QValidator {
 public:
  TypingLimit(QLineEdit* edit, int limit)
      : QValidator(edit), limit_(limit), before_(static_cast<int>(edit->text().size())) {
    connect(edit, &QLineEdit::textChanged, this,
            [this](const QString& text) { before_ = static_cast<int>(text.size()); });
  }

  State validate(QString& input, int& pos) const override {
    const int excess = static_cast<int>(input.size()) - std::max(limit_, before_);
    if (excess <= 0) return Acceptable;
    const int from = std::clamp(pos - excess, 0, static_cast<int>(input.size()) - excess);
    input.remove(from, excess);
    pos = from;
    return Acceptable;
  }

 private:
  int limit_;
  int before_;
};

}  // namespace

BonusQuestionDialog::BonusQuestionDialog(const std::string& bonusQuestion, QWidget* parent)
    : QDialog(parent), question_(Cut(bonusQuestion, kStoredLength)) {
  setWindowTitle(tr("Bonus Question"));
  SetHelpTopic(this, "Bonus question");
  resize(560, 116);
  setFont(DesignFont(17));

  bonusText_ = new QLineEdit(this);
  bonusText_->setObjectName(QStringLiteral("BonusText"));
  bonusText_->setGeometry(16, 20, 528, 28);
  bonusText_->setAccessibleName(tr("Bonus Question"));
  // The stored text goes in before the limit exists: setText is validated too.
  bonusText_->setText(ToQString(question_));
  bonusText_->setValidator(new TypingLimit(bonusText_, kTypingLimit));
  bonusText_->setCursorPosition(0);

  auto* ok = new QPushButton(tr("&Ok"), this);
  ok->setObjectName(QStringLiteral("OkButton"));
  ok->setGeometry(174, 70, 100, 30);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &BonusQuestionDialog::OkButtonClick);

  auto* cancel = new QPushButton(tr("&Cancel"), this);
  cancel->setObjectName(QStringLiteral("CancelButton"));
  cancel->setGeometry(286, 70, 100, 30);
  connect(cancel, &QPushButton::clicked, this, &BonusQuestionDialog::CancelButtonClick);

  PlaceDialog(this, false);
  bonusText_->setFocus();
}

void BonusQuestionDialog::OkButtonClick() {
  question_ = Cut(Trim(FromQString(bonusText_->text())), kStoredLength);
  accept();
}

void BonusQuestionDialog::CancelButtonClick() {
  reject();
}

}  // namespace gw

// Tip of the Day: 32 short tips about the program, one at random at start-up.
#include "app/TipOfTheDayDialog.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "base/Random.h"
#include "base/Settings.h"
#include "widgets/FormLayout.h"

namespace gw {

const std::array<const char*, TipOfTheDayDialog::kTipCount>& TipOfTheDayDialog::Tips() {
  static const std::array<const char*, kTipCount> tips = {
      QT_TR_NOOP(
          "You can place hidden phrases in your word search puzzle utilizing the unused letters of "
          "the puzzle."),
      QT_TR_NOOP(
          "You can create a text file \"badlist.txt\" that the program will use to screen for your "
          "own offensive words ensuring they do not show up in the puzzle."),
      QT_TR_NOOP(
          "Every puzzle is checked in all eight directions for offensive words before you see it, "
          "and again when its fill letters are chosen."),
      QT_TR_NOOP(
          "Raise the number of creation attempts (up to 999) to give every word a better chance to "
          "fit. The four best grids are offered to you."),
      QT_TR_NOOP(
          "Double click any of the four candidate grids to see it enlarged before you decide which "
          "one to save."),
      QT_TR_NOOP(
          "The Word Integration slider sets how much the words cross each other. Move it to the "
          "right for a tightly woven puzzle."),
      QT_TR_NOOP(
          "Turn off directions such as Left, Up and the diagonals to make easier puzzles for young "
          "children."),
      QT_TR_NOOP("Check \"Shrink\" to let the program trim empty rows and columns from the bottom "
                 "and right "
                 "of the finished grid."),
      QT_TR_NOOP(
          "Puzzles don't have to be square. Pick a heart, a star or a tree under Puzzle Shape, or "
          "draw your own with the shape editor."),
      QT_TR_NOOP("In the shape editor a left click toggles one cell and a right click fills a "
                 "whole region "
                 "at once."),
      QT_TR_NOOP(
          "Shapes travel between computers: use Export on the Shapes window and Import on the "
          "other machine."),
      QT_TR_NOOP("Keep your puzzles organized in groups. Each group file holds as many puzzles as "
                 "you like, "
                 "sorted by category."),
      QT_TR_NOOP("Use Copy Puzzle to start a new puzzle from an existing word list. The copy gets "
                 "a number "
                 "added to its title."),
      QT_TR_NOOP(
          "Type a clue beside each word to make a clue puzzle: the solver reads the clue and must "
          "find the matching word."),
      QT_TR_NOOP("Hide the clue column with \"Use Clues\" when you only need words. Your clues are "
                 "kept and "
                 "come back when you show it again."),
      QT_TR_NOOP(
          "Words may contain spaces, such as ICE CREAM. The space is left out in the grid, so the "
          "solver looks for ICECREAM."),
      QT_TR_NOOP(
          "Tab and Enter move between the cells of the word list, so a long list can be typed "
          "without touching the mouse."),
      QT_TR_NOOP(
          "Import a word list from a text file, one word per line, or words and clues separated by "
          "a colon."),
      QT_TR_NOOP(
          "Export your word and clue list to a text file to share it or to edit it in another "
          "program."),
      QT_TR_NOOP("A puzzle holds up to 330 words. Words that cannot be placed are listed as "
                 "excluded words "
                 "before you save."),
      QT_TR_NOOP("Add a bonus question to a puzzle. It can be printed below the grid as an extra "
                 "challenge."),
      QT_TR_NOOP(
          "The page layout decides where the title, the grid and the word list go on the printed "
          "page. Each puzzle keeps its own copy."),
      QT_TR_NOOP(
          "Design your own page layouts with text, pictures, rectangles and circles, and make one "
          "of them the default for new puzzles."),
      QT_TR_NOOP("Print the answer key with the words circled in the grid, ready for marking."),
      QT_TR_NOOP("Save a puzzle page as a picture or an HTML page to put it on a school web site."),
      QT_TR_NOOP(
          "Modify Puzzle lets you change the title, the category, the clues and the bonus question "
          "of a stored puzzle without losing its grid."),
      QT_TR_NOOP(
          "Use Screen Size on the Options menu to make every window larger on a big monitor."),
      QT_TR_NOOP("Choose your own fonts for labels, edit boxes and buttons on the Options menu."),
      QT_TR_NOOP("The spell checker looks at your words and clues in eight languages, and you can "
                 "add your "
                 "own words to its dictionary."),
      QT_TR_NOOP("Press F1 to F12 in the word list to type accented letters such as \xC3\xA1, "
                 "\xC3\xA9 and \xC3\xB1."),
      QT_TR_NOOP(
          "Turn the background picture of the main window on or off with Background Bitmap on the "
          "Options menu."),
      QT_TR_NOOP("The thesaurus suggests synonyms for a word and can turn one of them into the "
                 "word's clue "
                 "in a single step."),
  };
  return tips;
}

namespace {

// The light bulb beside the tip.
class BulbPanel : public QFrame {
 public:
  using QFrame::QFrame;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), QColor(128, 128, 128));
    p.setRenderHint(QPainter::Antialiasing);
    const double s = width() / 60.0;
    p.scale(s, s);
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(QColor(255, 240, 120));
    p.drawEllipse(QPointF(30, 28), 13, 13);
    p.setBrush(QColor(190, 190, 190));
    p.drawRect(QRectF(24, 40, 12, 10));
    p.drawLine(QPointF(24, 44), QPointF(36, 44));
  }
};

}  // namespace

TipOfTheDayDialog::TipOfTheDayDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Tip of the Day"));
  resize(420, 230);
  setFont(DesignFont(15));

  auto* bulb = new BulbPanel(this);
  bulb->setObjectName(QStringLiteral("BulbPanel"));
  bulb->setGeometry(12, 12, 60, 164);

  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("TipPanel"));
  panel->setGeometry(72, 12, 336, 164);
  panel->setFrameShape(QFrame::Box);
  panel->setAutoFillBackground(true);
  QPalette pal = panel->palette();
  pal.setColor(QPalette::Window, Qt::white);
  panel->setPalette(pal);

  auto* heading = new QLabel(tr("Did you know..."), panel);
  heading->setObjectName(QStringLiteral("DidYouKnow"));
  heading->setGeometry(12, 8, 300, 30);
  heading->setFont(DesignFont(19, true, "Times New Roman"));
  heading->setProperty("gwKeepDesignFont", true);

  tipText_ = new QLabel(panel);
  tipText_->setObjectName(QStringLiteral("TipText"));
  tipText_->setGeometry(12, 44, 312, 110);
  tipText_->setWordWrap(true);
  tipText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  showTips_ = new QCheckBox(tr("&Show Tips at Startup"), this);
  showTips_->setObjectName(QStringLiteral("ShowTips"));
  showTips_->setGeometry(12, 190, 190, 24);
  showTips_->setChecked(AppSettings().showTips);

  auto* next = new QPushButton(tr("&Next Tip"), this);
  next->setObjectName(QStringLiteral("NextTip"));
  next->setGeometry(226, 188, 88, 28);
  connect(next, &QPushButton::clicked, this, &TipOfTheDayDialog::NextTipClick);
  auto* close = new QPushButton(tr("&Close"), this);
  close->setObjectName(QStringLiteral("CloseButton"));
  close->setGeometry(320, 188, 88, 28);
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  PlaceDialog(this, false);
  current_ = GlobalRandom().Random(kTipCount);
  ShowTip();
}

void TipOfTheDayDialog::ShowTip() {
  tipText_->setText(tr(Tips()[static_cast<size_t>(current_)]));
}

void TipOfTheDayDialog::NextTipClick() {
  current_ = (current_ + 1) % kTipCount;
  ShowTip();
}

void TipOfTheDayDialog::done(int result) {
  AppSettings().showTips = showTips_->isChecked();
  QDialog::done(result);
}

}  // namespace gw

// The web page window: "HTML Creation".
#include "printing/WebPageWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

#include "base/TextCodec.h"
#include "base/TextUtils.h"
#include "page/HtmlExport.h"
#include "widgets/FileDialogs.h"
#include "widgets/FormLayout.h"
#include "widgets/Help.h"
#include "widgets/Messages.h"

namespace gw {

namespace {

// The memos take one character more than a block keeps, as they always have.
constexpr int kMemoLength = 1000;
constexpr const char* kSizes[] = {"8 pt", "10 pt", "12 pt", "14 pt", "18 pt", "24 pt", "36 pt"};

// Design geometry: the blocks' columns and the height one block takes.
constexpr int kMargin = 16, kMemoWidth = 392, kBoxLeft = 420, kSizeLeft = 516, kBlockHeight = 98;

QString Name(const char* block, const char* part) {
  return QString::fromLatin1(block) + QString::fromLatin1(part);
}

}  // namespace

WebPageWindow::WebPageWindow(const QImage& pageImage, QWidget* parent)
    : QDialog(parent), pageImage_(pageImage) {
  setWindowTitle(tr("HTML Creation"));
  SetHelpTopic(this, "Web page");
  setObjectName(QStringLiteral("MyHtml"));
  resize(640, 640);
  setFont(DesignFont(15));

  auto* heading =
      Named(new QLabel(tr("Create A Web Page"), this), "Heading", QRect(16, 6, 608, 30));
  heading->setFont(DesignFont(21, true));
  heading->setAlignment(Qt::AlignCenter);

  blocks_[0] = AddBlock(&SettingsValues::firstHeader, "FirstHeader", tr("First Header Lines"), 40);
  blocks_[1] = AddBlock(&SettingsValues::secondHeader, "SecondHeader", tr("Second Header Lines"),
                        40 + kBlockHeight);

  SettingsValues& s = AppSettings();
  auto rule = [this](const char* name, bool& setting, int top) {
    auto* box =
        Named(new QCheckBox(tr("Horizontal Line"), this), name, QRect(kMargin, top, 200, 22));
    box->setChecked(setting);
    connect(box, &QCheckBox::toggled, this, [&setting](bool on) { setting = on; });
  };
  rule("UpperLineBox", s.horizontalUpper, 238);
  auto* picture = Named(new QLabel(tr("Puzzle will go here"), this), "PuzzlePlace",
                        QRect(kMargin, 264, 608, 44));
  picture->setAlignment(Qt::AlignCenter);
  picture->setFrameStyle(QFrame::Box | QFrame::Plain);
  rule("LowerLineBox", s.horizontalLower, 314);

  blocks_[2] = AddBlock(&SettingsValues::firstFooter, "FirstFooter", tr("First Footer Lines"), 340);
  blocks_[3] = AddBlock(&SettingsValues::secondFooter, "SecondFooter", tr("Second Footer Lines"),
                        340 + kBlockHeight);

  auto* titleLabel =
      Named(new QLabel(tr("Web Page Title"), this), "WebTitleLabel", QRect(kMargin, 546, 140, 24));
  webTitle_ =
      Named(new QLineEdit(ToQString(s.webTitle), this), "WebTitle", QRect(160, 544, 464, 28));
  webTitle_->setMaxLength(static_cast<int>(kHtmlTitleKeep));
  titleLabel->setBuddy(webTitle_);

  auto* save =
      Named(new QPushButton(tr("&Save HTML"), this), "SaveButton", QRect(190, 590, 120, 32));
  save->setDefault(true);
  connect(save, &QPushButton::clicked, this, &WebPageWindow::SaveButtonClick);
  auto* cancel =
      Named(new QPushButton(tr("&Cancel"), this), "CancelButton", QRect(330, 590, 120, 32));
  connect(cancel, &QPushButton::clicked, this, &WebPageWindow::CancelButtonClick);

  PlaceDialog(this, false);
  blocks_[0].text->setFocus();
}

WebPageWindow::BlockControls WebPageWindow::AddBlock(HtmlBlock SettingsValues::*setting,
                                                     const char* name, const QString& caption,
                                                     int top) {
  HtmlBlock& block = AppSettings().*setting;
  BlockControls c;
  c.setting = setting;
  auto* label = Named(new QLabel(caption, this), Name(name, "Label").toLatin1().constData(),
                      QRect(kMargin, top, 300, 22));
  c.text = Named(new QPlainTextEdit(this), Name(name, "Lines").toLatin1().constData(),
                 QRect(kMargin, top + 24, kMemoWidth, 68));
  // The settings keep CR LF between lines; the memo shows plain line breaks.
  QString shown = ToQString(block.text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  c.text->setPlainText(shown);
  c.text->setTabChangesFocus(true);
  connect(c.text, &QPlainTextEdit::textChanged, this, [edit = c.text] {
    // As long as a memo of 1000 characters: what is typed beyond stays out.
    const QString text = edit->toPlainText();
    if (text.size() <= kMemoLength) return;
    QTextCursor cursor = edit->textCursor();
    const int at = std::min(cursor.position(), kMemoLength);
    QSignalBlocker quiet(edit);
    edit->setPlainText(text.left(kMemoLength));
    cursor = edit->textCursor();
    cursor.setPosition(at);
    edit->setTextCursor(cursor);
  });
  label->setBuddy(c.text);

  auto box = [this, name, top, caption](const char* part, const QString& text, int row,
                                        bool& flag) {
    auto* b = Named(new QCheckBox(text, this), Name(name, part).toLatin1().constData(),
                    QRect(kBoxLeft, top + 22 + row * 24, 90, 22));
    b->setChecked(flag);
    // Four blocks have the same three boxes: say which block this one belongs to.
    b->setAccessibleDescription(caption);
    connect(b, &QCheckBox::toggled, this, [&flag](bool on) { flag = on; });
    return b;
  };
  c.bold = box("Bold", tr("Bold"), 0, block.bold);
  c.italic = box("Italic", tr("Italic"), 1, block.italic);
  c.center = box("Center", tr("Center"), 2, block.center);

  auto* sizeLabel =
      Named(new QLabel(tr("Font Size"), this), Name(name, "SizeLabel").toLatin1().constData(),
            QRect(kSizeLeft, top + 22, 108, 22));
  c.size = Named(new QComboBox(this), Name(name, "Size").toLatin1().constData(),
                 QRect(kSizeLeft, top + 46, 108, 28));
  sizeLabel->setBuddy(c.size);
  // A combo box is read out by its current entry; its label names it.
  c.size->setAccessibleName(sizeLabel->text());
  c.size->setAccessibleDescription(caption);
  for (const char* size : kSizes) c.size->addItem(QString::fromLatin1(size));
  c.size->setCurrentIndex(
      static_cast<int>(std::clamp(block.fontSize, kHtmlSmallestSize, kHtmlLargestSize) - 1));
  connect(c.size, &QComboBox::currentIndexChanged, this,
          [&block](int index) { block.fontSize = index + 1; });
  return c;
}

void WebPageWindow::SaveButtonClick() {
  SettingsValues& s = AppSettings();
  const std::optional<std::string> name =
      RunFileDialog(this, FileDialogRequest::ForSave(tr("Save HTML Document").toStdString(),
                                                     tr("html (*.htm)|*.htm").toStdString(), "htm",
                                                     s.lastExportHtmlFile));
  if (!name) return;
  s.lastExportHtmlFile = Cut(*name, kRememberedFileLength);

  for (const BlockControls& c : blocks_)
    (s.*c.setting).text = KeptBlockText(FromQString(c.text->toPlainText()));
  s.webTitle = KeptWebTitle(FromQString(webTitle_->text()));
  webTitle_->setText(ToQString(s.webTitle));

  const OpResult saved =
      SaveHtmlPage(*name, HtmlOptionsFrom(s), pageImage_, static_cast<int>(s.jpegQuality));
  if (saved.HasMessage()) ShowMessage(saved.message, saved.caption);
  // A page that could not be made keeps the window open with everything typed.
  if (saved.ok) accept();
}

void WebPageWindow::CancelButtonClick() {
  reject();
}

}  // namespace gw

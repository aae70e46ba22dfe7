// The web page window: the texts, styles and rules of the page made from the previewed puzzle.
#pragma once

#include <QDialog>
#include <QImage>
#include <array>

#include "base/Settings.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace gw {

// "HTML Creation": four text blocks with their styles, the rules around the picture and the web
// title. Each box and size list writes its setting at once; the texts and the title are taken
// over by "&Save HTML", which writes the page and a JPEG of `pageImage` beside it.
class WebPageWindow : public QDialog {
  Q_OBJECT

 public:
  // The image outlives the window.
  explicit WebPageWindow(const QImage& pageImage, QWidget* parent = nullptr);

  void SaveButtonClick();
  void CancelButtonClick();

 private:
  struct BlockControls {
    HtmlBlock SettingsValues::*setting = nullptr;
    QPlainTextEdit* text = nullptr;
    QCheckBox *bold = nullptr, *italic = nullptr, *center = nullptr;
    QComboBox* size = nullptr;
  };
  BlockControls AddBlock(HtmlBlock SettingsValues::*setting, const char* name,
                         const QString& caption, int top);

  const QImage& pageImage_;
  std::array<BlockControls, 4> blocks_;
  QLineEdit* webTitle_;
};

}  // namespace gw

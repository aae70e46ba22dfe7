// Form scaling, placement and fonts.
#include "widgets/FormLayout.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTableWidget>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "base/Settings.h"
#include "base/TextCodec.h"
#include "widgets/Messages.h"

namespace gw {

namespace {

constexpr char kDesignRect[] = "gwDesignRect";
constexpr char kDesignFont[] = "gwDesignFontPx";
constexpr char kPercent[] = "gwPercent";  // the percentage a form was last scaled by
constexpr int kMaxRecorded = 101;
constexpr int kFrameAllowance = 40;  // title bar and frame of a dialog, in screen pixels

// Controls of our forms carry object names; Qt's own inner widgets (viewports, scroll bars)
// follow their parents and are left alone.
bool IsControl(const QWidget* w) {
  const QString name = w->objectName();
  return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

QList<QWidget*> Controls(QWidget* form) {
  QList<QWidget*> out;
  for (QWidget* w : form->findChildren<QWidget*>())
    if (IsControl(w) && !w->isWindow()) out.append(w);
  return out;
}

int FontPixels(const QWidget* w) {
  const QFont f = w->font();
  if (f.pixelSize() > 0) return f.pixelSize();
  return qRound(f.pointSizeF() * 96.0 / 72.0);
}

// A main window's client is its central widget; a dialog is its own client.
QWidget* ClientOf(QWidget* form) {
  if (auto* main = qobject_cast<QMainWindow*>(form); main && main->centralWidget())
    return main->centralWidget();
  return form;
}

void Record(QWidget* w) {
  if (w->property(kDesignRect).isValid()) return;
  w->setProperty(kDesignRect, w->geometry());
  w->setProperty(kDesignFont, FontPixels(w));
}

void RecordForm(QWidget* form) {
  QWidget* client = ClientOf(form);
  if (client->property(kDesignRect).isValid()) return;
  client->setProperty(kDesignRect, QRect(QPoint(0, 0), client->size()));
  client->setProperty(kDesignFont, FontPixels(client));
}

int Scaled(int v, int percent) {
  return static_cast<int>(std::lround(v * percent / 100.0));
}

void ScaleFont(QWidget* w, int percent) {
  QFont f = w->font();
  f.setPixelSize(std::max(1, Scaled(w->property(kDesignFont).toInt(), percent)));
  w->setFont(f);
}

void Restore(QWidget* w, int percent) {
  const QVariant rect = w->property(kDesignRect);
  if (!rect.isValid()) return;
  const QRect r = rect.toRect();
  w->setGeometry(Scaled(r.x(), percent), Scaled(r.y(), percent), Scaled(r.width(), percent),
                 Scaled(r.height(), percent));
  ScaleFont(w, percent);
}

// Forms have a fixed client size, the design size times the factor.
void RestoreForm(QWidget* form, int percent) {
  QWidget* client = ClientOf(form);
  const QRect r = client->property(kDesignRect).toRect();
  client->setFixedSize(Scaled(r.width(), percent), Scaled(r.height(), percent));
  client->setProperty(kPercent, percent);
  ScaleFont(client, percent);
  if (client != form) form->adjustSize();
}

void Centre(QWidget* form, int shiftUp) {
  const FormGlobals& g = Forms();
  const int left = (g.screenWidth - form->width()) / 2;
  int top = (g.screenHeight - form->height()) / 2 - shiftUp;
  if (top < 0) top = 0;
  form->move(left, top);
}

void ScaleForm(QWidget* form, int percent) {
  RecordForm(form);
  for (QWidget* w : Controls(form)) Record(w);
  RestoreForm(form, percent);
  for (QWidget* w : Controls(form)) Restore(w, percent);
  FitTexts(form);
}

// The text a control shows on one line, without its mnemonic marks; empty for controls whose
// text is not measured (pictures, rich or wrapped labels).
QString ShownText(const QWidget* w) {
  QString text;
  if (auto* label = qobject_cast<const QLabel*>(w)) {
    if (label->wordWrap() || label->textFormat() == Qt::RichText ||
        Qt::mightBeRichText(label->text()))
      return {};
    text = label->text();
  } else if (auto* button = qobject_cast<const QAbstractButton*>(w)) {
    text = button->text();
  } else if (auto* group = qobject_cast<const QGroupBox*>(w)) {
    text = group->title();
  }
  text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  text.remove(QLatin1Char('&'));
  text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
  return text;
}

// The width the control needs for its text in its present font.
int NeededWidth(const QWidget* w, const QString& text) {
  const QFontMetrics fm(w->font());
  int need = 0;
  for (const QString& line : text.split(QLatin1Char('\n')))
    need = std::max(need, fm.horizontalAdvance(line));
  const QStyle* style = w->style();
  if (qobject_cast<const QCheckBox*>(w))
    return need + style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w) +
           style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, w);
  if (qobject_cast<const QRadioButton*>(w))
    return need + style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, w) +
           style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, w);
  if (auto* button = qobject_cast<const QPushButton*>(w))
    return need + 8 + (button->icon().isNull() ? 0 : button->iconSize().width() + 4);
  if (qobject_cast<const QGroupBox*>(w)) return need + 16;
  if (auto* label = qobject_cast<const QLabel*>(w))
    return need + label->width() - label->contentsRect().width();
  return need;
}

// The right edge a control may grow to: its parent's, or the nearest sibling to its right that
// shares some of its height.
int RoomToTheRight(const QWidget* w) {
  const QWidget* parent = w->parentWidget();
  int limit = parent->width() - 2;
  const QRect r = w->geometry();
  for (const QObject* o : parent->children()) {
    const auto* sibling = qobject_cast<const QWidget*>(o);
    if (!sibling || sibling == w || sibling->isHidden() || sibling->isWindow()) continue;
    const QRect s = sibling->geometry();
    if (s.left() > r.right() && s.top() <= r.bottom() && s.bottom() >= r.top())
      limit = std::min(limit, s.left() - 2);
  }
  return limit;
}

void SetTextColor(QWidget* w, const QColor& color) {
  QPalette pal = w->palette();
  // The disabled colours stay the style's, so a disabled control still looks disabled.
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    pal.setColor(group, QPalette::WindowText, color);
    pal.setColor(group, QPalette::Text, color);
    pal.setColor(group, QPalette::ButtonText, color);
  }
  w->setPalette(pal);
}

void Take(QWidget* w, const QFont& user, const QColor* color) {
  QFont f = w->font();
  f.setFamily(user.family());
  f.setBold(user.bold());
  f.setItalic(user.italic());
  w->setFont(f);
  if (color) SetTextColor(w, *color);
}

}  // namespace

FormGlobals& Forms() {
  static FormGlobals globals;
  return globals;
}

int ScalePercent() {
  return static_cast<int>(std::lround(Forms().scaleFactor * 100));
}

long EffectiveWindowSize(long windowSize, int screenWidth, int screenHeight) {
  switch (windowSize) {
    case 800:
      return screenWidth >= 800 && screenHeight >= 600 ? 800 : 640;
    case 1024:
      return screenWidth >= 1024 && screenHeight >= 768 ? 1024 : 640;
    case 1280:
      return screenWidth >= 1280 && screenHeight >= 1024 ? 1280 : 640;
    default:
      return 640;
  }
}

double FactorForWindowSize(long windowSize, int screenWidth, int screenHeight) {
  switch (EffectiveWindowSize(windowSize, screenWidth, screenHeight)) {
    case 800:
      return 1.25;
    case 1024:
      return 1.6;
    case 1280:
      return 2.0;
    default:
      return 1.0;
  }
}

bool SaveMainGeometry(QWidget* form) {
  RecordForm(form);
  int index = 0;
  for (QWidget* w : Controls(form)) {
    if (index >= kMaxRecorded) {
      ShowMessage(
          QCoreApplication::translate("gw::FormLayout", "Too many compenents to save dimensions."),
          "Error");
      return false;
    }
    Record(w);
    ++index;
  }
  return true;
}

void ApplyScreenLayout(QWidget* form, int percent, int shiftUp) {
  RestoreForm(form, percent);
  for (QWidget* w : Controls(form)) Restore(w, percent);
  FitTexts(form);
  Centre(form, shiftUp);
}

void PlaceDialog(QWidget* dialog, bool shiftUp15) {
  ApplyFonts(dialog);
  // A form larger than the screen at the chosen layout would be unusable: scale it down to fit.
  RecordForm(dialog);
  const QRect design = ClientOf(dialog)->property(kDesignRect).toRect();
  const FormGlobals& g = Forms();
  int percent = ScalePercent();
  if (design.width() > 0 && design.height() > 0)
    percent = std::min({percent, g.screenWidth * 100 / design.width(),
                        (g.screenHeight - kFrameAllowance) * 100 / design.height()});
  ScaleForm(dialog, std::max(percent, 1));
  Centre(dialog, shiftUp15 ? 15 : 0);
}

int FormPercent(QWidget* form) {
  const QVariant percent = ClientOf(form->window())->property(kPercent);
  return percent.isValid() ? percent.toInt() : ScalePercent();
}

void MoveToDesign(QWidget* control, const QRect& design) {
  control->setProperty(kDesignRect, design);
  if (!control->property(kDesignFont).isValid())
    control->setProperty(kDesignFont, FontPixels(control));
  Restore(control, FormPercent(control));
  FitText(control);
}

void FitText(QWidget* control) {
  const QString text = ShownText(control);
  if (text.isEmpty() || !control->parentWidget()) return;
  int need = NeededWidth(control, text);
  if (need <= control->width()) return;
  // First the room beside it, where there is some: a longer translation keeps its size of type.
  // A text set against its right edge stays there.
  const auto* label = qobject_cast<const QLabel*>(control);
  if (!label || !(label->alignment() & Qt::AlignRight)) {
    const int right = std::min(control->x() + need, RoomToTheRight(control));
    if (right > control->x() + control->width())
      control->resize(right - control->x(), control->height());
  }
  // Then a smaller type, down to four fifths of the form's.
  QFont font = control->font();
  if (font.pixelSize() > 0) {
    const int floor = std::max(1, font.pixelSize() * 4 / 5);
    while (need > control->width() && font.pixelSize() > floor) {
      font.setPixelSize(font.pixelSize() - 1);
      control->setFont(font);
      need = NeededWidth(control, text);
    }
  } else {
    // A font given in points (a window that keeps the style's own) shrinks in half points.
    const double floor = font.pointSizeF() * 4 / 5;
    while (need > control->width() && font.pointSizeF() - 0.5 >= floor) {
      font.setPointSizeF(font.pointSizeF() - 0.5);
      control->setFont(font);
      need = NeededWidth(control, text);
    }
  }
}

void FitTexts(QWidget* form) {
  for (QWidget* w : Controls(form)) FitText(w);
}

bool LeavesForAnotherControl(const QEvent* event) {
  if (event->type() != QEvent::FocusOut) return false;
  const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

void ApplyFonts(QWidget* form) {
  const FormGlobals& g = Forms();
  for (QWidget* w : Controls(form)) {
    if (w->property("gwKeepDesignFont").toBool()) continue;
    // Tested in this order: the first class that matches decides.
    if (qobject_cast<QLabel*>(w))
      Take(w, g.labelFont, &g.labelColor);
    else if (qobject_cast<QListWidget*>(w))
      Take(w, g.labelFont, nullptr);
    else if (qobject_cast<QTableWidget*>(w))
      Take(w, g.editFont, &g.editColor);
    else if (qobject_cast<QCheckBox*>(w))
      Take(w, g.labelFont, &g.labelColor);
    else if (qobject_cast<QLineEdit*>(w))
      Take(w, g.editFont, &g.editColor);
    else if (qobject_cast<QRadioButton*>(w))
      Take(w, g.labelFont, &g.labelColor);
    else if (qobject_cast<QPushButton*>(w))
      Take(w, g.buttonFont, nullptr);
    else if (qobject_cast<QGroupBox*>(w))
      Take(w, g.labelFont, nullptr);
    else if (qobject_cast<QComboBox*>(w))
      Take(w, g.editFont, &g.editColor);
  }
}

QColor ColorFromWin(int32_t bgr) {
  const uint32_t v = static_cast<uint32_t>(bgr);
  return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

int32_t ColorToWin(const QColor& color) {
  return static_cast<int32_t>(color.red() | (color.green() << 8) | (color.blue() << 16));
}

void FontFromSetting(const FontSetting& setting, QFont& font, QColor& color) {
  font.setFamily(ToQString(setting.name));
  font.setBold(setting.bold);
  font.setItalic(setting.italic);
  color = ColorFromWin(setting.color);
}

void FontToSetting(const QFont& font, const QColor& color, FontSetting& setting) {
  setting.name = FromQString(font.family());
  setting.bold = font.bold();
  setting.italic = font.italic();
  setting.color = ColorToWin(color);
}

QFont DesignFont(int pixelSize, bool bold, const char* family) {
  QFont f(QString::fromLatin1(family));
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  return f;
}

}  // namespace gw

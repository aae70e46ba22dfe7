// Screen scale factor, dialog placement and the user's three fonts, applied to every form.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <string>

class QEvent;
class QWidget;

namespace gw {

struct FontSetting;

// Program-wide form values: the screen size read at start-up, the scale factor of the chosen
// screen layout, and the label, edit and button fonts with their colours.
struct FormGlobals {
  int screenWidth = 640;
  int screenHeight = 480;
  double scaleFactor = 1.0;
  QFont labelFont, editFont, buttonFont;
  QColor labelColor = Qt::black, editColor = Qt::black, buttonColor = Qt::black;
};
FormGlobals& Forms();

// Scale factor x 100, rounded: the percentage every form is scaled by.
int ScalePercent();
// Factor of a "Window Size" value on a screen: 1.0, 1.25, 1.6 or 2.0; 1.0 when it does not fit.
double FactorForWindowSize(long windowSize, int screenWidth, int screenHeight);
// Window size value actually in effect (640 when the requested one does not fit).
long EffectiveWindowSize(long windowSize, int screenWidth, int screenHeight);

// Remembers the design geometry and font size of a form and its named controls, once.
// Returns false (after the "Too many compenents" message) when more than 101 controls were met;
// the controls beyond that are not recorded and so are never rescaled.
bool SaveMainGeometry(QWidget* form);
// Restores the design geometry, scales it by `percent` and centres the form, `shiftUp` pixels
// above the middle (never above the top of the screen).
void ApplyScreenLayout(QWidget* form, int percent, int shiftUp);
// Fonts, scaling and centring of a modal dialog; some dialogs then move up by 15 pixels.
void PlaceDialog(QWidget* dialog, bool shiftUp15);
// The percentage a form was last scaled by (ScalePercent() before it was placed).
int FormPercent(QWidget* form);
// Moves a control to a new design rectangle and shows it at the current scale.
void MoveToDesign(QWidget* control, const QRect& design);

// A text longer than its control (a translation, mostly; the English texts fit as designed)
// first takes the free room to the control's right, then a smaller type, down to four fifths of
// the form's. Run by the placements above; call FitText again after changing a text later.
void FitText(QWidget* control);
void FitTexts(QWidget* form);

// A control with its object name (what tests find it by) and its design geometry.
template <typename T>
T* Named(T* widget, const char* name, const QRect& design) {
  widget->setObjectName(QString::fromLatin1(name));
  widget->setGeometry(design);
  return widget;
}
// Whether `event` is a box losing the focus to another control of its window: the moment a box's
// value is checked. A message box, a menu or another window taking the focus does not count.
bool LeavesForAnotherControl(const QEvent* event);

// Gives every control the user's font for its class (name, style and, where listed, colour).
void ApplyFonts(QWidget* form);

// Converts between the settings' font values and Qt fonts (size untouched).
void FontFromSetting(const FontSetting& setting, QFont& font, QColor& color);
void FontToSetting(const QFont& font, const QColor& color, FontSetting& setting);
QColor ColorFromWin(int32_t bgr);
int32_t ColorToWin(const QColor& color);

// A design font: family and pixel size as the forms were drawn (Arial 17 px and so on).
QFont DesignFont(int pixelSize, bool bold = false, const char* family = "Arial");

}  // namespace gw

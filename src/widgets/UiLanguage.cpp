// Choosing and loading the language of the windows.
#include "widgets/UiLanguage.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QWidget>
#include <memory>

namespace gw {

namespace {

struct Installed {
  QString code = QStringLiteral("en");
  std::unique_ptr<QTranslator> ours;
  std::unique_ptr<QTranslator> qt;
};

Installed& Current() {
  static Installed installed;
  return installed;
}

bool Offered(const QString& code) {
  for (const UiLanguage& l : UiLanguages())
    if (code == QLatin1String(l.code)) return true;
  return false;
}

void Remove(std::unique_ptr<QTranslator>& translator) {
  if (!translator) return;
  QCoreApplication::removeTranslator(translator.get());
  translator.reset();
}

// Qt tells the windows of a running program later, through the event queue, and before the event
// loop runs not at all; the open windows are told here, at once, so they change as the choice is
// made.
void TellWindows() {
  QEvent change(QEvent::LanguageChange);
  for (QWidget* window : QApplication::topLevelWidgets())
    QCoreApplication::sendEvent(window, &change);
}

}  // namespace

const std::vector<UiLanguage>& UiLanguages() {
  static const std::vector<UiLanguage> languages = {
      {"en", "English"},  {"de", "Deutsch"},    {"fr", "Fran\u00e7ais"}, {"es", "Espa\u00f1ol"},
      {"it", "Italiano"}, {"nl", "Nederlands"}, {"sv", "Svenska"}};
  return languages;
}

QString EffectiveUiLanguage(const std::string& stored) {
  const QString chosen = QString::fromStdString(stored);
  if (Offered(chosen)) return chosen;
  // "de-CH", "fr_BE" and the like: the language part decides.
  for (const QString& preferred : QLocale::system().uiLanguages()) {
    const QString code = preferred.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
    if (Offered(code)) return code;
  }
  return QStringLiteral("en");
}

bool ApplyUiLanguage(const QString& code) {
  Installed& now = Current();
  Remove(now.ours);
  Remove(now.qt);
  now.code = QStringLiteral("en");
  if (code == QLatin1String("en") || !Offered(code)) {
    TellWindows();
    return code == QLatin1String("en");
  }

  auto ours = std::make_unique<QTranslator>();
  if (!ours->load(QStringLiteral(":/i18n/gridwright_") + code)) return false;
  // Qt's own texts (standard buttons, file and colour choosers); Swedish ships only the older
  // all-in-one catalogue.
  auto qt = std::make_unique<QTranslator>();
  const QString qtDir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (qt->load(QStringLiteral("qtbase_") + code, qtDir) ||
      qt->load(QStringLiteral("qt_") + code, qtDir)) {
    QCoreApplication::installTranslator(qt.get());
    now.qt = std::move(qt);
  }
  QCoreApplication::installTranslator(ours.get());
  now.ours = std::move(ours);
  now.code = code;
  TellWindows();
  return true;
}

QString CurrentUiLanguage() {
  return Current().code;
}

}  // namespace gw

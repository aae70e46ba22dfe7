// Program-wide values for window tests.
#include "support/AppFixture.h"

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>

#include "base/Random.h"
#include "base/Settings.h"
#include "widgets/FormLayout.h"

namespace gw::test {

void ResetProgramWide(const AppPaths& paths) {
  AppSettings() = SettingsValues::Defaults(paths);
  Forms() = FormGlobals{};
  Forms().screenWidth = 1280;
  Forms().screenHeight = 1024;
  // Every run the same: the generator and the fill letters draw from this source.
  GlobalRandom().Seed(20261208);
}

void ClickRow(QListWidget* box, int row) {
  const QPoint at = box->visualItemRect(box->item(row)).center();
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent event(type, at, box->viewport()->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(box->viewport(), &event);
  }
}

}  // namespace gw::test

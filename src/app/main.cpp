// Program entry: one instance, the user's data folder, the screen size, the main window and the
// message loop. The one optional argument is a puzzle group to open (as the desktop passes it).
#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <QTimer>
#include <csignal>

#include "app/MainWindow.h"
#include "app/SingleInstance.h"
#include "base/AppPaths.h"
#include "base/Settings.h"
#include "base/SettingsFile.h"
#include "widgets/FormLayout.h"
#include "widgets/Messages.h"
#include "widgets/UiLanguage.h"

int main(int argc, char** argv) {
  // Past a file size limit a write should fail and be reported, not end the program.
  std::signal(SIGXFSZ, SIG_IGN);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Gridwright 98"));
  QApplication::setDesktopFileName(QStringLiteral("gridwright"));
  Q_INIT_RESOURCE(gridwright);
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/gridwright/desktop/gridwright-256.png")));

  const gw::AppPaths paths = gw::AppPaths::FromRunningProgram();
  // The language is chosen before any window or message appears; the main window reads the same
  // settings file again for everything else.
  gw::SettingsValues chosen;
  gw::LoadSettings(gw::SettingsFilePath(paths), chosen);
  gw::ApplyUiLanguage(gw::EffectiveUiLanguage(chosen.uiLanguage));

  const std::unique_ptr<QLockFile> lock = gw::AcquireInstanceLock(gw::DefaultInstanceLockPath());
  if (!lock) {
    gw::ShowMessage(QCoreApplication::translate("gw::Program", "Program is already running"), "");
    return 0;
  }

  if (!gw::PrepareUserFolder(paths))
    gw::ShowMessage(QCoreApplication::translate(
                        "gw::Program", "Unable to prepare the folder for your puzzle data: %1.")
                        .arg(QString::fromLocal8Bit(paths.userDir.c_str())),
                    "Error");
  gw::StartWithSamples(paths);
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    gw::Forms().screenWidth = screen->size().width();
    gw::Forms().screenHeight = screen->size().height();
  }

  gw::MainWindow window(paths);
  window.show();
  const QStringList args = QApplication::arguments();
  if (args.size() > 1)
    window.OpenGroupFile(QFileInfo(args[1]).absoluteFilePath().toLocal8Bit().toStdString());
  QTimer::singleShot(0, &window, [&window] { window.ShowStartupTip(); });
  return app.exec();
}

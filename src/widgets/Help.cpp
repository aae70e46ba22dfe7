// Opening help: the packed collection is registered once and shown in the help window.
#include "widgets/Help.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPointer>
#include <QResource>
#include <QWidget>

#include "widgets/HelpWindow.h"
#include "widgets/Messages.h"

namespace gw {

namespace {

std::function<void(const std::string&)>& Handler() {
  static std::function<void(const std::string&)> handler;
  return handler;
}

// The collection is a resource file of its own, mounted here once it has been read.
constexpr char kMount[] = "/gridwright-help";
// The window property that holds a window's help keyword.
constexpr char kTopicProperty[] = "helpKeyword";

// One help window at a time: F1 and Contents bring back the one that is open.
QPointer<HelpWindow>& OpenViewer() {
  static QPointer<HelpWindow> viewer;
  return viewer;
}

// F1 anywhere in a window with a topic. Windows whose own F1 is a shortcut (the editor's accents,
// the menus of the print options and the designer) get it before the key reaches here.
class HelpKeyFilter : public QObject {
 public:
  HelpKeyFilter(QObject* owner, AppPaths paths) : QObject(owner), paths_(std::move(paths)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;
    QWidget* window = widget->window();
    const QVariant keyword = window->property(kTopicProperty);
    if (!keyword.isValid()) return false;
    ShowHelp(window, paths_, keyword.toString().toStdString());
    return true;
  }

 private:
  AppPaths paths_;
};

bool Mount(const std::string& file) {
  static QString mounted;
  const QString path = QFileInfo(QString::fromLocal8Bit(file.c_str())).absoluteFilePath();
  if (mounted == path) return true;
  if (!mounted.isEmpty()) QResource::unregisterResource(mounted, QString::fromLatin1(kMount));
  mounted.clear();
  if (!QResource::registerResource(path, QString::fromLatin1(kMount))) return false;
  mounted = path;
  return true;
}

}  // namespace

void SetHelpHandler(std::function<void(const std::string& keyword)> handler) {
  Handler() = std::move(handler);
}

void ShowHelp(QWidget* parent, const AppPaths& paths, const std::string& keyword) {
  if (Handler()) {
    Handler()(keyword);
    return;
  }
  const std::string file = paths.ProgramFile(kHelpFileName);
  if (!QFileInfo(QString::fromLocal8Bit(file.c_str())).isFile() || !Mount(file)) {
    ShowMessage(QCoreApplication::translate(
                    "gw::Help",
                    "The help file could not be located.  Please make sure the help file was "
                    "installed."),
                "Error");
    return;
  }
  QPointer<HelpWindow>& viewer = OpenViewer();
  static std::string viewerFile;  // the collection the open window shows
  if (viewer && viewerFile != file) delete viewer;
  if (viewer && viewer->parentWidget() != parent) {
    // Over the window that asks, so a modal dialog does not block it.
    viewer->setParent(parent, viewer->windowFlags());
  }
  if (!viewer) {
    viewer = new HelpWindow(QStringLiteral(":") + QString::fromLatin1(kMount), parent);
    if (!viewer->Loaded()) {
      delete viewer;
      ShowMessage(QCoreApplication::translate(
                      "gw::Help", "The help file is damaged.  Please install it again."),
                  "Error");
      return;
    }
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewerFile = file;
  }
  if (keyword.empty())
    viewer->OpenContents();
  else
    viewer->OpenKeyword(keyword);
  viewer->show();
  viewer->raise();
  viewer->activateWindow();
}

void SetHelpTopic(QWidget* window, const char* keyword) {
  window->setProperty(kTopicProperty, QString::fromUtf8(keyword));
}

void EnableHelpKey(QObject* owner, const AppPaths& paths) {
  qApp->installEventFilter(new HelpKeyFilter(owner, paths));
}

}  // namespace gw

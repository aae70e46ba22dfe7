// File dialogs through one seam.
#include "widgets/FileDialogs.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QSplitter>
#include <QTreeView>
#include <QFileInfo>

#include "base/TextUtils.h"

namespace gw {

namespace {
FileDialogResponder& Responder() {
  static FileDialogResponder responder;
  return responder;
}

std::vector<std::string> Split(const std::string& s, char sep) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t i = 0; i <= s.size(); ++i)
    if (i == s.size() || s[i] == sep) {
      parts.push_back(s.substr(start, i - start));
      start = i + 1;
    }
  return parts;
}
}  // namespace

void SetFileDialogResponder(FileDialogResponder responder) {
  Responder() = std::move(responder);
}

std::string QtFilter(const std::string& filter) {
  const std::vector<std::string> parts = Split(filter, '|');
  std::string out;
  for (size_t i = 0; i + 1 < parts.size(); i += 2) {
    // Windows matches patterns without regard to case; Linux file names keep theirs.
    std::string patterns;
    for (const std::string& p : Split(parts[i + 1], ';')) {
      const std::string pattern = Trim(p);
      if (pattern == "*.*") {
        patterns += (patterns.empty() ? "" : " ") + std::string("*");
        continue;
      }
      patterns += (patterns.empty() ? "" : " ") + pattern;
      std::string lower = pattern;
      for (char& c : lower) c = static_cast<char>(ToLowerAccented(static_cast<unsigned char>(c)));
      if (lower != pattern) patterns += " " + lower;
    }
    std::string description = parts[i];
    const size_t paren = description.find('(');
    if (paren != std::string::npos) description = Trim(description.substr(0, paren));
    if (!out.empty()) out += ";;";
    out += description + " (" + patterns + ")";
  }
  return out;
}

std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* parent, const FileDialogRequest& request) {
  auto made = std::make_unique<QFileDialog>(parent, QString::fromStdString(request.title));
  QFileDialog& dialog = *made;
  dialog.setNameFilters(QString::fromStdString(QtFilter(request.filter)).split(";;"));
  if (!request.defaultExt.empty())
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExt));
  if (request.kind == FileDialogRequest::Save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  }
  const QFileInfo initial(QString::fromLocal8Bit(request.initial.c_str()));
  if (!request.initial.empty()) {
    if (initial.isDir()) {
      dialog.setDirectory(initial.absoluteFilePath());
    } else {
      dialog.setDirectory(initial.absolutePath());
      dialog.selectFile(initial.fileName());
    }
  }
  // Qt's own size cuts the columns of the detailed list: the size, kind and date take what they
  // need, the name the rest of a dialog with room for a long one.
  const QFontMetrics metrics(dialog.font());
  dialog.resize(metrics.averageCharWidth() * 130, metrics.height() * 32);
  if (auto* files = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
    files->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    files->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  }
  // The places beside them show a folder's name whole.
  if (auto* split = dialog.findChild<QSplitter*>(QStringLiteral("splitter")))
    split->setSizes({metrics.averageCharWidth() * 24, metrics.averageCharWidth() * 100});
  return made;
}

std::optional<std::string> RunFileDialog(QWidget* parent, const FileDialogRequest& request) {
  if (Responder()) return Responder()(request);
  const std::unique_ptr<QFileDialog> dialog = MakeFileDialog(parent, request);
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return std::nullopt;
  return dialog->selectedFiles().first().toLocal8Bit().toStdString();
}

}  // namespace gw

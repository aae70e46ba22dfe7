// Every open and save dialog goes through RunFileDialog, so tests can answer them.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QFileDialog;
class QWidget;

namespace gw {

struct FileDialogRequest {
  enum Kind { Open, Save } kind = Open;
  std::string title;
  std::string filter;      // "Description (*.EXT)|*.EXT|..." pairs
  std::string defaultExt;  // without the dot; added when the typed name has none
  std::string initial;     // preset file name or directory
  bool overwritePrompt = false;
  bool mustExist = false;

  // An open dialog for an existing file, and a save dialog that asks before overwriting.
  static FileDialogRequest ForOpen(std::string title, std::string filter, std::string defaultExt,
                                   std::string initial) {
    return {
        Open, std::move(title), std::move(filter), std::move(defaultExt), std::move(initial), false,
        true};
  }
  static FileDialogRequest ForSave(std::string title, std::string filter, std::string defaultExt,
                                   std::string initial) {
    return {
        Save, std::move(title), std::move(filter), std::move(defaultExt), std::move(initial), true,
        false};
  }
};

// The longest file name a window remembers for its next dialog.
inline constexpr size_t kRememberedFileLength = 255;

// The chosen file name, or nothing on Cancel.
std::optional<std::string> RunFileDialog(QWidget* parent, const FileDialogRequest& request);

// The dialog RunFileDialog shows, made but not run: wide enough for a file's name, size, kind and
// date side by side.
std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* parent, const FileDialogRequest& request);

using FileDialogResponder = std::function<std::optional<std::string>(const FileDialogRequest&)>;
void SetFileDialogResponder(FileDialogResponder responder);

// "Desc (*.A)|*.A|All (*.*)|*.*" -> "Desc (*.A *.a);;All (*)" for Qt; patterns also match lower
// case.
std::string QtFilter(const std::string& filter);

}  // namespace gw

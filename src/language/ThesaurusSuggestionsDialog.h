// The thesaurus's word suggestions: words it has that the user may have meant.
#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

class QListWidget;

namespace gw {

class ThesaurusSuggestionsDialog : public QDialog {
  Q_OBJECT

 public:
  ThesaurusSuggestionsDialog(const std::string& word, const std::vector<std::string>& suggestions,
                             QWidget* parent = nullptr);

  // "&Ok" with no selection shows why and stays open.
  void OkClick();
  void CancelClick();
  const std::optional<std::string>& Result() const { return result_; }

 private:
  QListWidget* sugBox_;
  std::optional<std::string> result_;
};

}  // namespace gw

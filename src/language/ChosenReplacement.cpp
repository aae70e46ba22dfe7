// The picked replacement of the three suggestion lists.
#include "language/ChosenReplacement.h"

#include <QCoreApplication>
#include <QListWidget>

#include "base/TextCodec.h"
#include "widgets/Messages.h"

namespace gw {

std::optional<std::string> ChosenReplacement(const QListWidget* list) {
  const QListWidgetItem* item = list->currentItem();
  if (!item || !item->isSelected()) {
    ShowMessage(QCoreApplication::translate(
                    "gw::ChosenReplacement",
                    "No replacement word has been selected.  Please choose a replacement first."),
                "Error");
    return std::nullopt;
  }
  return FromQString(item->text());
}

}  // namespace gw

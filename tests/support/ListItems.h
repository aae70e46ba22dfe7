// Reading list boxes in window tests.
#pragma once

#include <QListWidget>
#include <string>
#include <vector>

namespace gw::test {

// The texts of a list in display order.
inline std::vector<std::string> Items(QListWidget* box) {
  std::vector<std::string> items;
  for (int i = 0; i < box->count(); ++i) items.push_back(box->item(i)->text().toStdString());
  return items;
}

// The text of the selected current item, or "<none>".
inline std::string Selected(QListWidget* box) {
  QListWidgetItem* item = box->currentItem();
  return item && item->isSelected() ? item->text().toStdString() : std::string("<none>");
}

}  // namespace gw::test

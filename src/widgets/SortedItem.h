// List items that keep a sorted list in alphabetical order, letter case ignored first.
#pragma once

#include <QListWidgetItem>

namespace gw {

// Sorted lists order their whole text, letter case ignored first, then respected; so "10x10 Star"
// comes before "5x5 Dot" and "apple" before "Banana".
class SortedItem : public QListWidgetItem {
 public:
  using QListWidgetItem::QListWidgetItem;
  bool operator<(const QListWidgetItem& other) const override {
    const int c = text().compare(other.text(), Qt::CaseInsensitive);
    return c != 0 ? c < 0 : text() < other.text();
  }
};

}  // namespace gw

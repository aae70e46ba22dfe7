// List items that keep a sorted list in alphabetical order, letter case ignored first.
#pragma once

#include <QListWidgetItem>

#include "base/TextCodec.h"

namespace gw {

// Sorted lists order their whole text, letter case ignored first, then respected; so "10x10 Star"
// comes before "5x5 Dot" and "apple" before "Banana".
class SortedItem : public QListWidgetItem {
 public:
  using QListWidgetItem::QListWidgetItem;
  bool operator<(const QListWidgetItem& other) const override {
    return ListTextLess(text(), other.text());
  }
};

}  // namespace gw

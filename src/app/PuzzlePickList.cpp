// The exchange windows' puzzle list.
#include "app/PuzzlePickList.h"

#include <QListWidget>
#include <QPushButton>

#include "base/IoError.h"
#include "base/TextCodec.h"
#include "widgets/FormLayout.h"
#include "widgets/Messages.h"
#include "widgets/SortedItem.h"

namespace gw {

namespace {
constexpr int kRecordRole = Qt::UserRole;
}

PuzzlePickList::PuzzlePickList(QWidget* form, const QRect& box, int buttonsTop, QPushButton* action)
    : QObject(form), action_(action) {
  box_ = Named(new QListWidget(form), "PuzzleBox", box);
  box_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  box_->setSortingEnabled(true);
  auto* selectAll = Named(new QPushButton(tr("&Select All"), form), "SelectAll",
                          QRect(box.left(), buttonsTop, 96, 30));
  auto* clearAll = Named(new QPushButton(tr("C&lear All"), form), "ClearAll",
                         QRect(box.left() + 104, buttonsTop, 96, 30));
  for (QPushButton* b : {selectAll, clearAll}) b->setAutoDefault(false);
  connect(selectAll, &QPushButton::clicked, this, &PuzzlePickList::SelectAllClick);
  connect(clearAll, &QPushButton::clicked, this, &PuzzlePickList::ClearAllClick);
  // Keyboard selection counts as much as a click.
  connect(box_, &QListWidget::itemSelectionChanged, this, &PuzzlePickList::PuzzleBoxClick);
  action_->setEnabled(false);
}

void PuzzlePickList::Fill(const std::string& groupFile) {
  try {
    listing_ = ListGroup(groupFile);
  } catch (const IoError& e) {
    listing_ = {};
    ShowIoError(e.what());
  }
  box_->clear();
  for (const GroupListing::Title& t : listing_.titles) {
    auto* item = new SortedItem(ToQString(t.title));
    item->setData(kRecordRole, t.Record());
    box_->addItem(item);
  }
  action_->setEnabled(false);
}

void PuzzlePickList::SelectAllClick() {
  box_->selectAll();
  action_->setEnabled(true);
}

void PuzzlePickList::ClearAllClick() {
  box_->clearSelection();
  action_->setEnabled(false);
}

void PuzzlePickList::PuzzleBoxClick() {
  action_->setEnabled(!box_->selectedItems().isEmpty());
}

std::vector<int> PuzzlePickList::SelectedRecords() const {
  std::vector<int> records;
  for (int row = 0; row < box_->count(); ++row)
    if (box_->item(row)->isSelected())
      records.push_back(box_->item(row)->data(kRecordRole).toInt());
  return records;
}

std::string PuzzlePickList::Title(int row) const {
  if (row < 0 || row >= box_->count()) return {};
  return FromQString(box_->item(row)->text());
}

std::string PuzzlePickList::FirstSelectedTitle() const {
  for (int row = 0; row < box_->count(); ++row)
    if (box_->item(row)->isSelected()) return Title(row);
  return {};
}

std::string PuzzlePickList::Category(int record) const {
  for (const GroupListing::Title& t : listing_.titles)
    if (t.Record() == record) return listing_.categories[static_cast<size_t>(t.Category())];
  return {};
}

}  // namespace gw

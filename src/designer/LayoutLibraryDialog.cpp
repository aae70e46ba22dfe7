// Puzzle Page Layouts: the layout library dialog.
#include "designer/LayoutLibraryDialog.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

#include "base/IoError.h"
#include "base/Settings.h"
#include "base/TextCodec.h"
#include "base/TextUtils.h"
#include "designer/PageDesigner.h"
#include "layouts/LayoutLibrary.h"
#include "layouts/LayoutThumbnail.h"
#include "widgets/FileDialogs.h"
#include "widgets/FormLayout.h"
#include "widgets/Help.h"
#include "widgets/Messages.h"
#include "widgets/SortedItem.h"

namespace gw {

namespace {

constexpr int kIndexRole = Qt::UserRole;
constexpr char kNoneSelected[] =
    QT_TRANSLATE_NOOP("gw::LayoutLibraryDialog", "No page layout selected.");
constexpr char kFilter[] =
    QT_TRANSLATE_NOOP("gw::LayoutLibraryDialog", "Page Layouts (*.PAG)|*.PAG");

// The thumbnail's kind colours, as the preview paints them.
struct LegendEntry {
  const char* name;
  const char* text;
  int32_t color;  // 0x00BBGGRR
  int left, width;
};
constexpr LegendEntry kLegend[] = {
    {"LegendPuzzle", QT_TRANSLATE_NOOP("gw::LayoutLibraryDialog", "Puzzle"), 0x000080, 8, 72},
    {"LegendWords", QT_TRANSLATE_NOOP("gw::LayoutLibraryDialog", "Words"), 0x808000, 94, 70},
    {"LegendTitle", QT_TRANSLATE_NOOP("gw::LayoutLibraryDialog", "Title"), 0x00FFFF, 178, 58},
    {"LegendBonus", QT_TRANSLATE_NOOP("gw::LayoutLibraryDialog", "Bonus"), 0xFF00FF, 250, 68},
    {"LegendText", QT_TRANSLATE_NOOP("gw::LayoutLibraryDialog", "Text, Shapes"), 0x808080, 332,
     116},
};

}  // namespace

LayoutLibraryDialog::LayoutLibraryDialog(const AppPaths& paths, LayoutLibraryMode mode,
                                         PageLayout* target, QWidget* parent)
    : QDialog(parent),
      paths_(paths),
      mode_(mode),
      target_(target),
      buffer_(std::make_unique<PageLayout>()) {
  setWindowTitle(tr("Puzzle Page Layouts"));
  SetHelpTopic(this, "Layout library");
  MakeBuiltInDefaultLayout(*buffer_);
  BuildControls();
}

LayoutLibraryDialog::~LayoutLibraryDialog() = default;

void LayoutLibraryDialog::BuildControls() {
  resize(810, 386);
  setFont(DesignFont(15));

  auto* heading = Named(new QLabel(tr("Page Layouts"), this), "Heading", {8, 6, 430, 24});
  heading->setFont(DesignFont(19, true));
  heading->setProperty("gwKeepDesignFont", true);

  // A name of 20 wide letters, its paper and the default's mark fit on one line.
  shapeBox_ = Named(new QListWidget(this), "ShapeBox", {8, 34, 430, 313});
  shapeBox_->setSelectionMode(QAbstractItemView::SingleSelection);
  shapeBox_->setSortingEnabled(true);
  shapeBox_->setAccessibleName(heading->text());
  // Only the user's selections read a record; the operations select quietly and read themselves.
  connect(shapeBox_, &QListWidget::itemSelectionChanged, this, [this] { ShapeBoxClick(); });
  connect(shapeBox_, &QListWidget::itemDoubleClicked, this, [this] {
    if (select_->isEnabled()) SelectButtonClick();
  });

  img_ = Named(new QLabel(this), "Img", {446, 34, 245, 313});
  img_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  img_->setAccessibleName(tr("Picture of the page layout"));

  for (const LegendEntry& e : kLegend) {
    auto* swatch = Named(new QLabel(this), e.name, {e.left, 358, 14, 14});
    swatch->setAccessibleName(tr(e.text));
    swatch->setFrameShape(QFrame::Box);
    swatch->setAutoFillBackground(true);
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, ColorFromWin(e.color));
    swatch->setPalette(palette);
    Named(new QLabel(tr(e.text), this), (std::string(e.name) + "Label").c_str(),
          {e.left + 20, 355, e.width - 20, 20});
  }

  struct ButtonSpec {
    QPushButton** button;
    const char* name;
    const char* text;
    void (LayoutLibraryDialog::*handler)();
  };
  const ButtonSpec buttons[] = {
      {&select_, "SelectButton", QT_TR_NOOP("&Select"), &LayoutLibraryDialog::SelectButtonClick},
      {&new_, "NewButton", QT_TR_NOOP("&New"), &LayoutLibraryDialog::NewButtonClick},
      {&modify_, "ModifyButton", QT_TR_NOOP("&Modify"), &LayoutLibraryDialog::ModifyButtonClick},
      {&copy_, "CopyButton", QT_TR_NOOP("&Copy"), &LayoutLibraryDialog::CopyButtonClick},
      {&delete_, "DeleteButton", QT_TR_NOOP("&Delete"), &LayoutLibraryDialog::DeleteButtonClick},
      {&import_, "ImportButton", QT_TR_NOOP("&Import"), &LayoutLibraryDialog::ImportButtonClick},
      {&export_, "ExportButton", QT_TR_NOOP("&Export"), &LayoutLibraryDialog::ExportButtonClick},
      {&setDefault_, "SetDefaultButton", QT_TR_NOOP("Set De&fault"),
       &LayoutLibraryDialog::SetDefaultButtonClick},
      {&exit_, "ExitButton", QT_TR_NOOP("E&xit"), &LayoutLibraryDialog::ExitButtonClick},
  };
  int top = 34;
  for (const ButtonSpec& b : buttons) {
    // E&xit sits level with the bottom of the list, apart from the commands.
    if (b.button == &exit_) top = 319;
    *b.button = Named(new QPushButton(tr(b.text), this), b.name, {700, top, 102, 28});
    (*b.button)->setAutoDefault(false);
    connect(*b.button, &QPushButton::clicked, this, b.handler);
    top += 32;
  }
  // Enter picks the layout when picking is what the dialog is for.
  (mode_ == LayoutLibraryMode::Manage ? exit_ : select_)->setDefault(true);
}

void LayoutLibraryDialog::showEvent(QShowEvent* event) {
  if (!shown_) FormShow();
  QDialog::showEvent(event);
}

void LayoutLibraryDialog::FormShow() {
  shown_ = true;
  PlaceDialog(this, false);
  Guarded([this] {
    if (Rebuild()) {
      SelectRow(0);
      ReadSelected();
      DrawTheBox();
    }
  });
  UpdateButtons();
  shapeBox_->setFocus();
}

void LayoutLibraryDialog::Guarded(const std::function<void()>& operation) {
  try {
    operation();
  } catch (const IoError& e) {
    ShowIoError(e.what());
  }
}

// ---- The list ---------------------------------------------------------------------------------

void LayoutLibraryDialog::LoadInLayouts() {
  Guarded([this] { Rebuild(); });
  UpdateButtons();
}

bool LayoutLibraryDialog::Rebuild() {
  {
    const QSignalBlocker quiet(shapeBox_);
    shapeBox_->clear();
    const long defaultPage = AppSettings().defaultPage;
    for (const LayoutEntry& entry : ListLayouts(LayoutLibraryPath(paths_))) {
      auto* item = new SortedItem(TranslatedMessage(LayoutEntryText(entry, defaultPage)));
      item->setData(kIndexRole, static_cast<qlonglong>(entry.index));
      shapeBox_->addItem(item);
    }
  }
  if (shapeBox_->count() > 0) return true;
  // Nothing left to show: the picture of a layout that is gone would mislead.
  image_ = QImage();
  img_->clear();
  ShowMessage(tr("No saved page layouts could be found."), "Warning");
  return false;
}

QListWidgetItem* LayoutLibraryDialog::SelectedItem() const {
  QListWidgetItem* item = shapeBox_->currentItem();
  return item && item->isSelected() ? item : nullptr;
}

long LayoutLibraryDialog::SelectedIndex() const {
  QListWidgetItem* item = SelectedItem();
  return item ? static_cast<long>(item->data(kIndexRole).toLongLong()) : -1;
}

void LayoutLibraryDialog::SelectRow(int row) {
  if (row < 0 || row >= shapeBox_->count()) return;
  const QSignalBlocker quiet(shapeBox_);
  QListWidgetItem* item = shapeBox_->item(row);
  shapeBox_->setCurrentItem(item);
  item->setSelected(true);
  shapeBox_->scrollToItem(item);
}

void LayoutLibraryDialog::SelectRecord(long index) {
  for (int row = 0; row < shapeBox_->count(); ++row)
    if (shapeBox_->item(row)->data(kIndexRole).toLongLong() == index) {
      SelectRow(row);
      return;
    }
  SelectRow(0);
}

void LayoutLibraryDialog::ReadSelected() {
  const long index = SelectedIndex();
  if (index < 0) return;
  const std::string library = LayoutLibraryPath(paths_);
  if (!ReadLayout(library, index, *buffer_)) throw IoError("cannot open " + library);
}

void LayoutLibraryDialog::DrawTheBox() {
  if (shapeBox_->count() == 0) return;
  image_ = QImage(img_->size(), QImage::Format_RGB32);
  DrawPageBox(image_, *buffer_);
  img_->setPixmap(QPixmap::fromImage(image_));
  if (QListWidgetItem* item = SelectedItem()) img_->setAccessibleDescription(item->text());
}

void LayoutLibraryDialog::ShapeBoxClick() {
  Guarded([this] {
    ReadSelected();
    DrawTheBox();
  });
  UpdateButtons();
}

void LayoutLibraryDialog::UpdateButtons() {
  const bool any = shapeBox_->count() > 0;
  select_->setEnabled(mode_ != LayoutLibraryMode::Manage && any && SelectedItem());
  delete_->setEnabled(any);
  export_->setEnabled(any);
  modify_->setEnabled(any);
  copy_->setEnabled(any);
}

// ---- Buttons ----------------------------------------------------------------------------------

void LayoutLibraryDialog::SelectButtonClick() {
  if (mode_ == LayoutLibraryMode::Manage) return;
  if (!SelectedItem()) {
    ShowMessage(tr("No layout has been selected."), "Error");
    return;
  }
  if (target_) *target_ = *buffer_;
  accept();
}

std::optional<long> LayoutLibraryDialog::RunDesigner(DesignerMode mode, const PageLayout* layout,
                                                     long index) {
  PageDesigner designer(paths_, mode, layout, index, this);
  designer.exec();
  if (!designer.Saved()) return std::nullopt;
  return designer.WrittenIndex();
}

std::unique_ptr<PageLayout> LayoutLibraryDialog::SelectedLayout() {
  if (!SelectedItem()) {
    ShowMessage(tr(kNoneSelected), "Error");
    return nullptr;
  }
  bool read = false;
  Guarded([&] {
    ReadSelected();
    read = true;
  });
  return read ? std::make_unique<PageLayout>(*buffer_) : nullptr;
}

void LayoutLibraryDialog::NewButtonClick() {
  if (const std::optional<long> written = RunDesigner(DesignerMode::New, nullptr, -1))
    ShowRecord(*written);
}

void LayoutLibraryDialog::ModifyButtonClick() {
  const long index = SelectedIndex();
  const std::unique_ptr<PageLayout> layout = SelectedLayout();
  if (!layout) return;
  if (const std::optional<long> written = RunDesigner(DesignerMode::Modify, layout.get(), index))
    ShowRecord(*written);
}

void LayoutLibraryDialog::CopyButtonClick() {
  const std::unique_ptr<PageLayout> layout = SelectedLayout();
  if (!layout) return;
  layout->layoutName.Set(CopyName(layout->layoutName.Get(), 20));
  if (const std::optional<long> written = RunDesigner(DesignerMode::Copy, layout.get(), -1))
    ShowRecord(*written);
}

void LayoutLibraryDialog::ShowRecord(long index) {
  Guarded([&] {
    if (!Rebuild()) return;
    SelectRecord(index);
    ReadSelected();
    DrawTheBox();
  });
  UpdateButtons();
}

void LayoutLibraryDialog::DeleteButtonClick() {
  QListWidgetItem* item = SelectedItem();
  if (!item) {
    ShowMessage(tr(kNoneSelected), "Error");
    return;
  }
  const QString question =
      tr("Are you sure you want to delete \"%1\"?").arg(item->text()).left(255);
  if (ShowMessage(question, "Delete?", MsgButtons::YesNo) != MsgResult::Yes) return;
  const int row = shapeBox_->row(item);
  const long index = SelectedIndex();
  Guarded([&] {
    const OpResult result = DeleteLayout(LayoutLibraryPath(paths_), index);
    if (!result.ok) {
      ShowMessage(result.message, result.caption);
      return;
    }
    AppSettings().defaultPage = DefaultAfterDelete(AppSettings().defaultPage, index);
    if (!Rebuild()) return;
    SelectRow(std::min(row, shapeBox_->count() - 1));
    ReadSelected();
    DrawTheBox();
  });
  UpdateButtons();
}

void LayoutLibraryDialog::ImportButtonClick() {
  const std::optional<std::string> file =
      RunFileDialog(this, FileDialogRequest::ForOpen(tr("Import Page Layouts").toStdString(),
                                                     tr(kFilter).toStdString(), "PAG",
                                                     AppSettings().lastImportLayoutFile));
  if (!file) return;
  AppSettings().lastImportLayoutFile = *file;
  Guarded([&] {
    const OpResult result = ImportLayout(LayoutLibraryPath(paths_), *file);
    if (!result.ok) {
      ShowMessage(result.message, result.caption);
      return;
    }
    Rebuild();
    SelectRecord(result.index);
    ReadSelected();
    DrawTheBox();
  });
  UpdateButtons();
}

void LayoutLibraryDialog::ExportButtonClick() {
  const long index = SelectedIndex();
  if (index < 0) {
    ShowMessage(tr(kNoneSelected), "Error");
    return;
  }
  const std::optional<std::string> file =
      RunFileDialog(this, FileDialogRequest::ForSave(tr("Export Page Layouts").toStdString(),
                                                     tr(kFilter).toStdString(), "PAG",
                                                     AppSettings().lastExportLayoutFile));
  if (!file) return;
  AppSettings().lastExportLayoutFile = *file;
  Guarded([&] {
    const OpResult result = ExportLayout(LayoutLibraryPath(paths_), index, *file);
    ShowMessage(result.message, result.caption);
  });
  UpdateButtons();
}

void LayoutLibraryDialog::SetDefaultButtonClick() {
  const long index = SelectedIndex();
  if (index < 0) {
    ShowMessage(tr(kNoneSelected), "Error");
    return;
  }
  AppSettings().defaultPage = index;
  // By record, not by row: of two equal entries the marked one must stay the selected one.
  ShowRecord(index);
}

}  // namespace gw

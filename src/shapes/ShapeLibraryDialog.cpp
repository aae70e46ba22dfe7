// Shapes: the shape library dialog.
#include "shapes/ShapeLibraryDialog.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "widgets/FormLayout.h"
#include "widgets/Help.h"

namespace gw {

ShapeLibraryDialog::ShapeLibraryDialog(AppState& state, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Shapes"));
  SetHelpTopic(this, "Shape library");
  resize(504, 330);
  setFont(DesignFont(15));

  auto* heading = new QLabel(tr("Puzzle Shape"), this);
  heading->setObjectName(QStringLiteral("Heading"));
  heading->setGeometry(8, 6, 488, 24);
  heading->setFont(DesignFont(19, true));
  heading->setProperty("gwKeepDesignFont", true);

  shapeBox_ = new QListWidget(this);
  shapeBox_->setObjectName(QStringLiteral("ShapeBox"));
  shapeBox_->setGeometry(8, 34, 240, 240);
  shapeBox_->setAccessibleName(heading->text());

  layoutImage_ = new QLabel(this);
  layoutImage_->setObjectName(QStringLiteral("LayoutImage"));
  layoutImage_->setGeometry(256, 34, 240, 240);
  layoutImage_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  layoutImage_->setAccessibleName(tr("Picture of the puzzle shape"));

  struct Button {
    const char* name;
    const char* text;
    void (ShapeLibraryDialog::*handler)();
  };
  const Button buttons[] = {
      {"NewShape", QT_TR_NOOP("&New"), &ShapeLibraryDialog::NewShapeClick},
      {"CopyShape", QT_TR_NOOP("C&opy"), &ShapeLibraryDialog::CopyShapeClick},
      {"ModifyShape", QT_TR_NOOP("&Modify"), &ShapeLibraryDialog::ModifyShapeClick},
      {"DeleteShape", QT_TR_NOOP("&Delete"), &ShapeLibraryDialog::DeleteShapeClick},
      {"ImportShape", QT_TR_NOOP("Im&port"), &ShapeLibraryDialog::ImportShapeClick},
      {"ExportShape", QT_TR_NOOP("Expo&rt"), &ShapeLibraryDialog::ExportShapeClick},
      {"ExitButton", QT_TR_NOOP("E&xit"), &ShapeLibraryDialog::ExitButtonClick},
  };
  QPushButton* made[7];
  int x = 8;
  for (int i = 0; i < 7; ++i) {
    made[i] = new QPushButton(tr(buttons[i].text), this);
    made[i]->setObjectName(QString::fromLatin1(buttons[i].name));
    made[i]->setGeometry(x, 288, 66, 30);
    made[i]->setAutoDefault(false);
    connect(made[i], &QPushButton::clicked, this, buttons[i].handler);
    x += 70;
  }
  made[6]->setDefault(true);

  panel_ = new ShapeListView(shapeBox_, layoutImage_, made[2], made[3], state,
                             ShapeListMode{ShapeListMode::Library, nullptr}, this);
}

void ShapeLibraryDialog::showEvent(QShowEvent* event) {
  if (!shown_) FormShow();
  QDialog::showEvent(event);
}

void ShapeLibraryDialog::FormShow() {
  shown_ = true;
  PlaceDialog(this, true);
  panel_->LoadInLayouts();
  panel_->SelectDefaultEntry();
  panel_->LoadALayout();
  panel_->DrawTheBox();
  shapeBox_->setFocus();
}

}  // namespace gw

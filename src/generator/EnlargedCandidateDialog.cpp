// Enlarged candidate view.
#include "generator/EnlargedCandidateDialog.h"

#include <QLabel>
#include <QPushButton>

#include "generator/CandidatePreview.h"
#include "widgets/FormLayout.h"
#include "widgets/Help.h"

namespace gw {

EnlargedCandidateDialog::EnlargedCandidateDialog(const PuzzleRecord& candidate,
                                                 const QString& caption, QWidget* parent,
                                                 const QString& description)
    : QDialog(parent), candidate_(std::make_unique<PuzzleRecord>(candidate)) {
  setWindowTitle(caption);
  SetHelpTopic(this, "Enlarged view");
  resize(515, 419);
  setFont(DesignFont(13));
  auto* image = new QLabel(this);
  image->setObjectName(QStringLiteral("EnlargedPuzzle"));
  image->setGeometry(4, 2, 411, 411);
  auto* exit = new QPushButton(tr("E&xit"), this);
  exit->setObjectName(QStringLiteral("Cancel"));
  exit->setGeometry(425, 381, 82, 30);
  exit->setDefault(true);
  connect(exit, &QPushButton::clicked, this, &QDialog::accept);

  PlaceDialog(this, false);
  // Drawn at the scaled size; the score test is not made here.
  QImage picture(image->size(), QImage::Format_RGB32);
  DrawAPuzzle(picture, *candidate_, 1);
  image->setPixmap(QPixmap::fromImage(picture));
  image->setAccessibleName(caption);
  image->setAccessibleDescription(description);
}

EnlargedCandidateDialog::~EnlargedCandidateDialog() = default;

}  // namespace gw

// The candidate window: the four best grids of a run, their word lists, the hidden phrase and
// the save into the group.
#pragma once

#include <QDialog>
#include <array>

#include "generator/PlacementDiagnosis.h"
#include "session/CandidateSlots.h"
#include "session/PuzzleHost.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace gw {

class PuzzleImage;

class CandidateWindow : public QDialog {
  Q_OBJECT

 public:
  // `candidates` are the run's four candidates; the current puzzle of `host` holds the word list
  // they were made from. `diagnosis`, made from the same run, says why words were left out.
  CandidateWindow(PuzzleHost& host, const CandidateSlots& candidates,
                  PlacementDiagnosis diagnosis = {}, QWidget* parent = nullptr);

  void FormShow();
  // Slot 1..4; an empty slot cannot be chosen.
  void SelectSlot(int k);
  int SelectedSlot() const { return selected_; }
  void SaveClick();
  void PuzzImageDblClick(int k);
  bool Saved() const { return saved_; }
  // The "Why?" box: why the selected excluded word was left out.
  void ShowWhy(QListWidgetItem* item);

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  PuzzleHost& host_;
  const CandidateSlots& slots_;
  // The list's word count when the run started; a refused save leaves the current puzzle
  // holding a candidate, whose count no longer covers the left-out words.
  int listWordCount_;
  // Why words were left out: only when it was made from this list.
  bool Explains() const;
  // The excluded words of the slot (or the whole list) with their reasons, and the suggestions.
  void FillExcluded(const CandidateSlot* slot);

  PlacementDiagnosis diagnosis_;
  int selected_ = 0;
  bool shown_ = false;
  bool saved_ = false;

  std::array<PuzzleImage*, 4> images_{};
  std::array<QLabel*, 4> labels_{};
  QLabel* incWordsLabel_ = nullptr;
  QLabel* excWordsLabel_ = nullptr;
  QListWidget* includedWords_ = nullptr;
  QListWidget* excludedWords_ = nullptr;
  QLabel* numChars_ = nullptr;
  QCheckBox* includeHidden_ = nullptr;
  QLineEdit* hiddenPhrase_ = nullptr;
  QPushButton* save_ = nullptr;
  QLabel* why_ = nullptr;
  QLabel* suggestions_ = nullptr;
};

}  // namespace gw

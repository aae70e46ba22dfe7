// "Reports": the print options window for one puzzle, from where its page is drawn and printed.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <vector>

#include "base/AppPaths.h"
#include "page/PrintJob.h"
#include "printing/PrintOptionsRules.h"
#include "printing/PrintStatusWindow.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace gw {

// Lets the user pick a layout of the library into `layout`; true when one was picked. The layout
// library window lives above this one, so the main window hands it in.
using LayoutPicker = std::function<bool(PageLayout& layout, QWidget* parent)>;

class PrintOptionsWindow : public QDialog {
  Q_OBJECT

 public:
  // Works on `puzzle`, the caller's copy of the stored puzzle: fonts, the bonus question and the
  // layout change there only. The print options are the program's settings, changed at once.
  // Without a picker "Change Page Layout" is disabled.
  PrintOptionsWindow(const AppPaths& paths, PuzzleRecord& puzzle, LayoutPicker pickLayout = {},
                     QWidget* parent = nullptr);

  // Runs a job: mode 1 prints straight to the printer, mode 2 records the page and hands it to
  // the preview. Returns whether the user cancelled it.
  bool RunJob(ReportMode mode);

  // Controls.
  void ViewPrintClick();
  void PrinterSetupClick();
  void ChangeLayoutClick();
  void ChangeFontsClick();
  void FontItemClick(int item);  // 0-based item of the font menu
  void ChangeBonusClick();
  void HelpClick();
  void ExitClick();
  void WordOptionClick(long option);

  // The last job: its kept values and warnings for the metafile export; its stream while the
  // preview shows it.
  const FinishedJob& LastJob() const { return lastJob_; }
  // For each visible font menu item, the layout object it edits.
  const std::vector<FontMenuItem>& FontMenuMap() const { return menuMap_; }
  QMenu* FontMenu() const { return fontMenu_; }
  const QImage& Thumbnail() const { return thumbnail_; }

 private:
  void BuildControls();
  void BuildMenus();
  // Opening steps 2 and 3: the layout's say, then every control from the options.
  void InitFromLayout();
  void ShowOptions();
  void UpdateEnabling();
  void DrawPageBox();
  void NumberEditChanged(QLineEdit* edit, long SettingsValues::*value);
  // A recorded page goes to the preview once the job has finished.
  void ShowFinishedJob();

  AppPaths paths_;
  PuzzleRecord& puzzle_;
  LayoutPicker pickLayout_;
  std::vector<FontMenuItem> menuMap_;
  FinishedJob lastJob_;
  QImage thumbnail_;

  QCheckBox* printTitle_ = nullptr;
  QCheckBox* printBody_ = nullptr;
  QCheckBox* printWords_ = nullptr;
  QCheckBox* printBonus_ = nullptr;
  QCheckBox* answerKey_ = nullptr;
  QCheckBox* useGrid_ = nullptr;
  QCheckBox* lowerCase_ = nullptr;
  std::array<QRadioButton*, 4> wordForms_{};  // by Word Option 1..4
  QCheckBox* clueUnderscore_ = nullptr;
  QCheckBox* partialUnderscore_ = nullptr;
  QLineEdit* firstLetters_ = nullptr;
  QLineEdit* lastLetters_ = nullptr;
  QLineEdit* numColumns_ = nullptr;
  std::vector<QLabel*> letterLabels_;
  QLabel* img_ = nullptr;
  QPushButton* changeLayout_ = nullptr;
  QMenu* fontMenu_ = nullptr;
  std::array<QAction*, kFontMenuItems> fontItems_{};
};

// "Printer Setup" of the main window and the print options: the platform's printer dialog on the
// session's printer; OK keeps the choice for the rest of the session.
void RunPrinterSetup(QWidget* parent);

}  // namespace gw

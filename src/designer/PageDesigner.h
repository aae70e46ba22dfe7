// The page layout designer "Page Creator": places, moves and sizes the objects of one page layout
// on a picture of the page and saves the layout into the layout library.
#pragma once

#include <QDialog>
#include <QImage>
#include <QPoint>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "base/AppPaths.h"
#include "designer/DesignPicture.h"
#include "layouts/LayoutDesign.h"
#include "storage/PageLayout.h"

class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QScrollArea;

namespace gw {

class PageCanvas;
class ObjectDialog;

class PageDesigner : public QDialog {
  Q_OBJECT

 public:
  // New starts from a blank Letter page; Modify and Copy edit a copy of `layout`, and Modify
  // writes it back over library record `recordIndex`.
  PageDesigner(const AppPaths& paths, DesignerMode mode, const PageLayout* layout = nullptr,
               long recordIndex = -1, QWidget* parent = nullptr);
  ~PageDesigner() override;

  // Placement, the layout for the mode with its pictures, the controls, and the first drawing.
  // Runs once, when the window is first shown; tests call it directly.
  void FormShow();

  // Saving: "&Save" and File "&Save"; leaving: "&Cancel", File "E&xit" (Ctrl+X), Escape and the
  // close box, which first offer to save a design that differs from the one last saved.
  void SaveButtonClick();
  void MenuSaveClick() { SaveButtonClick(); }
  void CancelButtonClick();
  void MenuExitClick() { CancelButtonClick(); }
  void reject() override;
  // Whether the design differs from the one the window opened on, as a save would write it.
  bool DesignChanged() const;

  // The page.
  void PageSizeChange();
  void PageWidthExit();
  void PageHeightExit();
  void PortraitButtonClick();
  void LandscapeButtonClick();
  void InchesClick();
  void MenuSmallClick() { ChangeZoom(1); }
  void MenuMediumClick() { ChangeZoom(2); }
  void MenuLargeClick() { ChangeZoom(3); }

  // The eight kind buttons: arm a kind, or disarm it when it is armed already.
  void KindPanelClick(int kind);

  // Mouse on the page image, in design pixels.
  void PageImageMouseDown(Qt::MouseButton button, QPoint point);
  void PageImageMouseMove(Qt::MouseButtons buttons, QPoint point);
  void PageImageMouseUp(Qt::MouseButton button, QPoint point);

  // "&Objects" item k (1..20): the pop-up menu for object k.
  void ObjClick(int k);

  // The pop-up menu's commands on the pop-up object.
  void PopSizeClick();
  void popPropertiesClick();
  void PopBorderClick();
  void PopFillClick();
  void PopChangeTextClick();
  void PopLeftClick() { SetAlignment(1); }
  void PopCenterClick() { SetAlignment(2); }
  void PopRightClick() { SetAlignment(3); }
  void PopTextFontClick();
  void PopBitmapClick();
  void PopDeleteClick();
  void PopFrontClick();
  void PopBackClick();
  void MenuHelpClick();

  bool Saved() const { return saved_; }
  // The library record the save wrote, -1 before a save.
  long WrittenIndex() const { return writtenIndex_; }
  const PageLayout& Layout() const { return *layout_; }
  int Zoom() const { return zoom_; }
  int ArmedKind() const { return armedKind_; }
  int SelectedObject() const { return selected_; }
  int PopUpObject() const { return popUpObject_; }
  // The page as last drawn, handles included.
  const QImage& PageBitmap() const { return page_; }
  QWidget* PageImage() const;
  // The outline of the move or resize being dragged, in design pixels.
  std::optional<QRect> DragOutline() const;
  QMenu* PopUp() const { return myPopUp_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void done(int result) override;

 private:
  // What the pointer over the page does when the left button goes down.
  enum class Pointer { Arrow, Drag, Hand, Resize };

  void BuildControls();
  void BuildMenus();
  // The side panel and the page area fill the window below the menu.
  void Arrange();
  void PlaceWindow();

  void SetDownsFalse();
  void SetButtons();
  void BuildObjMenu();
  void SetupPopUp();
  void DoPopUp(QPoint global);
  void DoNewObject(int kind, QPoint at);
  void CheckAndSetCursor(QPoint point);
  void SetPointer(Pointer pointer);
  void HighlightObj(int index);
  void DrawObjects();
  void DrawRulers();
  void RedrawLayout();
  void ChangeZoom(int zoom);
  void SetOrientation(bool portrait);
  bool CheckWidth();
  bool CheckHeight();
  void ShowCustomControls(bool show);
  void WriteSizeBoxes();
  void LoadPictures();
  void SetAlignment(int alignment);
  // The pop-up object, or nullptr when there is none.
  LayoutObject* PopObject();
  // Runs the dialog `make` gives for the pop-up object and takes its copy back after "&Ok".
  using DialogMaker = std::function<std::unique_ptr<ObjectDialog>(const LayoutObject&)>;
  void RunOnPopObject(const DialogMaker& make);
  int Unit() const;
  bool CustomChosen() const;
  // The paper a save records: the list's choice, or a name it does not know kept as it was.
  std::string ChosenPaper() const;
  // The design as a save would write it now.
  std::unique_ptr<PageLayout> NamedDesign() const;

  AppPaths paths_;
  DesignerMode mode_;
  long recordIndex_;
  std::unique_ptr<PageLayout> layout_;
  // The design as last saved (as opened), kept at the zoom of the objects so the two compare.
  std::unique_ptr<PageLayout> savedDesign_;
  DesignPictures pictures_;

  bool saved_ = false;
  long writtenIndex_ = -1;
  bool shown_ = false;
  bool closing_ = false;
  int zoom_ = 2;
  int armedKind_ = 0;
  int selected_ = 0;
  int popUpObject_ = 0;
  QPoint press_;
  bool leftPressed_ = false, rightPressed_ = false;
  Pointer pointer_ = Pointer::Arrow;
  int activeHandle_ = 0;
  QImage page_;

  QMenuBar* menuBar_ = nullptr;
  QWidget* panel_ = nullptr;
  QLineEdit* title_ = nullptr;
  QComboBox* pageSize_ = nullptr;
  QRadioButton* portraitButton_ = nullptr;
  QRadioButton* landscapeButton_ = nullptr;
  QLabel* widthLabel_ = nullptr;
  QLabel* heightLabel_ = nullptr;
  QLineEdit* pageWidth_ = nullptr;
  QLineEdit* pageHeight_ = nullptr;
  QCheckBox* inches_ = nullptr;
  std::array<QPushButton*, 8> kindPanels_{};
  QScrollArea* scrollBox_ = nullptr;
  QWidget* pageArea_ = nullptr;
  QLabel* rulerTop_ = nullptr;
  QLabel* rulerLeft_ = nullptr;
  PageCanvas* pageImage_ = nullptr;

  QActionGroup* zoomGroup_ = nullptr;
  std::array<QAction*, 4> zoomItems_{};  // indexed by zoom 1..3
  std::array<QAction*, kMaxLayoutObjects> objItems_{};
  QMenu* myPopUp_ = nullptr;
  QAction* popSize_ = nullptr;
  QAction* popProperties_ = nullptr;
  QAction* popBorder_ = nullptr;
  QAction* popFill_ = nullptr;
  QAction* popChangeText_ = nullptr;
  QMenu* popAlignment_ = nullptr;
  std::array<QAction*, 4> popAlign_{};  // indexed by alignment 1..3
  QAction* popTextFont_ = nullptr;
  QAction* popBitmap_ = nullptr;
};

}  // namespace gw

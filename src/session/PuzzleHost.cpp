// Saving the current puzzle from the windows that edit it.
#include "session/PuzzleHost.h"

#include <QCoreApplication>

#include "base/IoError.h"
#include "widgets/Messages.h"

namespace gw {

bool SaveAndReport(PuzzleHost& host) {
  try {
    if (!SaveCurrentPuzzle(host.State())) {
      ShowMessage(QCoreApplication::translate("gw::PuzzleHost", "Unable to save puzzle."), "Error");
      return false;
    }
  } catch (const IoError& e) {
    ShowIoError(e.what());
    return false;
  }
  host.PuzzleSaved();
  return true;
}

}  // namespace gw

// Every window of the program, made with representative content: for the legibility test and for
// the screenshot gallery (scripts/screenshots).
#pragma once

#include <QByteArray>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "generator/PlacementDiagnosis.h"
#include "support/AppFixture.h"
#include "support/TempDir.h"

namespace gw {
class WordListEditor;
}

namespace gw::test {

// The sample group, the starter libraries and a candidate run made from a shipped word list, in
// a folder of their own, which is also the home folder while the context lives, so that windows
// showing a path show "~/Samples.QL3" rather than a temporary folder. `binDir` holds the build's
// QLFLAY.DAT, QLFPAGE.DAT, Samples.QL3 and QUARL.HLP; `wordList` is a word file.
class GalleryContext {
 public:
  GalleryContext(const std::string& binDir, const std::string& wordList);
  ~GalleryContext();
  FakeHost& Host() { return host_; }
  const AppPaths& Paths() const { return paths_; }
  // Why the candidate run left words out.
  const PlacementDiagnosis& Diagnosis() const { return diagnosis_; }

 private:
  TempDir dir_;
  QByteArray home_;  // the real one, back when the context goes
  AppPaths paths_;
  FakeHost host_;
  PlacementDiagnosis diagnosis_;
};

struct GalleryWindow {
  std::string name;  // file-name friendly, e.g. "word-list-editor-new"
  // Makes the window (not yet shown) over the context; the caller owns it.
  std::function<std::unique_ptr<QWidget>(GalleryContext&)> make;
};

// Every window, in the order a user meets them.
std::vector<GalleryWindow> AllWindows();

// Every window at this "Window Size" scale (1.0, 1.25, 1.6 or 2.0), on a screen large enough that
// nothing is scaled down to fit.
void SetScale(double scale);

// Lets the editor's fit estimate finish and show its figure (at most ten seconds).
void WaitForFitEstimate(WordListEditor& editor);

// Shows `window` as the program would (placed, fonts applied) and lets it lay itself out.
void ShowAndSettle(QWidget* window);

}  // namespace gw::test

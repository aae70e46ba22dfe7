// Reasons for the words a run left out, and suggestions, from the shape and the run's counts.
#include "generator/PlacementDiagnosis.h"

#include <algorithm>

#include "base/Settings.h"
#include "base/TextUtils.h"

namespace gw {

namespace {

// As the word list editor names them, by direction number.
const char* const kDirectionNames[9] = {"",     "Up",        "Up Right", "Right",  "Down Right",
                                        "Down", "Down Left", "Left",     "Up Left"};

// "A", "A and B", "A, B and C".
std::string JoinNames(const std::vector<std::string>& names) {
  std::string out;
  for (size_t i = 0; i < names.size(); ++i) {
    if (i > 0) out += i + 1 == names.size() ? " and " : ", ";
    out += names[i];
  }
  return out;
}

// Up to five words, then how many more.
std::string WordNames(std::vector<std::string> words) {
  constexpr size_t kNamed = 5;
  if (words.size() > kNamed) {
    const size_t more = words.size() - (kNamed - 1);
    words.resize(kNamed - 1);
    words.push_back(std::to_string(more) + " more");
  }
  return JoinNames(words);
}

}  // namespace

std::array<int, 9> LongestLines(const ShapeRecord& shape, int width, int height) {
  std::array<int, 9> longest{};
  auto usable = [&](int r, int c) {
    return r >= 1 && r <= height && c >= 1 && c <= width && shape.Usable(r, c);
  };
  // A direction and its opposite share their lines: count along the downward and rightward one.
  for (int d : {kRight, kDownRight, kDown, kDownLeft}) {
    const DirectionStep& step = kDirectionSteps[static_cast<size_t>(d)];
    int best = 0;
    for (int r = 1; r <= height; ++r)
      for (int c = 1; c <= width; ++c) {
        // Count only from the first cell of a line.
        if (!usable(r, c) || usable(r - step.rowStep, c - step.columnStep)) continue;
        int n = 0;
        while (usable(r + n * step.rowStep, c + n * step.columnStep)) ++n;
        best = std::max(best, n);
      }
    longest[static_cast<size_t>(d)] = best;
    longest[static_cast<size_t>(d > 4 ? d - 4 : d + 4)] = best;
  }
  return longest;
}

PlacementDiagnosis::PlacementDiagnosis(const PuzzleRecord& list, const ShapeRecord& shape,
                                       const PlacementOptions& options, const PlacementOutcome& run)
    : longest_(LongestLines(shape, ClampedGridWidth(list), ClampedGridHeight(list))),
      directions_(options.directions),
      attempts_(run.attemptsRun),
      allRefused_(run.attemptsRun == 0 && run.refusedTries > 0) {
  for (int d = 1; d <= 8; ++d)
    if (directions_[static_cast<size_t>(d)])
      longestChosen_ = std::max(longestChosen_, longest_[static_cast<size_t>(d)]);
  const int count = ClampedWordCount(list);
  words_.resize(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    Entry& e = words_[static_cast<size_t>(i)];
    e.text = list.Word(i + 1).Get();
    e.letters = static_cast<int>(WordLetters(e.text).size());
    if (static_cast<size_t>(i) < run.placedIn.size()) e.placedIn = run.placedIn[i];
    if (static_cast<size_t>(i) < run.refusedAt.size()) e.refusedAt = run.refusedAt[i];
  }
}

std::string PlacementDiagnosis::Reason(int index) const {
  const Entry& e = words_[static_cast<size_t>(index)];
  if (TooLong(e))
    return "longer than any line of the shape in the chosen directions (longest line: " +
           std::to_string(longestChosen_) + ")";
  if (e.placedIn > 0)
    return "placed in " + std::to_string(e.placedIn) + " of " + std::to_string(attempts_) +
           " attempts, crowded out here";
  if (e.refusedAt > 0 || allRefused_) return "refused by the offensive-word screen";
  return "never placed: no free line for it once the other words were in";
}

std::vector<int> PlacementDiagnosis::LeftOut(const CandidateSlot& slot) const {
  std::vector<int> out;
  const int count = WordCount();
  for (int q = 0; q < count; ++q)
    if (slot.score == 0 || slot.placed[static_cast<size_t>(q)] != 1)
      out.push_back(slot.score == 0 ? q : slot.listIndex[static_cast<size_t>(q)]);
  return out;
}

std::vector<std::string> PlacementDiagnosis::Suggestions(const std::vector<int>& leftOut) const {
  std::vector<std::string> out;
  std::vector<const Entry*> tooLong, crowded;
  for (int i : leftOut) {
    const Entry& e = words_[static_cast<size_t>(i)];
    (TooLong(e) ? tooLong : crowded).push_back(&e);
  }

  // Directions that are off: those whose lines take a word that is too long now, or else those
  // with room for a word that only lacked it.
  std::vector<std::string> helping;
  int reach = 0;
  const std::vector<const Entry*>& wanting = tooLong.empty() ? crowded : tooLong;
  for (int d = 1; d <= 8; ++d) {
    if (directions_[static_cast<size_t>(d)]) continue;
    const int line = longest_[static_cast<size_t>(d)];
    if (std::any_of(wanting.begin(), wanting.end(),
                    [&](const Entry* e) { return e->letters <= line; })) {
      helping.push_back(kDirectionNames[d]);
      reach = std::max(reach, line);
    }
  }
  if (!tooLong.empty() && !helping.empty()) {
    std::vector<std::string> fitting;
    for (const Entry* e : tooLong)
      if (e->letters <= reach) fitting.push_back(e->text);
    out.push_back("Switching on " + JoinNames(helping) + " would give lines of up to " +
                  std::to_string(reach) + " letters, enough for " + WordNames(fitting) + ".");
  } else if (tooLong.empty() && !helping.empty()) {
    out.push_back("Switching on " + JoinNames(helping) +
                  " would give the crowded-out words more lines to go in.");
  }

  // The longest word of the list decides whether any is too long for the shape.
  const Entry* longestWord = nullptr;
  for (const Entry& e : words_)
    if (!longestWord || e.letters > longestWord->letters) longestWord = &e;
  if (longestWord && TooLong(*longestWord) && longestChosen_ > 0) {
    const std::string side = std::to_string(longestWord->letters);
    out.push_back("A square shape of " + side + " x " + side +
                  " or larger would take the longest word, " + longestWord->text + " (" + side +
                  " letters).");
  }

  if (attempts_ > 0) {
    long total = 0;
    for (const Entry& e : words_) total += e.placedIn;
    const long average = (total + attempts_ / 2) / attempts_;
    out.push_back("On average " + std::to_string(average) + " of " + std::to_string(WordCount()) +
                  " words fit (over " + std::to_string(attempts_) +
                  (attempts_ == 1 ? " attempt)." : " attempts)."));
  } else if (allRefused_) {
    out.push_back("The offensive-word screen refused every attempt.");
  }
  return out;
}

std::string PlacementDiagnosis::Report(const std::vector<int>& leftOut) const {
  std::string out;
  if (!leftOut.empty()) {
    out += "Not placed:\n";
    for (int i : leftOut) out += Word(i) + ": " + Reason(i) + "\n";
  }
  const std::vector<std::string> suggestions = Suggestions(leftOut);
  if (!suggestions.empty()) {
    out += "Suggestions:\n";
    for (const std::string& s : suggestions) out += s + "\n";
  }
  return out;
}

}  // namespace gw

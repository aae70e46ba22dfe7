// Fill and screen of a candidate at save.
#include "generator/FillAndScreen.h"

#include "base/ComposedMessage.h"
#include "base/Random.h"
#include "generator/FillLetters.h"
#include "generator/OffensiveWords.h"

namespace gw {

namespace {

FillResult Refuse(std::string message) {
  return FillResult{FillOutcome::Refused, std::move(message), "Error"};
}

const char kNoCleanFill[] =
    "No fill letters could be found that keep offensive words out of this puzzle.  Please "
    "choose another puzzle or change the word list.";

}  // namespace

FillResult FillAndScreenAtSave(PuzzleRecord& puzzle, bool includePhrase,
                               const std::string& phraseText,
                               const std::vector<std::string>& offensiveEntries, Rng& rng,
                               const AskYesNo& ask) {
  if (includePhrase) {
    // A refused phrase changes nothing, not even the phrase flag.
    if (auto refusal = ValidatePhrase(
            phraseText, EmptyCellCount(puzzle),
            QT_TRANSLATE_NOOP("gw::Messages", "Spaces were used in the hidden phrase.")))
      return Refuse(*refusal);
    puzzle.hiddenPhraseUsed = 1;
    PlacePhrase(puzzle, phraseText);
  } else {
    puzzle.hiddenPhraseUsed = 0;
    FillRandomly(puzzle, rng);
  }

  const OffensiveScreen screen(EntriesClearOfWords(offensiveEntries, puzzle));
  if (!screen.Finds(puzzle)) return {};
  if (screen.FindsInPlacedLetters(puzzle)) return Refuse(kNoCleanFill);

  if (includePhrase) {
    const bool change =
        ask("The hidden phrase used has generated an \"offensive\" word in the puzzle.  Would you "
            "like to change the phrase?",
            "Warning");
    return change ? FillResult{FillOutcome::ChangePhrase, {}, {}} : FillResult{};
  }

  for (int refill = 0; refill < kMaxRefills; ++refill) {
    FillRandomly(puzzle, rng);
    if (!screen.Finds(puzzle)) return {};
  }
  return Refuse(kNoCleanFill);
}

}  // namespace gw

// The editor's entries into the puzzle record.
#include "editor/PuzzleEntries.h"

#include "base/TextUtils.h"

namespace gw {

int CountWords(const std::vector<PuzzleEntries::Row>& rows) {
  int count = 0;
  for (const PuzzleEntries::Row& row : rows)
    if (!Trim(row.word).empty()) ++count;
  return count;
}

bool HasTypedEntries(const std::vector<PuzzleEntries::Row>& opened,
                     const std::vector<PuzzleEntries::Row>& now) {
  const auto typed = [](const std::string& was, const std::string& is) {
    return !Trim(is).empty() && Trim(is) != Trim(was);
  };
  for (size_t i = 0; i < now.size(); ++i) {
    const PuzzleEntries::Row was = i < opened.size() ? opened[i] : PuzzleEntries::Row{};
    if (typed(was.word, now[i].word) || typed(was.clue, now[i].clue)) return true;
  }
  return false;
}

void ApplyEntries(const PuzzleEntries& entries, PuzzleRecord& puzzle) {
  puzzle.bonusQuestion.Set(Trim(entries.bonusQuestion));
  puzzle.title.Set(Trim(entries.title));
  puzzle.category.Set(Trim(entries.category));
  int count = 0;
  for (const PuzzleEntries::Row& row : entries.rows) {
    const std::string word = Trim(row.word);
    if (word.empty() || count == kMaxWords) continue;
    ++count;
    puzzle.Word(count).Set(word);
    puzzle.Clue(count).Set(Trim(row.clue));
  }
  puzzle.wordCount = static_cast<int16_t>(count);
  for (int i = count + 1; i <= kMaxWords; ++i) {
    puzzle.Word(i).Set("");
    puzzle.Clue(i).Set("");
  }
}

std::optional<EntryProblem> FindControlCharacters(const PuzzleEntries& entries) {
  const auto holds = [](const std::string& text) {
    return FindControlCharacter(text) != std::string::npos;
  };
  constexpr char kWhat[] =
      " holds a control character (such as a tab or a line break).  Please "
      "correct.";
  if (holds(entries.title))
    return EntryProblem{EntryProblem::Title, 0, "The title" + std::string(kWhat)};
  if (holds(entries.category))
    return EntryProblem{EntryProblem::Category, 0, "The category" + std::string(kWhat)};
  for (size_t i = 0; i < entries.rows.size(); ++i) {
    const PuzzleEntries::Row& row = entries.rows[i];
    if (Trim(row.word).empty()) continue;
    const int number = static_cast<int>(i) + 1;
    if (holds(row.word))
      return EntryProblem{EntryProblem::Word, number,
                          "The word in row " + std::to_string(number) + kWhat};
    if (holds(row.clue))
      return EntryProblem{EntryProblem::Clue, number,
                          "The clue in row " + std::to_string(number) + kWhat};
  }
  if (holds(entries.bonusQuestion))
    return EntryProblem{EntryProblem::BonusQuestion, 0, "The bonus question" + std::string(kWhat)};
  return std::nullopt;
}

}  // namespace gw

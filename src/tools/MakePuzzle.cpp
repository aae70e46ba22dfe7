// The command-line puzzle maker's pipeline: the same model the windows drive.
#include "tools/MakePuzzle.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <utility>

#include "base/IoError.h"
#include "base/Random.h"
#include "base/TextCodec.h"
#include "base/TextUtils.h"
#include "editor/WordFile.h"
#include "generator/CandidateSave.h"
#include "generator/CreateCheck.h"
#include "generator/FillAndScreen.h"
#include "generator/FitEstimate.h"
#include "generator/OffensiveWords.h"
#include "generator/PlacementDiagnosis.h"
#include "generator/PlacementEngine.h"
#include "generator/PuzzleVersions.h"
#include "layouts/LayoutLibrary.h"
#include "shapes/ShapeLibrary.h"
#include "storage/PuzzleGroup.h"
#include "storage/RecordFile.h"

namespace gw {

namespace {

MakeOutcome Fail(MakeOutcome::Code code, std::string message) {
  MakeOutcome outcome;
  outcome.code = code;
  outcome.message = std::move(message);
  return outcome;
}

// The shape by name from the library, from an export file, or a 15 x 15 square.
std::optional<std::string> LoadShape(const MakeRequest& request, const AppPaths& paths,
                                     ShapeRecord& shape) {
  MakeNewShape(shape);
  if (request.shapeFile) {
    const OpResult read = ReadShapeExport(*request.shapeFile, shape);
    if (!read.ok) return read.message + " (" + *request.shapeFile + ")";
  } else if (request.shapeName) {
    const std::string library = ShapeLibraryPath(paths);
    const std::optional<std::vector<ShapeEntry>> entries = ListShapes(library);
    bool found = false;
    for (const ShapeEntry& entry : entries.value_or(std::vector<ShapeEntry>{})) {
      ShapeRecord candidate;
      // The name alone, or the list text ("15x15 Square") when names repeat.
      if (ReadShape(library, entry.tag, candidate) &&
          (EqualsNoCase(Trim(candidate.shapeName.Get()), Trim(*request.shapeName)) ||
           EqualsNoCase(entry.text, Trim(*request.shapeName)))) {
        shape = candidate;
        found = true;
        break;
      }
    }
    if (!found) return "No shape named \"" + *request.shapeName + "\" in " + library + ".";
  } else {
    shape.shapeName.Set("Square");
    shape.shapeWidth = shape.shapeHeight = 15;
  }
  shape.shapeWidth = static_cast<int16_t>(ClampedShapeWidth(shape));
  shape.shapeHeight = static_cast<int16_t>(ClampedShapeHeight(shape));
  return std::nullopt;
}

}  // namespace

std::string ShowPuzzle(const PuzzleRecord& puzzle) {
  const int width = ClampedGridWidth(puzzle), height = ClampedGridHeight(puzzle);
  std::string out = puzzle.title.Get() + " (" + puzzle.category.Get() + "), " +
                    std::to_string(width) + " x " + std::to_string(height) + "\n\n";
  for (int r = 1; r <= height; ++r) {
    for (int c = 1; c <= width; ++c) {
      const uint8_t letter = puzzle.Letter(CellIndex(r, c));
      char shown = '.';
      if (letter == ' ')
        shown = static_cast<char>(ToLowerAccented(puzzle.Fill(CellIndex(r, c))));
      else if (letter != 0)
        shown = static_cast<char>(letter);
      out += shown;
      out += c < width ? " " : "\n";
    }
  }
  out += "\n";
  const int words = ClampedWordCount(puzzle);
  for (int i = 1; i <= kMaxWords && !puzzle.Word(i).Empty(); ++i) {
    std::string line = PadLeft(std::to_string(i), 3) + ". " + PadRight(puzzle.Word(i).Get(), 16);
    if (i <= words && puzzle.wordPlaced[i - 1] == 1) {
      const int s = puzzle.wordStart[i - 1], e = puzzle.wordEnd[i - 1];
      line += " " + std::to_string(CellRow(s)) + "," + std::to_string(CellColumn(s)) + " -> " +
              std::to_string(CellRow(e)) + "," + std::to_string(CellColumn(e));
    } else {
      line += " (not placed)";
    }
    if (!puzzle.Clue(i).Empty()) line += "  " + puzzle.Clue(i).Get();
    out += line + "\n";
  }
  if (!puzzle.bonusQuestion.Empty())
    out += "\nBonus question: " + puzzle.bonusQuestion.Get() + "\n";
  return out;
}

namespace {

// The versions of the puzzle the request describes, appended to the group all together.
MakeOutcome MakeAndSaveVersions(const MakeRequest& request, const PuzzleRecord& puzzle,
                                const ShapeRecord& shape, const PlacementOptions& options,
                                const AppPaths& paths) {
  if (request.versions < kMinVersions || request.versions > kMaxVersions)
    return Fail(MakeOutcome::InputError, "The number of versions must be between " +
                                             std::to_string(kMinVersions) + " and " +
                                             std::to_string(kMaxVersions) + ".");
  if (request.phrase && Trim(*request.phrase).find(' ') != std::string::npos)
    return Fail(MakeOutcome::InputError, "Spaces were used in the hidden phrase.");
  VersionRequest r;
  r.base = std::make_unique<PuzzleRecord>(puzzle);
  r.shape = shape;
  r.options = options;
  r.count = request.versions;
  r.pick = request.pick;
  r.phrase = request.phrase;
  r.offensiveEntries = LoadOffensiveList(paths);
  r.wanted = puzzle.wordCount;
  const VersionsOutcome made = MakeVersions(r);
  if (!made.failure.empty()) return Fail(MakeOutcome::CannotDo, made.failure + ".");

  MakeOutcome outcome;
  outcome.words = puzzle.wordCount;
  outcome.versionNotes = made.notes;
  for (const MadeVersion& v : made.versions) outcome.versionPlaced.push_back(v.placed);
  outcome.placed = made.versions.front().placed;
  try {
    const std::optional<long> before = CountRecords(request.groupFile, sizeof(PuzzleRecord));
    std::vector<const PuzzleRecord*> records;
    for (const MadeVersion& v : made.versions) records.push_back(v.puzzle.get());
    if (!AppendPuzzles(request.groupFile, records))
      return Fail(MakeOutcome::CannotDo, "Unable to save puzzle.");
    outcome.record = static_cast<int>(before.value_or(0));
  } catch (const IoError& e) {
    return Fail(MakeOutcome::CannotDo, std::string("Unable to save puzzle: ") + e.what());
  }
  return outcome;
}

// The word file as the editor would store it: trimmed, cut to the field, blank words skipped;
// words and clues holding control characters are refused, naming their line. Nullopt when all
// is well.
std::optional<MakeOutcome> ReadList(const MakeRequest& request, PuzzleRecord& puzzle) {
  std::optional<WordFileLines> file;
  try {
    file = ReadWordFile(request.wordFile);
  } catch (const IoError& e) {
    return Fail(MakeOutcome::InputError, std::string("Cannot read the word file: ") + e.what());
  }
  if (!file)
    return Fail(MakeOutcome::InputError, "Cannot open the word file " + request.wordFile + ".");
  // Nothing is made from words that would lose letters.
  if (!file->unmapped.isEmpty())
    return Fail(MakeOutcome::InputError, "The word file holds characters a puzzle cannot keep: " +
                                             CodePointList(file->unmapped) + " (" +
                                             request.wordFile + ").");
  const std::vector<std::string>& lines = file->lines;
  if (lines.size() > static_cast<size_t>(kMaxWords))
    return Fail(MakeOutcome::InputError, "The word file holds " + std::to_string(lines.size()) +
                                             " entries; a puzzle takes at most " +
                                             std::to_string(kMaxWords) + ".");

  InitNewPuzzle(puzzle);
  int count = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    const WordAndClue entry = SplitWordClue(lines[i], request.separator);
    if (entry.word.empty()) continue;
    for (const auto& [text, what] : {std::pair{&entry.word, "word"}, {&entry.clue, "clue"}})
      if (FindControlCharacter(*text) != std::string::npos)
        return Fail(MakeOutcome::InputError,
                    "Line " + std::to_string(file->numbers[i]) + " of " + request.wordFile +
                        ": the " + what +
                        " holds a control character (a tab, a NUL or another byte below 32); "
                        "remove it.");
    ++count;
    puzzle.Word(count).Set(entry.word);
    puzzle.Clue(count).Set(entry.clue);
  }
  puzzle.wordCount = static_cast<int16_t>(count);
  return std::nullopt;
}

// The shape of the request, its grid given to `puzzle`; then what no placement can work with.
std::optional<MakeOutcome> PrepareShape(const MakeRequest& request, const AppPaths& paths,
                                        PuzzleRecord& puzzle, ShapeRecord& shape) {
  try {
    if (const auto problem = LoadShape(request, paths, shape))
      return Fail(MakeOutcome::InputError, *problem);
  } catch (const IoError& e) {
    return Fail(MakeOutcome::InputError, std::string("Cannot read the shape: ") + e.what());
  }
  puzzle.gridWidth = shape.shapeWidth;
  puzzle.gridHeight = shape.shapeHeight;
  if (const auto problem =
          CheckPlacementInputs(ClampedWordCount(puzzle), shape, request.directions))
    return Fail(MakeOutcome::InputError, *problem);
  if (request.integration < 0 || request.integration > 6)
    return Fail(MakeOutcome::InputError, "Integration must be between 0 and 6.");
  return std::nullopt;
}

PlacementOptions OptionsOf(const MakeRequest& request) {
  PlacementOptions options;
  options.directions = request.directions;
  options.integration = static_cast<int>(request.integration);
  options.attempts = static_cast<int>(request.attempts);
  options.shrink = request.shrink;
  options.seed = request.seed;
  return options;
}

MakeOutcome MakeAndSave(const MakeRequest& request) {
  const AppPaths paths{request.libraryDir, request.libraryDir};
  auto puzzle = std::make_unique<PuzzleRecord>();
  if (auto failed = ReadList(request, *puzzle)) return *failed;
  try {
    CopyDefaultLayout(paths, request.defaultPage, *puzzle);
  } catch (const IoError& e) {
    return Fail(MakeOutcome::InputError,
                std::string("Cannot read the page layout library: ") + e.what());
  }
  const int count = puzzle->wordCount;
  if (const auto problem =
          CheckCreateInputs(request.title, request.category, count, request.attempts))
    return Fail(MakeOutcome::InputError, problem->message);
  for (const auto& [text, what] :
       {std::pair{&request.title, "--title"}, {&request.category, "--category"}})
    if (FindControlCharacter(*text) != std::string::npos)
      return Fail(MakeOutcome::InputError, std::string(what) + " holds a control character.");
  puzzle->title.Set(Trim(request.title));
  puzzle->category.Set(Trim(request.category));

  ShapeRecord shape;
  if (auto failed = PrepareShape(request, paths, *puzzle, shape)) return *failed;
  if (const auto problem = CheckWordLengths(*puzzle, shape.shapeWidth, shape.shapeHeight))
    return Fail(MakeOutcome::InputError, problem->message);
  if (const DuplicateWords repeated = FindDuplicateWords(*puzzle);
      repeated.Any() && !request.allowDuplicates)
    return Fail(MakeOutcome::InputError, DuplicateWordsText(repeated.words) +
                                             " Use --allow-duplicates to place every copy.");
  if (request.pick < 1 || request.pick > 4)
    return Fail(MakeOutcome::InputError, "The candidate to pick must be between 1 and 4.");

  const PlacementOptions options = OptionsOf(request);
  if (request.versions != 0) return MakeAndSaveVersions(request, *puzzle, shape, options, paths);
  const std::vector<std::string> entries = EntriesClearOfWords(LoadOffensiveList(paths), *puzzle);
  const OffensiveScreen screen(entries);
  CandidateSlots candidates;
  const PlacementOutcome run = RunPlacementEngine(*puzzle, shape, options, screen, candidates);
  const CandidateSlot& slot = candidates[static_cast<size_t>(request.pick - 1)];
  std::string explanation;
  if (request.explain) {
    const PlacementDiagnosis diagnosis(*puzzle, shape, options, run);
    explanation = diagnosis.Report(diagnosis.LeftOut(slot));
  }
  auto cannot = [&](std::string message) {
    MakeOutcome failed = Fail(MakeOutcome::CannotDo, std::move(message));
    failed.explanation = explanation;
    return failed;
  };
  // The cap on screen-refused tries ends a run that the screen would otherwise never let finish.
  const std::string refused = "offensive-word screening refused " +
                              std::to_string(run.refusedTries) + " attempts and the run stopped";
  if (candidates[0].score == 0)
    return cannot(run.refusedLimitReached
                      ? "Offensive-word screening refused every attempt (" +
                            std::to_string(run.refusedTries) + "), so no puzzle could be made."
                      : "No word could be placed: check the directions, the shape and the word "
                        "lengths.");
  if (slot.score == 0)
    return cannot("Candidate " + std::to_string(request.pick) + " is empty: " +
                  (run.refusedLimitReached ? refused + " with fewer." : "the run kept fewer."));

  auto chosen = std::make_unique<PuzzleRecord>(*slot.record);
  // Fill letters come from the run's seed too, so a seeded run is repeatable to the byte.
  Rng rng(TrySeed(run.seed, 0));
  bool offensivePhrase = false;
  const FillResult fill =
      FillAndScreenAtSave(*chosen, request.phrase.has_value(), request.phrase.value_or(""), entries,
                          rng, [&](const std::string&, const std::string&) {
                            offensivePhrase = true;
                            return true;
                          });
  if (fill.outcome == FillOutcome::Refused) return Fail(MakeOutcome::InputError, fill.message);
  if (offensivePhrase)
    return Fail(MakeOutcome::InputError,
                "The hidden phrase used has generated an \"offensive\" word in the puzzle.");
  MarkCandidateStored(*chosen, slot);

  MakeOutcome outcome;
  outcome.explanation = explanation;
  if (run.refusedLimitReached) outcome.note = refused + " early.";
  outcome.placed = slot.score;
  outcome.words = count;
  try {
    const std::optional<long> record =
        AppendRecord(request.groupFile, sizeof(PuzzleRecord), chosen.get());
    if (!record) return Fail(MakeOutcome::CannotDo, "Unable to save puzzle.");
    outcome.record = static_cast<int>(*record);
  } catch (const IoError& e) {
    return Fail(MakeOutcome::CannotDo, std::string("Unable to save puzzle: ") + e.what());
  }
  return outcome;
}

// A group that holds something, but not one whole record, is some other file: say so before the
// run rather than after it.
std::optional<std::string> GroupProblem(const std::string& group) {
  std::error_code ec;
  const auto status = std::filesystem::status(group, ec);
  if (ec || !std::filesystem::exists(status)) return std::nullopt;
  if (std::filesystem::is_directory(status)) return group + " is a folder, not a puzzle group.";
  if (!std::filesystem::is_regular_file(status)) return group + " is not a puzzle group.";
  const auto size = std::filesystem::file_size(group, ec);
  if (!ec && size > 0 && size < sizeof(PuzzleRecord))
    return group + " is not a puzzle group (" + std::to_string(size) +
           " bytes, less than one puzzle); it is left as it is.";
  return std::nullopt;
}

}  // namespace

MakeOutcome MakePuzzle(const MakeRequest& request) {
  if (const auto problem = GroupProblem(request.groupFile))
    return Fail(MakeOutcome::InputError, *problem);
  try {
    return MakeAndSave(request);
  } catch (const IoError& e) {
    // The libraries beside the program: a folder in a file's place, a read error, a busy file.
    return Fail(MakeOutcome::InputError, std::string("Cannot read: ") + e.what());
  }
}

MakeOutcome EstimateWords(const MakeRequest& request) {
  const AppPaths paths{request.libraryDir, request.libraryDir};
  auto puzzle = std::make_unique<PuzzleRecord>();
  ShapeRecord shape;
  try {
    if (auto failed = ReadList(request, *puzzle)) return *failed;
    if (auto failed = PrepareShape(request, paths, *puzzle, shape)) return *failed;
    const OffensiveScreen screen(EntriesClearOfWords(LoadOffensiveList(paths), *puzzle));
    const std::optional<FitEstimate> estimate =
        EstimateFit(*puzzle, shape, OptionsOf(request), screen);
    MakeOutcome outcome;
    outcome.placed = estimate->fit;
    outcome.words = estimate->words;
    return outcome;
  } catch (const IoError& e) {
    return Fail(MakeOutcome::InputError, std::string("Cannot read: ") + e.what());
  }
}

}  // namespace gw

// A spelling dictionary of one language with the user's word lists, behind a small interface.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "base/AppPaths.h"

namespace gw {

// Words are Windows-1252; the dictionary's own encoding stays inside.
class Speller {
 public:
  virtual ~Speller() = default;
  // Right when not on the user's exclude list and on the include list or in the dictionary. A word
  // of several parts (spaces between) is right when every part is.
  virtual bool Knows(const std::string& word) = 0;
  // Replacements in the dictionary's order of likeness; never an excluded word. For a word of
  // several parts, the first wrong part is replaced and the others kept.
  virtual std::vector<std::string> Suggest(const std::string& word) = 0;
  // The dictionary forms of a right word ("apples" -> "apple").
  virtual std::vector<std::string> Stems(const std::string& word) = 0;
  // Counts as right from now on, in this object only (the caller writes the list).
  virtual void Include(const std::string& word) = 0;
};

// The dictionary of `language` 1..8 found by FindDictionary, with the user's two lists of that
// language when `userLists`. Null when the dictionary files are missing.
std::unique_ptr<Speller> OpenSpeller(const AppPaths& paths, long language, bool userLists = true);

}  // namespace gw

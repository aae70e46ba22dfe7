// The spelling dictionary on Hunspell.
#include "language/Speller.h"

#include <hunspell.hxx>
#include <set>

#include "base/TextCodec.h"
#include "base/TextUtils.h"
#include "language/Availability.h"
#include "language/UserLexicon.h"

namespace gw {
namespace {

std::vector<std::string> SplitSpaces(const std::string& word) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start < word.size()) {
    size_t end = word.find(' ', start);
    if (end == std::string::npos) end = word.size();
    if (end > start) parts.push_back(word.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

class HunspellSpeller : public Speller {
 public:
  explicit HunspellSpeller(const std::string& stem)
      : hunspell_((stem + ".aff").c_str(), (stem + ".dic").c_str()) {
    const char* encoding = hunspell_.get_dic_encoding();
    encoding_ = encoding ? encoding : "UTF-8";
  }

  void SetLists(const std::vector<std::string>& exclude, const std::vector<std::string>& include) {
    for (const std::string& w : exclude) exclude_.insert(Folded(w));
    for (const std::string& w : include) include_.insert(Folded(w));
  }

  bool Knows(const std::string& word) override {
    const std::string folded = Folded(word);
    if (folded.empty()) return true;
    if (exclude_.count(folded)) return false;
    if (include_.count(folded) || InDictionary(word)) return true;
    // A name on the include list is right with its possessive too ("Kwamella's").
    if (folded.size() > 2 && folded.compare(folded.size() - 2, 2, "'s") == 0 &&
        include_.count(folded.substr(0, folded.size() - 2)))
      return true;
    const std::vector<std::string> parts = SplitSpaces(word);
    if (parts.size() < 2) return false;
    for (const std::string& part : parts)
      if (!Knows(part)) return false;
    return true;
  }

  std::vector<std::string> Suggest(const std::string& word) override {
    const std::vector<std::string> parts = SplitSpaces(word);
    if (parts.size() >= 2) return SuggestForPhrase(word, parts);
    std::vector<std::string> out;
    const std::optional<std::string> encoded = ToEncoding(word, encoding_);
    if (!encoded) return out;
    for (const std::string& s : hunspell_.suggest(*encoded)) AddConverted(s, out);
    return out;
  }

  std::vector<std::string> Stems(const std::string& word) override {
    std::vector<std::string> out;
    const std::optional<std::string> encoded = ToEncoding(word, encoding_);
    if (!encoded) return out;
    for (const std::string& s : hunspell_.stem(*encoded)) AddConverted(s, out);
    return out;
  }

  void Include(const std::string& word) override { include_.insert(Folded(word)); }

 private:
  static std::string Folded(const std::string& word) { return ToLowerAccented(Trim(word)); }

  bool InDictionary(const std::string& word) {
    const std::optional<std::string> encoded = ToEncoding(word, encoding_);
    return encoded && hunspell_.spell(*encoded);
  }

  void AddConverted(const std::string& suggestion, std::vector<std::string>& out) const {
    const std::optional<std::string> text = FromEncoding(suggestion, encoding_);
    if (!text || text->empty() || exclude_.count(Folded(*text))) return;
    for (const std::string& already : out)
      if (already == *text) return;
    out.push_back(*text);
  }

  std::vector<std::string> SuggestForPhrase(const std::string& word,
                                            const std::vector<std::string>& parts) {
    size_t at = 0;
    for (const std::string& part : parts) {
      at = word.find(part, at);  // parts come in order, so each is found after the one before
      if (!Knows(part)) {
        std::vector<std::string> out;
        for (const std::string& s : Suggest(part))
          out.push_back(word.substr(0, at) + s + word.substr(at + part.size()));
        return out;
      }
      at += part.size();
    }
    return {};
  }

  Hunspell hunspell_;
  std::string encoding_;
  std::set<std::string> exclude_, include_;
};

}  // namespace

std::unique_ptr<Speller> OpenSpeller(const AppPaths& paths, long language, bool userLists) {
  const std::string stem = FindDictionary(paths, language);
  if (stem.empty()) return nullptr;
  auto speller = std::make_unique<HunspellSpeller>(stem);
  if (userLists)
    speller->SetLists(ReadLexicon(LexiconPath(paths, language, LexiconKind::Exclude)),
                      ReadLexicon(LexiconPath(paths, language, LexiconKind::Include)));
  return speller;
}

}  // namespace gw

// The thesaurus on MyThes: its meanings become categories, the entries it tags as antonyms the
// antonym list, and the rest of each meaning its synonyms, except the more general words (tagged
// generic terms), which only describe a meaning that has nothing else to tell it by.
#include "language/Thesaurus.h"

#include <cstdio>
// mythes.hxx uses FILE without including its header.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mythes.hxx>

#include "base/ComposedMessage.h"
#include "base/TextCodec.h"
#include "base/TextUtils.h"
#include "language/Availability.h"
#include "language/Speller.h"

namespace gw {
namespace {

constexpr size_t kMaxAntonyms = 25;
constexpr char kAntonymTag[] = " (antonym)";
constexpr char kGenericTag[] = " (generic term)";

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// "(adj)" -> "adj"; the engine's names for the four parts of speech.
std::string PosFromDefinition(const std::string& defn) {
  const size_t open = defn.find('(');
  const size_t close = defn.find(')', open);
  if (open != 0 || close == std::string::npos) return {};
  const std::string pos = defn.substr(1, close - 1);
  if (pos == "noun") return "n";
  if (pos == "verb") return "v";
  return pos;
}

// One meaning as read: its part of speech and its entries without their tags.
struct Meaning {
  std::string pos;
  std::vector<std::string> plain;     // untagged entries, in order
  std::vector<std::string> synonyms;  // every entry that is neither an antonym nor more general
  std::vector<std::string> antonyms;
  std::vector<std::string> generic;  // more general words: a warrior is a kind of person
};

// "a kind of person", "a way to defy": how a more general word describes a meaning.
std::string KindOf(const std::string& pos, const std::string& generic) {
  if (pos == "v") return "a way to " + generic;
  if (pos == "n") return "a kind of " + generic;
  return "like " + generic;
}

// Meanings that have no synonyms are described by their more general word; meanings that would
// still show the same line get their first synonym besides their name.
void TellMeaningsApart(std::vector<ThesCategory>& categories, const std::vector<Meaning>& from) {
  for (size_t i = 0; i < categories.size(); ++i)
    if (categories[i].synonyms.empty() && !from[i].generic.empty())
      categories[i].sense = KindOf(categories[i].pos, from[i].generic.front());
  for (size_t i = 0; i < categories.size(); ++i) {
    bool shared = false;
    for (size_t k = 0; k < categories.size(); ++k)
      shared =
          shared || (k != i && CategoryDisplay(categories[k]) == CategoryDisplay(categories[i]));
    if (!shared || !categories[i].sense.empty()) continue;
    for (const std::string& s : categories[i].synonyms)
      if (s != categories[i].word) {
        categories[i].sense = s;
        break;
      }
  }
}

class MythesThesaurus : public Thesaurus {
 public:
  MythesThesaurus(const std::string& stem, AppPaths paths, long language)
      : thes_((stem + ".idx").c_str(), (stem + ".dat").c_str()),
        paths_(std::move(paths)),
        language_(language) {
    const char* encoding = thes_.get_th_encoding();
    ok_ = encoding != nullptr;
    encoding_ = encoding ? encoding : "UTF-8";
  }
  bool Ok() const { return ok_; }

  ThesLookup Lookup(const std::string& word) override {
    ThesLookup result;
    const std::string key = Trim(word);
    const std::vector<Meaning> meanings = Meanings(key);
    result.found = !meanings.empty();
    for (const Meaning& m : meanings) {
      // A meaning is named by its first plain entry; one that has none is the word's own.
      result.categories.push_back(
          {m.plain.empty() ? ToLowerAccented(key) : m.plain.front(), m.pos, m.synonyms});
      for (const std::string& antonym : m.antonyms) {
        if (result.antonyms.size() >= kMaxAntonyms) break;
        ThesCategory category{antonym, m.pos, {}};
        bool seen = false;
        for (const ThesCategory& a : result.antonyms)
          seen = seen || CategoryDisplay(a) == CategoryDisplay(category);
        if (seen) continue;
        category.synonyms = AntonymSynonyms(antonym, m.pos, key);
        result.antonyms.push_back(std::move(category));
      }
    }
    TellMeaningsApart(result.categories, meanings);
    return result;
  }

  std::vector<std::string> Suggest(const std::string& word) override {
    std::vector<std::string> out;
    if (!speller_) speller_ = OpenSpeller(paths_, language_ == 2 ? 2 : 1, false);
    if (!speller_) return out;
    const std::string key = Trim(word);
    std::vector<std::string> candidates = speller_->Stems(key);
    for (const std::string& s : speller_->Suggest(key)) candidates.push_back(s);
    for (const std::string& c : candidates) {
      const std::string lower = ToLowerAccented(c);
      if (lower == ToLowerAccented(key) || Meanings(lower).empty()) continue;
      bool seen = false;
      for (const std::string& o : out) seen = seen || o == lower;
      if (!seen) out.push_back(lower);
    }
    return out;
  }

 private:
  std::vector<Meaning> Meanings(const std::string& word) {
    std::vector<Meaning> meanings;
    // The index holds lower-case keys.
    const std::optional<std::string> key = ToEncoding(ToLowerAccented(word), encoding_);
    if (!ok_ || !key || key->empty()) return meanings;
    mentry* entries = nullptr;
    const int count = thes_.Lookup(key->c_str(), static_cast<int>(key->size()), &entries);
    const std::string self = ToLowerAccented(word);
    for (int i = 0; i < count; ++i) {
      Meaning m;
      m.pos = PosFromDefinition(entries[i].defn ? entries[i].defn : "");
      for (int k = 0; k < entries[i].count; ++k) {
        const std::optional<std::string> text =
            FromEncoding(entries[i].psyns[k] ? entries[i].psyns[k] : "", encoding_);
        if (!text || text->empty()) continue;
        if (EndsWith(*text, kAntonymTag)) {
          m.antonyms.push_back(text->substr(0, text->size() - sizeof(kAntonymTag) + 1));
          continue;
        }
        std::string entry = *text;
        const bool generic = EndsWith(entry, kGenericTag);
        const bool tagged = EndsWith(entry, " term)");
        if (tagged) entry.erase(entry.rfind(" ("));
        if (ToLowerAccented(entry) == self) continue;
        if (generic) {
          m.generic.push_back(entry);
          continue;
        }
        if (!tagged) m.plain.push_back(entry);
        m.synonyms.push_back(entry);
      }
      meanings.push_back(std::move(m));
    }
    if (count > 0) thes_.CleanUpAfterLookup(&entries, count);
    return meanings;
  }

  // The antonym's own meaning: the one of its part of speech that names `word` as its antonym,
  // else its first of that part of speech.
  std::vector<std::string> AntonymSynonyms(const std::string& antonym, const std::string& pos,
                                           const std::string& word) {
    const std::vector<Meaning> meanings = Meanings(antonym);
    const Meaning* first = nullptr;
    for (const Meaning& m : meanings) {
      if (m.pos != pos) continue;
      if (!first) first = &m;
      for (const std::string& a : m.antonyms)
        if (ToLowerAccented(a) == ToLowerAccented(word)) return m.synonyms;
    }
    return first ? first->synonyms : std::vector<std::string>{};
  }

  MyThes thes_;
  AppPaths paths_;
  long language_;
  bool ok_ = false;
  std::string encoding_;
  std::unique_ptr<Speller> speller_;
};

}  // namespace

std::string CategoryDisplay(const ThesCategory& category) {
  const std::string& pos = category.pos;
  if (category.sense.empty()) {
    if (pos == "n")
      return ComposeMessage(QT_TRANSLATE_NOOP("gw::Messages", "%1 (noun)"), {category.word});
    if (pos == "v")
      return ComposeMessage(QT_TRANSLATE_NOOP("gw::Messages", "%1 (verb)"), {category.word});
    if (pos == "adj")
      return ComposeMessage(QT_TRANSLATE_NOOP("gw::Messages", "%1 (adjective)"), {category.word});
    if (pos == "adv")
      return ComposeMessage(QT_TRANSLATE_NOOP("gw::Messages", "%1 (adverb)"), {category.word});
    return category.word;
  }
  const std::vector<std::string> parts = {category.word, category.sense};
  if (pos == "n") return ComposeMessage(QT_TRANSLATE_NOOP("gw::Messages", "%1 (noun), %2"), parts);
  if (pos == "v") return ComposeMessage(QT_TRANSLATE_NOOP("gw::Messages", "%1 (verb), %2"), parts);
  if (pos == "adj")
    return ComposeMessage(QT_TRANSLATE_NOOP("gw::Messages", "%1 (adjective), %2"), parts);
  if (pos == "adv")
    return ComposeMessage(QT_TRANSLATE_NOOP("gw::Messages", "%1 (adverb), %2"), parts);
  return category.word + ", " + category.sense;
}

namespace {

// The engine trusts the entry count on the index's second line and allocates for it; a count no
// index of this size could hold marks a damaged file.
bool PlausibleIndex(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string encoding, count;
  if (!std::getline(in, encoding) || !std::getline(in, count)) return false;
  char* end = nullptr;
  const long n = std::strtol(count.c_str(), &end, 10);
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  return !ec && n > 0 && static_cast<unsigned long long>(n) <= size;
}

}  // namespace

std::unique_ptr<Thesaurus> OpenThesaurus(const AppPaths& paths, long thesaurus) {
  const std::string stem = FindThesaurus(paths, thesaurus);
  if (stem.empty() || !PlausibleIndex(stem + ".idx")) return nullptr;
  auto thes = std::make_unique<MythesThesaurus>(stem, paths, thesaurus);
  if (!thes->Ok()) return nullptr;
  return thes;
}

}  // namespace gw

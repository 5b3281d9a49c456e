#include "course_maker.h"

#include <QString>
#include <algorithm>
#include <array>
#include <deque>
#include <random>
#include <set>
#include <sstream>

#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/line_text.h"

namespace {
constexpr size_t kWordLineTarget = 72;
constexpr size_t kDrillLineTarget = 56;
constexpr size_t kLessonLines = 22;
constexpr size_t kWordLines = 12;
constexpr size_t kUsageLines = 10;
constexpr size_t kSentencesPerLesson = 4;
constexpr size_t kClosingSentences = 40;
constexpr int kNumberRow = 1;
constexpr int kHomeRow = 3;
// The fingers of the two hands that mirror each other, from the index fingers outwards.
constexpr std::array<std::pair<int, int>, 5> kFingerPairs{{{3, 6}, {2, 7}, {1, 8}, {0, 9}, {4, 5}}};
constexpr int kLeftMiddle = 2;
constexpr int kRightMiddle = 7;
const std::string kAccents = "^`\xB4\xA8~";
// The marks in the order writers use them; a pair of brackets is one mark.
const std::vector<std::string> kMarks = {",", ".", "'", "?", "-", "\"", "!", ":", ";", "()"};
// The rarer symbols, the ones met more often first, two to a lesson.
const std::vector<std::string> kSymbols = {"%",    "$",    "\xA3", "\x80", "/",  "@",    "&",
                                           "#",    "*",    "+",    "=",    "_",  "\xB0", "\xA7",
                                           "\xB2", "\xB5", "[]",   "{}",   "<>", "\\",   "|"};

bool Has(const std::string& set, char c) {
  return c != 0 && set.find(c) != std::string::npos;
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
std::string ToBytes(const std::string& utf8, const std::string& what) {
  std::string bytes;
  if (!QStringToBytes(QString::fromStdString(utf8), bytes)) {
    throw CourseError("'" + what + "' has a character the code page cannot hold");
  }
  return bytes;
}

struct Key {
  int line = 0;
  int column = 0;
  int finger = 0;
  char plain = 0;    // typed alone
  char shifted = 0;  // typed with Shift; 0 for nothing
  bool letter = false;

  bool HasCapital() const { return letter && shifted == Upper(plain) && shifted != plain; }
  // The characters the course may teach on the key: all but accent marks.
  std::string Teachable() const {
    std::string chars;
    for (char c : {plain, shifted}) {
      if (c != 0 && !Has(kAccents, c)) chars += c;
    }
    return chars;
  }
};

std::vector<Key> KeysOf(const LayoutRec& layout) {
  std::vector<Key> keys;
  for (int n = 1; n < std::clamp(layout.KeyCount, 0, kMaxKeys); ++n) {
    const KeyRec& rec = layout.KeyAt(n);
    Key key{rec.Line, rec.Column, rec.Finger, PlainChar(rec), 0, false};
    if (key.plain == ' ') continue;
    const char top = rec.Chars[0];
    const bool twoChars = rec.Chars[1] != ' ' && rec.Chars[1] != 0;
    // Letters are stored in the form the keyboard searches, upper case.
    key.letter = IsLetter(key.plain);
    if (twoChars) {
      key.shifted = top == ' ' ? 0 : top;
    } else if (key.letter) {
      key.shifted = top;
    }
    keys.push_back(key);
  }
  return keys;
}

// The same sequence on every machine: the engine is fully specified, the reduction is ours.
class Random {
 public:
  size_t Below(size_t n) { return n == 0 ? 0 : static_cast<size_t>(engine_() % n); }

 private:
  std::mt19937 engine_{2024};
};

// A word of the list: the commoner, the more often it comes, less so each time it came.
struct Word {
  std::string text;
  uint64_t weight = 0;
  uint64_t uses = 0;
};

std::vector<std::string> Tokens(const std::string& line) {
  std::vector<std::string> tokens;
  std::istringstream split(line);
  for (std::string token; split >> token;) tokens.push_back(token);
  return tokens;
}

// A sentence ends at . ? ! (with a closing quote or bracket) before a space and a capital.
std::vector<std::string> SentencesOf(const std::string& line) {
  std::vector<std::string> sentences;
  size_t start = 0;
  for (size_t i = 0; i + 2 < line.size(); ++i) {
    if (!Has(".?!", line[i])) continue;
    size_t end = i + 1;
    while (end < line.size() && Has("\")", line[end])) ++end;
    if (end + 1 < line.size() && line[end] == ' ' &&
        (IsLetter(line[end + 1]) && Upper(line[end + 1]) == line[end + 1])) {
      sentences.push_back(line.substr(start, end - start));
      start = end + 1;
    }
  }
  sentences.push_back(line.substr(start));
  if (sentences.size() > 1) sentences.push_back(line);
  return sentences;
}

using Keys = std::vector<const Key*>;

class CourseBuilder {
 public:
  CourseBuilder(const LayoutRec& layout, const CourseMaterial& material)
      : keys_(KeysOf(layout)), material_(material) {
    for (const Key& key : keys_) {
      for (char c : {key.plain, key.shifted}) {
        if (c && !keyOf_[static_cast<unsigned char>(c)])
          keyOf_[static_cast<unsigned char>(c)] = &key;
      }
    }
    FindHomeKeys(layout);
    for (size_t rank = 0; rank < material.words.size(); ++rank) {
      words_.push_back({material.words[rank], 1'000'000 / (rank + 50), 0});
    }
    for (const std::string& line : material.text) {
      for (char c : line) {
        if (IsLetter(c)) ++frequency_[static_cast<unsigned char>(Lower(c))];
      }
      for (const std::string& sentence : SentencesOf(SampleOf(line))) {
        if (Tokens(sentence).size() >= 4 && !Avoided(sentence)) sentences_.push_back(sentence);
      }
    }
    sentenceUsed_.assign(sentences_.size(), false);
  }

  std::vector<std::string> Build() {
    HomeKeys();
    Letters();
    Capitals();
    Accents();
    for (const std::string& mark : kMarks) MarkLesson(mark);
    Digits();
    Symbols();
    Closing();
    return lines_;
  }

 private:
  // ---- The keys ----

  const Key* KeyOf(char c) const { return keyOf_[static_cast<unsigned char>(c)]; }
  // Typed on a key of its own, not with a dead key.
  bool OnLayout(const std::string& chars) const {
    return std::all_of(chars.begin(), chars.end(),
                       [this](char c) { return KeyOf(c) && !Has(kAccents, c); });
  }

  const Key* MiddleKey(int row, int finger) const {
    const int middle = finger < 5 ? kLeftMiddle : kRightMiddle;
    for (const Key& key : keys_) {
      if (key.line == row && key.finger == middle) return &key;
    }
    return nullptr;
  }

  // The keys of a finger on a row that pass the filter, the nearest to the hand's middle
  // finger first: the index finger reaches for f before g.
  Keys Ranked(int row, int finger, bool (*wanted)(const Key&)) const {
    const Key* middle = MiddleKey(row, finger);
    if (!middle) middle = MiddleKey(kHomeRow, finger);
    const int centre = middle ? middle->column : 0;
    Keys found;
    for (const Key& key : keys_) {
      if (key.line == row && key.finger == finger && wanted(key)) found.push_back(&key);
    }
    std::stable_sort(found.begin(), found.end(), [centre](const Key* a, const Key* b) {
      return std::abs(a->column - centre) < std::abs(b->column - centre);
    });
    return found;
  }

  void FindHomeKeys(const LayoutRec& layout) {
    const std::array<char, kFingerCount> home = HomeChars(layout);
    for (size_t finger = 0; finger < home.size(); ++finger) {
      if (finger == 4 || finger == 5) continue;
      home_[finger] = home[finger] ? KeyOf(home[finger]) : nullptr;
      if (!home_[finger]) {
        throw CourseError("no key on the home row for finger " + std::to_string(finger));
      }
    }
  }

  // The key a finger rests on while it reaches for another, once the learner knows it.
  char Anchor(char c) const {
    const Key* key = KeyOf(c);
    const Key* home = home_[static_cast<size_t>(key->finger)];
    return home && Taught(home->plain) ? home->plain : c;
  }

  // ---- The stages ----

  void HomeKeys() {
    for (const auto& [left, right] : kFingerPairs) {
      if (left == 4) break;  // the thumbs rest on the space bar
      std::string fresh;
      for (int finger : {left, right}) {
        const Key* key = home_[static_cast<size_t>(finger)];
        if (key->letter) fresh += key->plain;
      }
      if (!fresh.empty()) LetterLesson(fresh);
    }
  }

  // The other letters, the commonest in the language's prose first; two come together when
  // the second is among the next three and another finger strikes it.
  void Letters() {
    std::vector<char> left;
    for (const Key& key : keys_) {
      if (key.letter && !Taught(key.plain)) left.push_back(key.plain);
    }
    std::stable_sort(left.begin(), left.end(), [this](char a, char b) {
      return frequency_[static_cast<unsigned char>(a)] > frequency_[static_cast<unsigned char>(b)];
    });
    while (!left.empty()) {
      std::string fresh(1, left.front());
      left.erase(left.begin());
      for (size_t i = 0; i < std::min<size_t>(3, left.size()); ++i) {
        if (KeyOf(left[i])->finger != KeyOf(fresh[0])->finger) {
          fresh += left[i];
          left.erase(left.begin() + static_cast<std::ptrdiff_t>(i));
          break;
        }
      }
      LetterLesson(fresh);
    }
  }

  // One lesson per hand: its capitals, typed with the other hand's Shift.
  void Capitals() {
    for (bool leftHand : {true, false}) {
      std::string capitals;
      for (char c : taught_) {
        const Key* key = KeyOf(c);
        if (IsLowerLetter(c) && key->HasCapital() && (key->finger < 5) == leftHand)
          capitals += Upper(c);
      }
      if (capitals.empty()) continue;
      Begin(capitals);
      std::vector<std::string> pairs;
      for (char c : capitals) pairs.push_back(std::string{c, Lower(c)});
      AddTokens(pairs, kWordLineTarget);
      std::vector<Word*> capitalised;
      for (Word& word : words_) {
        if (Has(capitals, word.text[0]) && Typeable(word.text)) capitalised.push_back(&word);
      }
      // Nouns and names where the list has them, else common words as a sentence starts them.
      for (size_t i = 0; i < kWordLines; ++i) {
        std::vector<std::string> line = Words(capitalised, usable_, kWordLineTarget);
        if (capitalised.size() < 20) {
          for (std::string& word : line) {
            if (Has(capitals, Upper(word[0]))) word[0] = Upper(word[0]);
          }
        }
        AddTokens(line, kWordLineTarget);
      }
      Finish();
    }
  }

  // Letters typed with a dead key and a letter, such as ê: ^ then e.
  void Accents() {
    std::string fresh;
    for (char c : material_.accents) {
      const auto parts = DeadKeyParts(c);
      if (parts && KeyOf(parts->first) && Taught(parts->second)) fresh += c;
    }
    if (fresh.empty()) return;
    std::string capitals;
    for (char c : fresh) {
      if (Taught(DeadKeyParts(Upper(c)).value_or(std::pair{'\0', '\0'}).second))
        capitals += Upper(c);
    }
    Begin(fresh + capitals);
    std::vector<std::string> drill;
    for (char c : fresh) drill.push_back(std::string{DeadKeyParts(c)->second, c});
    AddTokens(Repeat(drill, 20), kDrillLineTarget);
    GroupLines(fresh);
    WordLines(fresh);
    Finish();
  }

  void MarkLesson(const std::string& mark) {
    // A mark that no sentence, phrase or word shows is left out; the comma has lists.
    if (!OnLayout(mark) || (mark != "," && !WouldBeUsed(mark))) return;
    Begin(mark);
    if (mark == ",") {
      for (size_t i = 0; i < kUsageLines; ++i) AddList();
    } else {
      UsageLines(mark);
    }
    Finish();
  }

  // The number row's digits, a key of each hand at a time, from the index fingers outwards.
  void Digits() {
    for (const auto& [left, right] : kFingerPairs) {
      const auto digit = [](const Key& key) { return IsDigit(key.plain) || IsDigit(key.shifted); };
      const Keys lefts = Ranked(kNumberRow, left, digit);
      const Keys rights = Ranked(kNumberRow, right, digit);
      for (size_t i = 0; i < std::max(lefts.size(), rights.size()); ++i) {
        std::string fresh;
        for (const Keys* side : {&lefts, &rights}) {
          if (i >= side->size()) continue;
          const Key* key = (*side)[i];
          fresh += IsDigit(key->plain) ? key->plain : key->shifted;
        }
        DigitLesson(fresh);
      }
    }
  }

  void Symbols() {
    std::string fresh;
    for (const std::string& symbol : kSymbols) {
      if (!OnLayout(symbol) || Taught(symbol[0]) || !WouldBeUsed(symbol)) continue;
      if (fresh.size() + symbol.size() > 2) {
        SymbolLesson(fresh);
        fresh.clear();
      }
      fresh += symbol;
    }
    if (!fresh.empty()) SymbolLesson(fresh);
  }

  void Closing() {
    Begin("");
    for (size_t i = 0; i < kClosingSentences; ++i) AddSentence("");
  }

  // ---- Lessons ----

  void Begin(const std::string& fresh) {
    Teach(fresh);
    lessonStart_ = lines_.size();
    recent_.push_back(fresh);
    if (recent_.size() > 3) recent_.pop_front();
  }
  size_t LessonLines() const { return lines_.size() - lessonStart_; }

  // Review to the length of a lesson: sentences once they can be typed, words of the last
  // lessons, or letter groups while there are few words.
  void Finish() {
    std::string recent;
    for (const std::string& fresh : recent_) recent += fresh;
    for (size_t i = 0; LessonLines() < kLessonLines; ++i) {
      if (i % 2 == 1 && AddSentence("")) continue;
      if (usable_.size() >= 12) {
        AddWordLine(Holding(Usable(), recent));
      } else {
        AddGroups(recent);
      }
    }
  }

  void LetterLesson(const std::string& fresh) {
    Begin(fresh);
    std::vector<std::string> reach, alone;
    for (char k : fresh) {
      const char h = Anchor(k);
      reach.push_back(h == k ? std::string(3, k) : std::string{h, k, h});
      alone.push_back(std::string(3, k));
      alone.push_back(std::string{h, k, k});
    }
    if (fresh.size() == 2) {
      alone.push_back(fresh);
      alone.push_back(std::string{fresh[1], fresh[0]});
    }
    AddTokens(Repeat(reach, 12), kDrillLineTarget);
    AddTokens(Repeat(alone, 12), kDrillLineTarget);
    AddGroups(fresh);
    GroupLines(fresh);
    WordLines(fresh);
    Finish();
  }

  void DigitLesson(const std::string& fresh) {
    Begin(fresh);
    std::vector<std::string> reach;
    for (char d : fresh) reach.push_back(std::string{Anchor(d), d, Anchor(d)});
    AddTokens(Repeat(reach, 12), kDrillLineTarget);
    std::vector<std::string> numbers;
    for (int i = 0; i < 12; ++i) numbers.push_back(Number(1, 999, fresh));
    AddTokens(numbers, kDrillLineTarget);
    UsageLines(fresh);
    Finish();
  }

  void SymbolLesson(const std::string& fresh) {
    Begin(fresh);
    // The first line shows every new symbol.
    std::vector<std::string> first;
    for (char c : fresh) {
      const std::vector<std::string> uses = Uses(std::string(1, c));
      if (!uses.empty()) first.push_back(uses[random_.Below(uses.size())]);
    }
    AddJoined(first);
    UsageLines(fresh);
    Finish();
  }

  // Lines that use the new characters as writers do: sentences of the practice text, then
  // numbers and phrases, then words of the list.
  void UsageLines(const std::string& fresh) {
    for (size_t i = 0; i < kUsageLines; ++i) {
      if (AddSentence(fresh)) continue;
      const std::vector<std::string> uses = Uses(fresh);
      if (!uses.empty()) {
        AddJoined(Pick(uses, 5));
        continue;
      }
      const std::vector<Word*> words = Holding(Usable(), fresh);
      if (words.empty()) break;
      AddWordLine(words);
    }
  }

  // ---- What the learner can type ----

  void Teach(const std::string& chars) {
    for (char c : chars) {
      if (Taught(c)) continue;
      taught_ += c;
      isTaught_[static_cast<unsigned char>(c)] = true;
    }
    usable_.clear();
    for (Word& word : words_) {
      if (Typeable(word.text)) usable_.push_back(&word);
    }
  }
  bool Taught(char c) const { return isTaught_[static_cast<unsigned char>(c)]; }
  bool Typeable(const std::string& text) const {
    return std::all_of(text.begin(), text.end(), [this](char c) { return c == ' ' || Taught(c); });
  }
  const std::vector<Word*>& Usable() const { return usable_; }

  bool Avoided(const std::string& sentence) const {
    for (std::string token : Tokens(sentence)) {
      std::string word;
      for (char c : token) {
        if (IsLetter(c)) word += Lower(c);
      }
      if (material_.avoidedWords.count(word)) return true;
    }
    return false;
  }

  static bool HoldsAny(const std::string& text, const std::string& chars) {
    return std::any_of(text.begin(), text.end(), [&chars](char c) { return Has(chars, c); });
  }
  static std::vector<Word*> Holding(const std::vector<Word*>& words, const std::string& chars) {
    std::vector<Word*> holding;
    for (Word* word : words) {
      if (HoldsAny(word->text, chars)) holding.push_back(word);
    }
    return holding;
  }
  static std::vector<std::string> Holding(const std::vector<std::string>& texts,
                                          const std::string& chars) {
    std::vector<std::string> holding;
    for (const std::string& text : texts) {
      if (HoldsAny(text, chars)) holding.push_back(text);
    }
    return holding;
  }

  // ---- Lines ----

  void Add(const std::string& line) {
    if (line.empty()) return;
    if (line.size() > kCourseLineMax) throw CourseError("a line grew too long: " + line);
    lines_.push_back(line);
  }

  void AddTokens(const std::vector<std::string>& tokens, size_t target) {
    std::string line;
    for (const std::string& token : tokens) {
      if (!line.empty() && line.size() + 1 + token.size() > target) break;
      if (!line.empty()) line += ' ';
      line += token;
    }
    Add(line);
  }

  // Uses side by side, as a list.
  // Uses in a list, or one after another where a use ends as a sentence does ("Well done!").
  void AddJoined(const std::vector<std::string>& uses) {
    std::string line;
    for (const std::string& use : uses) {
      if (!line.empty() && line.size() + 2 + use.size() > kWordLineTarget) break;
      if (!line.empty()) line += Has(".!?", line.back()) ? " " : ", ";
      line += use;
    }
    Add(line);
  }

  void AddList() {
    std::vector<std::string> words = Words(usable_, {}, kWordLineTarget - 12);
    std::string line;
    for (const std::string& word : words) line += (line.empty() ? "" : ", ") + word;
    Add(line);
  }

  static std::vector<std::string> Repeat(const std::vector<std::string>& tokens, size_t count) {
    std::vector<std::string> repeated;
    for (size_t i = 0; i < count; ++i) repeated.push_back(tokens[i % tokens.size()]);
    return repeated;
  }

  // count draws from from, none twice while from has enough.
  std::vector<std::string> Pick(const std::vector<std::string>& from, size_t count) {
    const bool enough = std::set<std::string>(from.begin(), from.end()).size() >= count;
    std::vector<std::string> picked;
    while (picked.size() < count) {
      const std::string& drawn = from[random_.Below(from.size())];
      if (enough && std::find(picked.begin(), picked.end(), drawn) != picked.end()) continue;
      picked.push_back(drawn);
    }
    return picked;
  }

  // ---- Letter groups ----

  std::string TaughtLetters() const {
    std::string letters;
    for (char c : taught_) {
      if (IsLowerLetter(c) && !DeadKeyParts(c)) letters += c;
    }
    return letters;
  }

  // Made-up groups of the letters learned so far, each holding a new one.
  void AddGroups(const std::string& fresh) {
    const std::string letters = TaughtLetters();
    std::vector<std::string> groups;
    for (int i = 0; i < 14; ++i) {
      std::string group;
      const size_t length = 2 + random_.Below(4);
      for (size_t j = 0; j < length; ++j) group += letters[random_.Below(letters.size())];
      group[random_.Below(length)] = fresh[random_.Below(fresh.size())];
      groups.push_back(group);
    }
    AddTokens(groups, kDrillLineTarget);
  }

  // The commonest groups of two and three letters in the words that hold a new letter.
  void GroupLines(const std::string& fresh) {
    std::map<std::string, uint64_t> score;
    for (Word* word : Holding(Usable(), fresh)) {
      const std::string& text = word->text;
      for (size_t length = 2; length <= 3; ++length) {
        for (size_t i = 0; i + length <= text.size(); ++i) {
          const std::string group = text.substr(i, length);
          if (HoldsAny(group, fresh) && std::all_of(group.begin(), group.end(), IsLowerLetter) &&
              group != "ass")  // a group that reads as a rude word
            score[group] += word->weight;
        }
      }
    }
    std::vector<std::pair<uint64_t, std::string>> ranked;
    for (const auto& [group, points] : score) ranked.emplace_back(points, group);
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    if (ranked.size() < 8) return;
    for (size_t half = 0; half < 2; ++half) {
      std::vector<std::string> groups;
      for (size_t i = half; i < std::min<size_t>(ranked.size(), 28); i += 2)
        groups.push_back(ranked[i].second);
      AddTokens(groups, kDrillLineTarget);
    }
  }

  // ---- Words ----

  // A word among the pool, drawn by weight: common words come often, each less so the more
  // it came already.
  Word* PickWord(const std::vector<Word*>& pool) {
    uint64_t total = 0;
    for (const Word* word : pool) total += word->weight / (1 + word->uses);
    uint64_t at = random_.Below(total);
    for (Word* word : pool) {
      const uint64_t share = word->weight / (1 + word->uses);
      if (at < share) {
        ++word->uses;
        return word;
      }
      at -= share;
    }
    return pool.back();
  }

  // Words, two in three of them from the preferred ones, none twice in the line.
  std::vector<std::string> Words(const std::vector<Word*>& preferred,
                                 const std::vector<Word*>& pool, size_t target) {
    std::vector<std::string> words;
    if (pool.empty() && preferred.empty()) return words;
    size_t length = 0;
    for (int tries = 0; tries < 60; ++tries) {
      const bool fromPreferred =
          pool.empty() || (!preferred.empty() && (words.empty() || random_.Below(3) < 2));
      const std::string& word = PickWord(fromPreferred ? preferred : pool)->text;
      if (std::find(words.begin(), words.end(), word) != words.end()) continue;
      const size_t grown = length + (words.empty() ? 0 : 1) + word.size();
      if (grown > target) break;
      words.push_back(word);
      length = grown;
    }
    return words;
  }

  void AddWordLine(const std::vector<Word*>& preferred) {
    AddTokens(Words(preferred, usable_, kWordLineTarget), kWordLineTarget);
  }

  // Lines of real words that hold the new letters.
  void WordLines(const std::string& fresh) {
    const std::vector<Word*> holding = Holding(Usable(), fresh);
    if (holding.size() < 4) return;
    for (size_t i = 0; i < kWordLines; ++i) AddWordLine(holding);
  }

  // ---- Sentences ----

  // An unused sentence of the practice text that the learner can type, holding one of the
  // wanted characters when some are given; a used one when every one was used.
  std::optional<size_t> FindSentence(const std::string& wanted, bool unusedOnly) {
    std::vector<size_t> found;
    for (bool fresh : {true, false}) {
      for (size_t i = 0; i < sentences_.size(); ++i) {
        if (sentenceUsed_[i] == fresh || !Typeable(sentences_[i])) continue;
        if (wanted.empty() || HoldsAny(sentences_[i], wanted)) found.push_back(i);
      }
      if (!found.empty() || unusedOnly) break;
    }
    if (found.empty()) return std::nullopt;
    return found[random_.Below(found.size())];
  }

  bool AddSentence(const std::string& wanted) {
    // Sentences start with a capital and end with their mark: none before the period.
    if (!Taught('.')) return false;
    const auto found = FindSentence(wanted, !wanted.empty());
    if (!found) return false;
    sentenceUsed_[*found] = true;
    Add(sentences_[*found]);
    return true;
  }

  // ---- Numbers and phrases ----

  std::string TaughtDigits() const {
    std::string digits;
    for (char c : taught_) {
      if (IsDigit(c)) digits += c;
    }
    return digits;
  }

  // A number from low to high written with the taught digits, holding a wanted one when it
  // can, in at least width digits; empty when none can be found.
  std::string Number(int low, int high, const std::string& wanted, size_t width = 1) {
    const std::string digits = TaughtDigits();
    if (digits.empty()) return "";
    const size_t most = std::to_string(high).size();
    std::string fallback;
    for (int tries = 0; tries < 200; ++tries) {
      std::string number;
      const size_t length = std::max(width, 1 + random_.Below(most));
      for (size_t i = 0; i < length; ++i) number += digits[random_.Below(digits.size())];
      const int value = std::stoi(number);
      if (value < low || value > high) continue;
      if (number.size() > width && number[0] == '0') continue;
      if (wanted.empty() || HoldsAny(number, wanted)) return number;
      fallback = number;
    }
    return fallback;
  }

  // A number use with its places filled, or empty when the taught digits cannot fill them.
  std::string FillNumbers(const std::string& use, const std::string& wanted) {
    static const struct {
      const char* place;
      int low, high;
      size_t width;
    } kPlaces[] = {{"{n}", 1, 999, 1}, {"{h}", 1, 12, 1},         {"{hh}", 0, 23, 2},
                   {"{mm}", 0, 59, 2}, {"{year}", 1900, 2029, 4}, {"{cents}", 0, 99, 2}};
    std::string filled = use;
    for (const auto& place : kPlaces) {
      for (size_t at; (at = filled.find(place.place)) != std::string::npos;) {
        const std::string number = Number(place.low, place.high, wanted, place.width);
        if (number.empty()) return "";
        filled.replace(at, std::string(place.place).size(), number);
      }
    }
    return filled;
  }

  const std::vector<std::string>& Phrases() const { return material_.phrases; }

  // Number uses and phrases that the learner can type, each holding a fresh character.
  std::vector<std::string> Uses(const std::string& fresh) {
    std::vector<std::string> uses;
    for (const std::string& use : material_.numbers) {
      const std::string filled = FillNumbers(use, fresh);
      if (!filled.empty() && Typeable(filled) && HoldsAny(filled, fresh)) uses.push_back(filled);
    }
    for (const std::string& phrase : Phrases()) {
      if (Typeable(phrase) && HoldsAny(phrase, fresh)) uses.push_back(phrase);
    }
    return uses;
  }

  // Whether a sentence, number use, phrase or word would show the characters once taught.
  bool WouldBeUsed(const std::string& chars) {
    std::string added;
    for (char c : chars) {
      if (!Taught(c)) added += c;
      isTaught_[static_cast<unsigned char>(c)] = true;
    }
    const auto shows = [&](const std::string& text) {
      return HoldsAny(text, chars) && Typeable(text);
    };
    const bool used = std::any_of(sentences_.begin(), sentences_.end(), shows) ||
                      !Uses(chars).empty() ||
                      std::any_of(words_.begin(), words_.end(),
                                  [&](const Word& word) { return shows(word.text); });
    for (char c : added) isTaught_[static_cast<unsigned char>(c)] = false;
    return used;
  }

  std::vector<Key> keys_;
  std::array<const Key*, 256> keyOf_{};
  std::array<const Key*, kFingerCount> home_{};
  const CourseMaterial& material_;
  std::vector<Word> words_;
  std::vector<Word*> usable_;
  std::array<uint64_t, 256> frequency_{};
  std::vector<std::string> sentences_;
  std::vector<bool> sentenceUsed_;
  std::string taught_;  // in the order taught
  std::array<bool, 256> isTaught_{};
  std::deque<std::string> recent_;
  size_t lessonStart_ = 0;
  Random random_;
  std::vector<std::string> lines_;
};

std::vector<std::string> Lines(const std::string& utf8Text) {
  std::vector<std::string> lines;
  std::istringstream split(utf8Text);
  for (std::string line; std::getline(split, line);) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
    if (line.empty()) continue;
    const bool comment = line[0] == '#' && (line.size() == 1 || line[1] == ' ');
    if (!comment) lines.push_back(line);
  }
  return lines;
}
}  // namespace

std::vector<std::string> ReadWordList(const std::string& utf8Text) {
  std::vector<std::string> words;
  std::set<std::string> seen;
  for (const std::string& line : Lines(utf8Text)) {
    for (const std::string& word : Tokens(line)) {
      const std::string bytes = ToBytes(word, word);
      if (seen.insert(bytes).second) words.push_back(bytes);
    }
  }
  return words;
}

std::map<std::string, std::string> ReadSpelling(const std::string& utf8Text) {
  std::map<std::string, std::string> spelling;
  for (const std::string& line : Lines(utf8Text)) {
    const std::vector<std::string> words = Tokens(line);
    if (words.size() != 2) throw CourseError("'" + line + "' is not: <word> <its spelling here>");
    spelling[ToBytes(words[0], line)] = ToBytes(words[1], line);
  }
  return spelling;
}

std::vector<std::string> Respelled(const std::vector<std::string>& words,
                                   const std::map<std::string, std::string>& spelling,
                                   std::set<std::string>& avoided) {
  for (const auto& [word, respelling] : spelling) avoided.insert(word);
  std::vector<std::string> respelled;
  for (const std::string& word : words) {
    const auto found = spelling.find(word);
    respelled.push_back(found == spelling.end() ? word : found->second);
  }
  return respelled;
}

void ReadUses(const std::string& utf8Text, CourseMaterial& material) {
  std::vector<std::string>* section = nullptr;
  for (const std::string& line : Lines(utf8Text)) {
    if (line == "[numbers]") {
      section = &material.numbers;
    } else if (line == "[phrases]") {
      section = &material.phrases;
    } else if (!section) {
      throw CourseError("'" + line + "' comes before [numbers] or [phrases]");
    } else {
      section->push_back(ToBytes(line, line));
    }
  }
}

std::optional<std::pair<char, char>> DeadKeyParts(char letter) {
  static const std::pair<char16_t, char> kMarksOf[] = {{u'\u0302', '^'},
                                                       {u'\u0308', '\xA8'},
                                                       {u'\u0301', '\xB4'},
                                                       {u'\u0300', '`'},
                                                       {u'\u0303', '~'}};
  const QString parts = ByteToChar(static_cast<unsigned char>(letter)).decomposition();
  if (parts.size() != 2) return std::nullopt;
  const auto base = CharToByte(parts[0]);
  for (const auto& [combining, mark] : kMarksOf) {
    if (parts[1] == QChar(combining) && base) return std::pair{mark, static_cast<char>(*base)};
  }
  return std::nullopt;
}

std::vector<std::string> MakeCourse(const LayoutRec& layout, const CourseMaterial& material) {
  return CourseBuilder(layout, material).Build();
}

std::string CourseFileText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

std::string CourseEntry::Field(const std::string& name) const {
  const auto found = fields.find(name);
  return found == fields.end() ? "" : found->second;
}

std::vector<CourseEntry> ReadCourseList(const std::string& text) {
  std::vector<CourseEntry> entries;
  for (const std::string& line : Lines(text)) {
    const std::vector<std::string> names = Tokens(line);
    CourseEntry entry{names[0], {}};
    for (size_t i = 1; i < names.size(); ++i) {
      const size_t equals = names[i].find('=');
      if (equals == std::string::npos || equals == 0) {
        throw CourseError("'" + names[i] + "' is not name=value");
      }
      entry.fields[names[i].substr(0, equals)] = names[i].substr(equals + 1);
    }
    for (const char* needed : {"layout", "words", "text", "uses"}) {
      if (entry.Field(needed).empty()) {
        throw CourseError("'" + line + "' has no " + needed + "=");
      }
    }
    entries.push_back(entry);
  }
  return entries;
}

CourseMaterial ReadMaterial(const CourseEntry& entry, const std::string& courseFolder,
                            const std::string& dataFolder) {
  CourseMaterial material;
  material.words = ReadWordList(ReadWholeFile(courseFolder + "/" + entry.Field("words")));
  if (!entry.Field("spelling").empty()) {
    material.words = Respelled(
        material.words, ReadSpelling(ReadWholeFile(courseFolder + "/" + entry.Field("spelling"))),
        material.avoidedWords);
  }
  ReadUses(ReadWholeFile(courseFolder + "/" + entry.Field("uses")), material);
  const LineText text = ReadLineText(dataFolder + "/" + entry.Field("text"));
  for (int i = 0; i < text.size(); ++i) material.text.emplace_back(text[i]);
  material.accents = ToBytes(entry.Field("accents"), entry.Field("accents"));
  return material;
}

#include "course_maker.h"

#include <QString>
#include <algorithm>
#include <array>
#include <map>
#include <random>
#include <set>
#include <sstream>

#include "platform/codepage.h"

namespace {
constexpr size_t kWordLineTarget = 72;
constexpr size_t kDrillLineTarget = 56;
constexpr int kNumberRow = 1;
constexpr int kTopRow = 2;
constexpr int kHomeRow = 3;
constexpr int kBottomRow = 4;
constexpr int kReviewLines = 10;
constexpr size_t kMostWordLines = 6;
// The fingers of the two hands that mirror each other, from the index fingers outwards.
constexpr std::array<std::pair<int, int>, 5> kFingerPairs{{{3, 6}, {2, 7}, {1, 8}, {0, 9}, {4, 5}}};
constexpr int kLeftMiddle = 2;
constexpr int kRightMiddle = 7;
const std::string kAccents = "^`\xB4\xA8~";
// Punctuation is taught in this order; the rest of the keys follow in key order.
const std::string kPunctuationOrder = ",.'?!;:-\"()/";
const std::string kSentenceEnds = ".?!";
const std::string kClauseMarks = ",;:";
const std::string kBeforeNumbers = "$\xA3\x80#";    // $ £ € #
const std::string kAfterNumbers = "%\xB0\xB2\xB3";  // % ° ² ³
const std::string kJoiners = "/\\_-@";
const std::map<char, char> kPartners{{'(', ')'},       {')', '('},      {'[', ']'}, {']', '['},
                                     {'{', '}'},       {'}', '{'},      {'<', '>'}, {'>', '<'},
                                     {'\xAB', '\xBB'}, {'\xBB', '\xAB'}};
const std::string kOpeners = "([{<\xAB";

bool Has(const std::string& set, char c) {
  return c != 0 && set.find(c) != std::string::npos;
}
bool IsLetter(char c) {
  return ByteToChar(static_cast<unsigned char>(c)).isLetter();
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
char Upper(char c) {
  return static_cast<char>(UpperByte(static_cast<unsigned char>(c)));
}
char Lower(char c) {
  const auto byte = CharToByte(ByteToChar(static_cast<unsigned char>(c)).toLower());
  return byte ? static_cast<char>(*byte) : c;
}

struct Key {
  int line = 0;
  int column = 0;
  int finger = 0;
  char plain = 0;    // typed alone
  char shifted = 0;  // typed with Shift; 0 for nothing
  bool letter = false;

  // The characters the course teaches on the key: all but accent marks.
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
    Key key{rec.Line, rec.Column, rec.Finger, 0, 0, false};
    const char top = rec.Chars[0];
    const char bottom = rec.Chars[1];
    if (bottom != ' ') {
      key.plain = bottom;
      key.shifted = top == ' ' ? 0 : top;
    } else if (IsLetter(top)) {
      key.plain = top;
      key.shifted = top;
    } else {
      key.plain = top;
    }
    if (key.plain == ' ') continue;
    // Letters are stored in the form the keyboard searches, upper case.
    key.letter = IsLetter(key.plain);
    if (key.letter) key.plain = Lower(key.plain);
    keys.push_back(key);
  }
  return keys;
}

// The same sequence on every machine: the engine is fully specified, the reduction is ours.
class Random {
 public:
  size_t Below(size_t n) { return n == 0 ? 0 : static_cast<size_t>(engine_() % n); }
  bool OneIn(size_t n) { return Below(n) == 0; }

 private:
  std::mt19937 engine_{2024};
};

using Keys = std::vector<const Key*>;

class CourseBuilder {
 public:
  CourseBuilder(const LayoutRec& layout, const std::vector<std::string>& words)
      : keys_(KeysOf(layout)), words_(words) {
    FindHomeKeys();
    for (const std::string& word : words_) {
      for (char c : word) ++frequency_[Lower(c)];
    }
  }

  std::vector<std::string> Build() {
    HomeRow();
    RowLetters(kTopRow);
    RowLetters(kBottomRow);
    RowLetters(kNumberRow);
    Capitals();
    Punctuation();
    NumberRow();
    Review();
    return lines_;
  }

 private:
  // ---- The keys ----

  const Key* MiddleKey(int row, int finger) const {
    const int middle = finger < 5 ? kLeftMiddle : kRightMiddle;
    for (const Key& key : keys_) {
      if (key.line == row && key.finger == middle) return &key;
    }
    return nullptr;
  }

  // The keys of a finger on a row that pass the filter, the nearest to the hand's middle
  // finger first: the index finger reaches for f before g, the little finger for ; before '.
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

  // Steps of at most two keys: the two hands' keys of each rank, finger pair by finger pair.
  std::vector<Keys> Paired(int row, bool (*wanted)(const Key&)) const {
    std::vector<Keys> steps;
    for (const auto& [left, right] : kFingerPairs) {
      const Keys lefts = Ranked(row, left, wanted);
      const Keys rights = Ranked(row, right, wanted);
      for (size_t i = 0; i < std::max(lefts.size(), rights.size()); ++i) {
        Keys step;
        if (i < lefts.size()) step.push_back(lefts[i]);
        if (i < rights.size()) step.push_back(rights[i]);
        steps.push_back(step);
      }
    }
    return steps;
  }

  void FindHomeKeys() {
    for (const auto& [left, right] : kFingerPairs) {
      for (int finger : {left, right}) {
        if (finger == 4 || finger == 5) continue;
        const Keys ranked = Ranked(kHomeRow, finger, [](const Key&) { return true; });
        if (ranked.empty()) {
          throw CourseError("no key on the home row for finger " + std::to_string(finger));
        }
        home_[static_cast<size_t>(finger)] = ranked.front();
      }
    }
  }

  bool IsHomeKey(const Key* key) const {
    return std::find(home_.begin(), home_.end(), key) != home_.end();
  }
  // The key a finger rests on while it reaches for another.
  char Anchor(const Key* key) const {
    const Key* home = home_[static_cast<size_t>(key->finger)];
    return home ? home->plain : key->plain;
  }

  // ---- The stages ----

  void HomeRow() {
    for (const auto& [left, right] : kFingerPairs) {
      if (left == 4) break;  // the thumbs rest on the space bar
      HomeStep(home_[static_cast<size_t>(left)]->plain, home_[static_cast<size_t>(right)]->plain);
    }
    for (const Keys& step : Paired(kHomeRow, [](const Key& key) { return key.letter; })) {
      if (!IsHomeKey(step.front())) ReachStep(step);
    }
  }

  void RowLetters(int row) {
    std::vector<Keys> steps = Paired(row, [](const Key& key) { return key.letter; });
    // The most used letters first, so that words come soon.
    std::stable_sort(steps.begin(), steps.end(),
                     [this](const Keys& a, const Keys& b) { return Frequency(a) > Frequency(b); });
    for (const Keys& step : steps) ReachStep(step);
  }

  void Capitals() {
    std::vector<std::string> drill;
    for (char c : std::string(taught_)) {
      for (const Key& key : keys_) {
        if (key.letter && key.plain == c && key.shifted == Upper(c) && Upper(c) != c) {
          Teach(std::string(1, Upper(c)));
          drill.push_back(std::string{Upper(c), c});
        }
      }
    }
    capitals_ = true;
    for (size_t half = 0; half < 2; ++half) {
      std::vector<std::string> tokens;
      for (size_t i = half; i < drill.size(); i += 2) tokens.push_back(drill[i]);
      AddTokens(tokens, kWordLineTarget);
    }
    const std::vector<std::string>& pool = Usable();
    std::vector<std::string> capitalised;
    for (const std::string& word : pool) {
      if (std::any_of(word.begin(), word.end(), [](char c) { return Lower(c) != c; })) {
        capitalised.push_back(word);
      }
    }
    for (int i = 0; i < 6; ++i) {
      if (capitalised.size() >= 3) {
        AddWordLine(pool, capitalised);
      } else {
        AddSentences("", false);
      }
    }
  }

  void Punctuation() {
    Keys keys;
    for (const Key& key : keys_) {
      if (key.line != kNumberRow && !key.letter && !key.Teachable().empty()) keys.push_back(&key);
    }
    const auto rank = [](const Key* key) {
      size_t best = kPunctuationOrder.size();
      for (char c : key->Teachable()) best = std::min(best, kPunctuationOrder.find(c));
      return best;
    };
    std::stable_sort(keys.begin(), keys.end(),
                     [&rank](const Key* a, const Key* b) { return rank(a) < rank(b); });
    for (const Key* key : keys) SymbolStep({key});
  }

  void NumberRow() {
    for (const Keys& step :
         Paired(kNumberRow, [](const Key& key) { return !key.Teachable().empty(); })) {
      SymbolStep(step);
    }
  }

  void Review() {
    for (int i = 0; i < kReviewLines; ++i) AddSentences("", true);
  }

  // ---- Steps ----

  // Two home keys: drilled side by side, then among the keys before them, then in words.
  void HomeStep(char a, char b) {
    const std::string fresh{a, b};
    Teach(fresh);
    const auto x = [&](std::initializer_list<char> chars) { return std::string(chars); };
    AddTokens({x({a, a, a}), x({b, b, b}), x({a, a, a}), x({b, b, b}), x({a, b, a}), x({b, a, b}),
               x({a, b, a}), x({b, a, b}), x({a, a, b, b}), x({b, b, a, a})},
              kDrillLineTarget);
    AddTokens({x({a, b}), x({b, a}), x({a, a, b}), x({b, b, a}), x({a, b, a, b}), x({b, a, b, a}),
               x({a, b}), x({b, a}), x({a, b, b, a}), x({b, a, a, b})},
              kDrillLineTarget);
    AddNonsense(fresh);
    AddWordLines(fresh);
  }

  // Keys away from the home keys: each reached from its finger's home key and back.
  void ReachStep(const Keys& step) {
    std::string fresh;
    for (const Key* key : step) fresh += key->plain;
    Teach(fresh);
    std::vector<std::string> there, alone;
    for (const Key* key : step) {
      const char h = Anchor(key);
      const char k = key->plain;
      there.push_back(std::string{h, k, h});
      alone.push_back(std::string{k, k, k});
      alone.push_back(std::string{h, k, k});
    }
    AddTokens(Repeat(there, 10), kDrillLineTarget);
    std::vector<std::string> mixed = alone;
    if (fresh.size() == 2) {
      mixed.push_back(std::string{fresh[0], fresh[1]});
      mixed.push_back(std::string{fresh[1], fresh[0]});
    }
    AddTokens(Repeat(mixed, 10), kDrillLineTarget);
    AddNonsense(fresh);
    AddWordLines(fresh);
  }

  // Punctuation and number keys: each character drilled from the home key, then used.
  void SymbolStep(const Keys& step) {
    std::string fresh;
    std::vector<std::string> drill;
    for (const Key* key : step) {
      for (char c : key->Teachable()) {
        if (Taught(c)) continue;
        fresh += c;
        const char h = Anchor(key);
        drill.push_back(std::string{h, c, h});
        drill.push_back(std::string{c, c, c});
      }
    }
    if (fresh.empty()) return;
    Teach(fresh);
    AddTokens(Repeat(drill, std::max<size_t>(8, drill.size())), kDrillLineTarget);
    const bool numbers = std::any_of(fresh.begin(), fresh.end(), IsDigit);
    for (char c : fresh) {
      for (int i = 0; i < 2; ++i) {
        if (numbers) {
          AddNumbers(fresh);
        } else {
          Use(c);
        }
      }
    }
  }

  // ---- Lines ----

  void Teach(const std::string& chars) {
    for (char c : chars) {
      if (Taught(c)) continue;
      taught_ += c;
      isTaught_[static_cast<unsigned char>(c)] = true;
    }
    usable_.clear();
    for (const std::string& word : words_) {
      if (std::all_of(word.begin(), word.end(), [this](char c) { return Taught(c); }))
        usable_.push_back(word);
    }
  }
  bool Taught(char c) const { return isTaught_[static_cast<unsigned char>(c)]; }

  int Frequency(const Keys& step) const {
    int total = 0;
    for (const Key* key : step) {
      const auto found = frequency_.find(key->plain);
      if (found != frequency_.end()) total += found->second;
    }
    return total;
  }

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

  static std::vector<std::string> Repeat(const std::vector<std::string>& tokens, size_t count) {
    std::vector<std::string> repeated;
    for (size_t i = 0; i < count; ++i) repeated.push_back(tokens[i % tokens.size()]);
    return repeated;
  }

  // Letters of the keys learned so far, in made-up groups that each hold a new letter.
  void AddNonsense(const std::string& fresh) {
    std::string letters;
    for (char c : taught_) {
      if (IsLetter(c) || Has(HomeChars(), c)) letters += c;
    }
    if (letters.size() <= fresh.size()) return;
    std::vector<std::string> groups;
    for (int i = 0; i < 14; ++i) groups.push_back(Nonsense(letters, fresh));
    AddTokens(groups, kDrillLineTarget);
  }

  std::string Nonsense(const std::string& letters, const std::string& fresh) {
    std::string group;
    const size_t length = 2 + random_.Below(4);
    for (size_t i = 0; i < length; ++i) group += letters[random_.Below(letters.size())];
    group[random_.Below(length)] = fresh[random_.Below(fresh.size())];
    return group;
  }

  std::string HomeChars() const {
    std::string chars;
    for (const Key* key : home_) {
      if (key) chars += key->plain;
    }
    return chars;
  }

  // The words the characters taught so far can type.
  const std::vector<std::string>& Usable() const { return usable_; }

  static std::vector<std::string> Holding(const std::vector<std::string>& words,
                                          const std::string& chars) {
    std::vector<std::string> holding;
    for (const std::string& word : words) {
      if (std::any_of(word.begin(), word.end(), [&chars](char c) { return Has(chars, c); }))
        holding.push_back(word);
    }
    return holding;
  }

  // Lines of real words that hold the new letters, more when there are more such words.
  void AddWordLines(const std::string& fresh) {
    const std::vector<std::string>& pool = Usable();
    const std::vector<std::string> holding = Holding(pool, fresh);
    if (holding.size() < 3) return;
    const size_t count = std::min(kMostWordLines, 1 + holding.size() / 6);
    for (size_t i = 0; i < count; ++i) AddWordLine(pool, holding);
  }

  // The least used of a few random words, so that the course goes round the list.
  const std::string& PickWord(const std::vector<std::string>& words) {
    const std::string* best = &words[random_.Below(words.size())];
    for (int i = 0; i < 2; ++i) {
      const std::string& other = words[random_.Below(words.size())];
      if (uses_[other] < uses_[*best]) best = &other;
    }
    ++uses_[*best];
    return *best;
  }

  // Words, two in three of them from the preferred ones, none twice in the line.
  std::vector<std::string> Words(const std::vector<std::string>& pool,
                                 const std::vector<std::string>& preferred, size_t target) {
    std::vector<std::string> words;
    if (pool.empty() && preferred.empty()) return words;
    size_t length = 0;
    for (int tries = 0; tries < 60; ++tries) {
      const bool fromPreferred =
          pool.empty() || (!preferred.empty() && (words.empty() || random_.Below(3) < 2));
      const std::string& word = PickWord(fromPreferred ? preferred : pool);
      if (std::find(words.begin(), words.end(), word) != words.end()) continue;
      const size_t grown = length + (words.empty() ? 0 : 1) + word.size();
      if (grown > target) break;
      words.push_back(word);
      length = grown;
    }
    return words;
  }

  void AddWordLine(const std::vector<std::string>& pool,
                   const std::vector<std::string>& preferred) {
    AddTokens(Words(pool, preferred, kWordLineTarget), kWordLineTarget);
  }

  std::string Capitalised(const std::string& word) const {
    std::string result = word;
    if (capitals_ && Taught(Upper(word[0]))) result[0] = Upper(word[0]);
    return result;
  }

  // Sentences of a few words. With a mark, some sentences end with it; with commas, some
  // sentences hold one; with numbers, some words are numbers.
  void AddSentences(const std::string& mark, bool everything) {
    const std::vector<std::string>& pool = Usable();
    if (pool.empty()) return;
    std::string line;
    for (int tries = 0; tries < 20; ++tries) {
      std::vector<std::string> words = Words(pool, pool, 40);
      words.resize(std::min<size_t>(words.size(), 3 + random_.Below(4)));
      if (words.empty()) break;
      // A sentence starts with a word whose capital the learner can type.
      const auto first = std::find_if(words.begin(), words.end(), [this](const std::string& word) {
        return Capitalised(word) != word || Lower(word[0]) != word[0];
      });
      if (capitals_ && first == words.end()) continue;
      if (first != words.end()) std::iter_swap(words.begin(), first);
      words[0] = Capitalised(words[0]);
      if (everything && Taught(',') && words.size() > 3 && random_.OneIn(2)) {
        words[1 + random_.Below(words.size() - 2)] += ',';
      }
      if (everything && Digits().size() > 1 && random_.OneIn(3)) {
        words[words.size() - 1] = Number("") + " " + words.back();
      }
      std::string sentence;
      for (const std::string& word : words) sentence += (sentence.empty() ? "" : " ") + word;
      if (!mark.empty() && (line.empty() || random_.OneIn(2))) {
        sentence += mark;
      } else if (Taught('.')) {
        sentence += '.';
      } else if (everything && Taught(';')) {
        sentence += ';';
      }
      if (!line.empty() && line.size() + 1 + sentence.size() > kWordLineTarget) break;
      if (sentence.size() > kWordLineTarget) continue;
      line += (line.empty() ? "" : " ") + sentence;
    }
    Add(line);
  }

  std::string Digits() const {
    std::string digits;
    for (char c : taught_) {
      if (IsDigit(c)) digits += c;
    }
    return digits;
  }

  // A number of one to three taught digits, holding one of the wanted ones if any.
  std::string Number(const std::string& wanted) {
    const std::string digits = Digits();
    std::string number;
    const size_t length = 1 + random_.Below(3);
    for (size_t i = 0; i < length; ++i) number += digits[random_.Below(digits.size())];
    if (!wanted.empty()) number[random_.Below(length)] = wanted[random_.Below(wanted.size())];
    // No leading zero: a number starts with a taught digit other than 0, or is just 0.
    if (number.size() > 1 && number[0] == '0') {
      const size_t other = digits.find_first_not_of('0');
      if (other == std::string::npos) return "0";
      number[0] = digits[other];
    }
    return number;
  }

  // A line that uses the character as writers do.
  void Use(char c) {
    const std::vector<std::string>& pool = Usable();
    const std::vector<std::string> holding = Holding(pool, std::string(1, c));
    if (Has(kSentenceEnds, c)) {
      AddSentences(std::string(1, c), false);
    } else if (holding.size() >= 3) {
      AddWordLine(pool, holding);
    } else {
      const std::vector<std::string> words = Words(pool, pool, kWordLineTarget - 12);
      std::vector<std::string> marked;
      for (size_t i = 0; i < words.size(); ++i) {
        if (Has(kJoiners, c) && i + 1 < words.size() && i % 3 == 1) {
          marked.push_back(words[i] + c + words[i + 1]);
          ++i;
        } else if (!Has(kJoiners, c) && i % 2 == 1 && i + 1 < words.size()) {
          marked.push_back(Mark(c, words[i]));
        } else {
          marked.push_back(words[i]);
        }
      }
      AddTokens(marked, kWordLineTarget);
    }
  }

  // A word with the character where it belongs.
  std::string Mark(char c, const std::string& word) {
    if (Has(kClauseMarks, c)) return word + c;
    const auto partner = kPartners.find(c);
    if (partner != kPartners.end()) {
      const bool opener = Has(kOpeners, c);
      if (Taught(partner->second)) {
        return opener ? c + word + partner->second : partner->second + word + c;
      }
      return opener ? c + word : word + c;
    }
    if (c == '"' || c == '\'') return c + word + c;
    return std::string(1, c) + " " + word;
  }

  // Numbers among words, with the step's other characters where they belong.
  void AddNumbers(const std::string& fresh) {
    std::string digits, symbols;
    for (char c : fresh) (IsDigit(c) ? digits : symbols) += c;
    const std::vector<std::string>& pool = Usable();
    std::vector<std::string> tokens;
    for (const std::string& word : Words(pool, pool, kWordLineTarget / 2)) {
      std::string number = Number(digits);
      if (!symbols.empty() && random_.OneIn(2)) {
        const char c = symbols[random_.Below(symbols.size())];
        if (Has(kBeforeNumbers, c)) {
          number = c + number;
        } else if (Has(kAfterNumbers, c)) {
          number += c;
        } else if (Has(kJoiners, c)) {
          number += c + Number(digits);
        } else {
          number = Mark(c, number);
        }
      }
      tokens.push_back(number);
      tokens.push_back(word);
    }
    AddTokens(tokens, kWordLineTarget);
  }

  std::vector<Key> keys_;
  std::array<const Key*, kFingerCount> home_{};
  std::vector<std::string> words_;
  std::map<char, int> frequency_;
  std::map<std::string, int> uses_;
  std::string taught_;  // in the order taught
  std::array<bool, 256> isTaught_{};
  std::vector<std::string> usable_;
  bool capitals_ = false;
  Random random_;
  std::vector<std::string> lines_;
};
}  // namespace

std::vector<std::string> ReadWordList(const std::string& utf8Text) {
  std::vector<std::string> words;
  std::set<std::string> seen;
  std::istringstream lines(utf8Text);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream split(line);
    std::string word;
    if (!(split >> word) || word[0] == '#') continue;
    do {
      std::string bytes;
      if (!QStringToBytes(QString::fromStdString(word), bytes)) {
        throw CourseError("'" + word + "' has a character the code page cannot hold");
      }
      if (seen.insert(bytes).second) words.push_back(bytes);
    } while (split >> word);
  }
  return words;
}

std::vector<std::string> MakeCourse(const LayoutRec& layout,
                                    const std::vector<std::string>& words) {
  return CourseBuilder(layout, words).Build();
}

std::string CourseFileText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

std::vector<CourseEntry> ReadCourseList(const std::string& text) {
  std::vector<CourseEntry> entries;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream split(line);
    std::vector<std::string> names;
    for (std::string name; split >> name;) names.push_back(name);
    if (names.empty() || names[0][0] == '#') continue;
    if (names.size() != 3) {
      throw CourseError("'" + line + "' is not: <layout file> <word list> <course file>");
    }
    entries.push_back({names[0], names[1], names[2]});
  }
  return entries;
}

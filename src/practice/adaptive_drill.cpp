#include "practice/adaptive_drill.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "platform/codepage.h"
#include "platform/translation.h"

namespace {
constexpr size_t kLongestLine = 64;
// A row narrower than this (a huge font in a small window) takes one word a line, wrapped.
constexpr size_t kFewestColumns = 16;
// Fewer words than this holding the focus, and drill groups make up the line.
constexpr size_t kFewestFocusWords = 6;
constexpr size_t kHomeStandIns = 4;
constexpr int kRecentLines = 3;
constexpr int kPairEvery = 3;
constexpr size_t kPairsTried = 8;
constexpr int kSentenceEvery = 10;
const std::string kInnerMarks = ",;:";
const std::string kEndMarks = ".?!";
}  // namespace

AdaptiveDrill::AdaptiveDrill(AdaptiveMaterial material, MasteryGoals goals, uint32_t seed)
    : material_(std::move(material)), goals_(goals), random_(seed) {
  added_ = static_cast<size_t>(material_.homeKeys);
  // The letters come before the other characters, each in the language's order.
  std::stable_partition(material_.order.begin() + material_.homeKeys, material_.order.end(),
                        IsLowerLetter);
  // A layout with no letter on its home row starts on the commonest letters instead.
  if (added_ == 0) added_ = std::min(material_.order.size(), kHomeStandIns);
  for (size_t i = 0; i < added_; ++i) Include(material_.order[i]);
}

size_t AdaptiveDrill::Below(size_t n) {
  return n == 0 ? 0 : static_cast<size_t>(random_() % n);
}

bool AdaptiveDrill::Usable(const std::string& word) const {
  return !word.empty() && std::all_of(word.begin(), word.end(),
                                      [this](char c) { return IsIncluded(c); });
}

void AdaptiveDrill::Include(char c) {
  if (IsIncluded(c)) return;
  included_ += c;
  usable_.clear();
  std::set<std::string> seen;
  for (const std::string& word : material_.words) {
    if (Usable(word) && seen.insert(word).second) usable_.push_back(word);
  }
}

void AdaptiveDrill::AddLine(const LineKeyFigures& line) {
  mastery_.AddLine(line);
  // The history is replayed at every start with the goals of that moment: judged by stricter
  // goals, letters would come later and so be taken back. A letter these drills have had the
  // learner type stays in; the others come no later than the default goals let them.
  if (line.drilled && !fixed_) {
    for (const auto& [c, count] : line.keys) {
      if (IsLowerLetter(c) && material_.order.find(c) != std::string::npos) Include(c);
    }
  }
  while (added_ < material_.order.size() && IsIncluded(material_.order[added_])) ++added_;
  const MasteryGoals pace{std::max(goals_.errorPercent, MasteryGoals{}.errorPercent),
                          std::min(goals_.keysPerMinute, MasteryGoals{}.keysPerMinute)};
  for (char c : included_) {
    if (mastery_.Of(c).Mastered(pace)) everMastered_.insert(c);
  }
  if (fixed_ || added_ >= material_.order.size()) return;
  // A letter comes while none in hand is far off, so that the letters are practised together
  // in real words; waiting for each to be mastered left most of them untouched for hours
  // (bench/simulated_learner.cpp).
  const bool letter = IsLowerLetter(material_.order[added_]);
  const bool ready = std::all_of(included_.begin(), included_.end(), [&](char c) {
    const KeyState& state = mastery_.Of(c);
    return everMastered_.count(c) ||
           (letter && state.Judged() && state.Distance(pace) <= kLetterComesWithin);
  });
  if (ready) Include(material_.order[added_++]);
}

void AdaptiveDrill::FixIncluded(const std::string& keys) {
  fixed_ = true;
  included_.clear();
  for (char c : keys) {
    if (c != ' ') Include(c);
  }
  focus_ = 0;
}

void AdaptiveDrill::FocusAmong(const std::string& keys) {
  focusAmong_.clear();
  for (char c : keys) {
    if (c == ' ') continue;
    Include(c);
    focusAmong_ += c;
  }
  focus_ = 0;
}

void AdaptiveDrill::ChooseFocus() {
  const std::string& among = focusAmong_.empty() ? included_ : focusAmong_;
  const bool keep = focus_ && among.find(focus_) != std::string::npos &&
                    focusLines_ < kFocusLines && !mastery_.Of(focus_).Mastered(goals_);
  if (keep) return;
  char furthest = 0;
  double distance = -1;
  // Ties (keys not judged yet) go to the one added last.
  for (char c : among) {
    const double d = mastery_.Of(c).Distance(goals_);
    if (d >= distance) {
      distance = d;
      furthest = c;
    }
  }
  if (furthest != focus_) focusLines_ = 0;
  focus_ = furthest;
}

std::vector<std::string> AdaptiveDrill::WeakPairs() const {
  std::vector<std::pair<double, std::string>> weak;
  for (const auto& [pair, state] : mastery_.Pairs()) {
    if (!state.Judged() || !IsLetter(pair[0]) || !IsLetter(pair[1]) || !IsIncluded(pair[0]) ||
        !IsIncluded(pair[1]))
      continue;
    if (const double d = state.Distance(goals_); d > 1) weak.emplace_back(-d, pair);
  }
  const size_t kept = std::min(weak.size(), kPairsTried);
  std::partial_sort(weak.begin(), weak.begin() + static_cast<std::ptrdiff_t>(kept), weak.end());
  std::vector<std::string> pairs;
  for (size_t i = 0; i < kept; ++i) pairs.push_back(weak[i].second);
  return pairs;
}

bool AdaptiveDrill::AllLettersIncluded() const {
  return std::all_of(material_.order.begin(), material_.order.end(),
                     [this](char c) { return !IsLowerLetter(c) || IsIncluded(c); });
}

void AdaptiveDrill::FitLinesTo(size_t columns) {
  columns_ = std::max(columns, kFewestColumns);
}

std::string AdaptiveDrill::NextLine() {
  if (included_.empty()) return {};
  ++lines_;
  ChooseFocus();
  ++focusLines_;
  pair_.clear();
  recent_.emplace_back();
  if (recent_.size() > kRecentLines) recent_.pop_front();
  std::string line;
  if (fixed_ == false && focusAmong_.empty() && lines_ % kSentenceEvery == 0 &&
      AllLettersIncluded()) {
    line = SentenceLine();
  }
  // Lines on chosen keys (a course's offer, "Practise these keys") practise those keys only.
  if (line.empty() && !fixed_ && focusAmong_.empty() && lines_ % kPairEvery == 0) {
    // The weakest pair that enough words hold: the weakest may be in too few ("xq").
    for (const std::string& pair : WeakPairs()) {
      line = WordLine(pair);
      if (!line.empty()) {
        pair_ = pair;
        break;
      }
    }
  }
  if (line.empty()) line = WordLine(std::string(1, focus_));
  return line;
}

std::string AdaptiveDrill::SentenceLine() {
  std::vector<const std::string*> fitting;
  for (const std::string& sentence : material_.sentences) {
    if (sentence.size() < columns_ && Usable(sentence)) fitting.push_back(&sentence);
  }
  return fitting.empty() ? std::string() : *fitting[Below(fitting.size())];
}

void AdaptiveDrill::Candidates(const std::string& focus, std::vector<std::string>& holding,
                               std::vector<std::string>& others) const {
  const auto used = [this](const std::string& word) {
    return std::any_of(recent_.begin(), recent_.end(),
                       [&word](const std::set<std::string>& line) { return line.count(word); });
  };
  // A capital is practised in the words written with it (names; German nouns) and, where the
  // list has too few of those, in words capitalised as at the start of a sentence.
  const bool capital = focus.size() == 1 && IsLetter(focus[0]) && Lower(focus[0]) != focus[0];
  const bool capitalise =
      capital && std::count_if(usable_.begin(), usable_.end(), [&](const std::string& word) {
                   return word[0] == focus[0] && !used(word);
                 }) < static_cast<std::ptrdiff_t>(kFewestFocusWords);
  for (const std::string& word : usable_) {
    std::string shown = word;
    if (capitalise && word[0] == Lower(focus[0])) shown[0] = focus[0];
    if (used(shown)) continue;
    (shown.find(focus) != std::string::npos ? holding : others).push_back(shown);
  }
}

std::string AdaptiveDrill::DrillGroup(char c) {
  // The finger's home key around the key, or another home key for a key struck from home.
  const auto anchor = material_.anchors.find(c);
  char home = anchor != material_.anchors.end() && IsIncluded(anchor->second) ? anchor->second : c;
  if (home == c) {
    std::string others;
    for (int i = 0; i < material_.homeKeys; ++i) {
      const char key = material_.order[static_cast<size_t>(i)];
      if (key != c && IsIncluded(key)) others += key;
    }
    if (!others.empty()) home = others[Below(others.size())];
  }
  // The shapes in which the course's lessons bring a new key (frf rrr frr rf fr), never the
  // same twice running.
  static constexpr std::array<std::string_view, 5> kShapes = {"hkh", "kkk", "hkk", "kh", "hk"};
  groupShape_ = (groupShape_ + 1 + Below(kShapes.size() - 1)) % kShapes.size();
  std::string group(kShapes[groupShape_]);
  for (char& x : group) x = x == 'h' ? home : c;
  return group;
}

std::string AdaptiveDrill::WordLine(const std::string& focus) {
  const bool mark = focus.size() == 1 && (kInnerMarks.find(focus[0]) != std::string::npos ||
                                          kEndMarks.find(focus[0]) != std::string::npos);
  std::vector<std::string> holding, others;
  Candidates(mark ? std::string() : focus, holding, others);  // every word can carry a mark
  const bool groups = holding.size() < kFewestFocusWords;
  if (groups && focus.size() > 1) return {};
  std::vector<Token> tokens;
  size_t length = 0;
  // Words are added up to the wanted length, and one more only where it fits before longest.
  const size_t longest = std::min(columns_, kLongestLine);
  const size_t wanted = longest - (kLongestLine - kAdaptiveLineLength);
  // Commoner words come more often: the lower of two draws.
  const auto draw = [this](std::vector<std::string>& from) {
    const size_t i = std::min(Below(from.size()), Below(from.size()));
    Token token{std::move(from[i]), true};
    from.erase(from.begin() + static_cast<std::ptrdiff_t>(i));
    return token;
  };
  for (int tries = 0; tries < 40 && length < wanted; ++tries) {
    Token token;
    // Three tokens in four hold the focus.
    if (Below(4) != 0) {
      if (!holding.empty()) {
        token = draw(holding);
      } else if (groups) {
        token = {DrillGroup(focus[0]), false};
      } else if (!others.empty()) {
        token = draw(others);
      } else {
        break;
      }
    } else if (!others.empty()) {
      token = draw(others);
    } else if (!holding.empty()) {
      token = draw(holding);
    } else if (groups) {
      token = {DrillGroup(focus[0]), false};
    } else {
      break;
    }
    if (length + token.text.size() + 1 > longest) continue;
    length += token.text.size() + 1;
    tokens.push_back(token);
  }
  // Marks lengthen the line: the last words give way until it fits the row.
  std::string line = Finished(tokens, mark);
  while (line.size() >= longest && tokens.size() > 1) {
    tokens.pop_back();
    line = Finished(tokens, mark);
  }
  for (const Token& token : tokens) {
    if (token.word) recent_.back().insert(token.text);
  }
  return line;
}

std::string AdaptiveDrill::Finished(const std::vector<Token>& tokens, bool markFocus) {
  std::string line = Punctuated(tokens);
  if (markFocus && line.find(focus_) == std::string::npos && !line.empty()) {
    // In place of the line's last mark, not after it ("roue. !").
    if ((kInnerMarks + kEndMarks).find(line.back()) != std::string::npos) line.pop_back();
    if (!line.empty() && line.back() == ' ') line.pop_back();
    line += Written(focus_);
  }
  return line;
}

std::string AdaptiveDrill::Written(char mark) const {
  if (material_.spacedMarks.find(mark) == std::string::npos) return std::string(1, mark);
  return std::string{' ', mark};
}

std::string AdaptiveDrill::Punctuated(std::vector<Token> tokens) {
  std::string inner, ends;
  for (char c : kInnerMarks) {
    if (IsIncluded(c)) inner += c;
  }
  for (char c : kEndMarks) {
    if (IsIncluded(c)) ends += c;
  }
  // The focus mark comes often, the others now and then, as writers use them; marks follow
  // words, never drill groups.
  const bool focusMark = !inner.empty() && inner.find(focus_) != std::string::npos;
  const bool focusEnd = ends.find(focus_) != std::string::npos;
  bool sentenceStart = !ends.empty();
  std::string line;
  const auto capitalises = [this](const Token& token) {
    return token.word && IsIncluded(Upper(token.text[0]));
  };
  // Before the capitals come, sentences start in lower case.
  const bool capitals = std::any_of(included_.begin(), included_.end(),
                                    [](char c) { return IsLetter(c) && Lower(c) != c; });
  for (size_t i = 0; i < tokens.size(); ++i) {
    // A sentence starts with a word the keys can capitalise: not with "école" on a French
    // layout, which has no key for its capital.
    if (sentenceStart && !capitalises(tokens[i])) {
      const auto later = std::find_if(tokens.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                      tokens.end(), capitalises);
      if (later != tokens.end()) std::swap(tokens[i], *later);
    }
    std::string text = tokens[i].text;
    if (sentenceStart && capitalises(tokens[i])) text[0] = Upper(text[0]);
    sentenceStart = false;
    const bool last = i + 1 == tokens.size();
    // A word of the list may bring its own mark ("yes," "stop;"), and takes no other.
    const char own = text.back();
    const bool word =
        tokens[i].word && (IsLetter(own) || std::isdigit(static_cast<unsigned char>(own)));
    const bool nextStarts =
        !capitals ||
        std::any_of(tokens.begin() + static_cast<std::ptrdiff_t>(i) + 1, tokens.end(), capitalises);
    if (word && !last && !inner.empty() && OneIn(focusMark ? 2 : 8)) {
      text += Written(focusMark ? focus_ : inner[Below(inner.size())]);
    } else if (word && !ends.empty() && (last || (nextStarts && OneIn(focusEnd ? 3 : 12)))) {
      text += Written(focusEnd && !OneIn(3) ? focus_ : ends[0]);
      sentenceStart = true;
    } else if (tokens[i].word && kEndMarks.find(own) != std::string::npos) {
      sentenceStart = true;
    }
    if (!line.empty()) line += ' ';
    line += text;
  }
  return line;
}

std::string AdaptiveDrill::StatusText() const {
  if (!focus_) return {};
  const KeyState& state = pair_.empty() ? mastery_.Of(focus_) : mastery_.OfPair(pair_);
  const std::string name = pair_.empty() ? std::string(1, focus_) : pair_;
  if (!state.Judged()) {
    return Translated(
        "Practice", QT_TRANSLATE_NOOP("Practice", "Focus: %1  too new to judge; goal %2 %, %3"),
        {name, std::to_string(goals_.errorPercent), std::to_string(goals_.keysPerMinute)});
  }
  return Translated(
      "Practice",
      QT_TRANSLATE_NOOP("Practice", "Focus: %1  %2 % wrong, %3 keys/min; goal %4 %, %5"),
      // Rounded as the goals judge them: shown at the goal is at the goal.
      {name, std::to_string(static_cast<long>(std::ceil(state.ErrorPercent() - 1e-9))),
       std::to_string(static_cast<long>(std::floor(state.KeysPerMinute() + 1e-9))),
       std::to_string(goals_.errorPercent), std::to_string(goals_.keysPerMinute)});
}

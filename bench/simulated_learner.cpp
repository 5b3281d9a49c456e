// Simulated learners type for hours in the sentence drills (random lines of the practice text)
// and in the adaptive drills (AdaptiveDrill's lines, fed back with each line's first
// attempts). The learner model is the same for both and is not tuned to either; its
// assumptions are listed in the README ("Adaptive drills, measured"). Not run by ctest:
//
//   build/bench/bench/simulated_learner [learners] [hours] [layout]
//
// The layout is a shipped .key file's name (us, uk, dvorak, colemak, de, fr); de and fr type
// their own language's texts, the others the English ones.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "game/striker_source.h"
#include "keyboard/drill_material.h"
#include "keyboard/layout.h"
#include "keyboard/layout_file.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/line_text.h"
#include "practice/adaptive_drill.h"

namespace {
const std::string kData = QZ_DATA_DIR "/";
constexpr double kHourMs = 3'600'000;
constexpr double kGoalError = 0.03;
constexpr double kGoalMs = 60'000.0 / 150;
// A key struck for the first time disturbs the keys already known on its finger: their error
// rises by kDisturbance, fading over the next kDisturbedKeys keystrokes.
constexpr double kDisturbance = 0.04;
constexpr double kDisturbedKeys = 300;
constexpr double kReadLineMs = 1000;
constexpr double kNoticeErrorMs = 400;
constexpr double kBackspaceMs = 300;
constexpr double kSameFingerSlower = 1.3;

using Chars = std::array<double, 256>;
size_t At(char c) {
  return static_cast<unsigned char>(c);
}

// Where the errors on natural text come from: letters, the space, capitals, marks and digits.
constexpr size_t kKinds = 4;
size_t KindOf(char c) {
  return IsLowerLetter(c) ? 0 : c == ' ' ? 1 : IsLetter(c) ? 2 : 3;
}

// Where each character lies on the layout.
struct KeyPlace {
  int key = 0;  // 0: not on the layout
  int line = 0;
  int column = 0;
  int finger = 0;
  bool shifted = false;
  std::string neighbours;  // characters of the keys around, in the same shift
};

struct Material {
  LayoutRec layout;
  std::array<KeyPlace, 256> places;
  std::vector<std::string> lines;  // the practice text's samples
  Chars frequency{};               // share of each character in the practice text
  std::string letters;             // lower-case letters of the practice text
  AdaptiveMaterial adaptive;
};

Material LoadMaterial(const std::string& layout) {
  Material m;
  ReadLayoutFile(kData + layout + ".key", m.layout);
  const std::string language = layout == "de" || layout == "fr" ? "-" + layout : "";
  const auto charsOf = [&m](int n) { return m.layout.KeyAt(n).Chars; };
  const LineText text = LineText::FromBytes(ReadWholeFile(kData + "qz" + language + ".txt"));
  std::vector<std::string> sentences;
  double total = 0;
  for (int i = 0; i < text.size(); ++i) {
    const std::string sample = SampleOf(text[i]);
    sentences.push_back(sample);
    if (sample.empty()) continue;
    m.lines.push_back(sample);
    for (char c : sample) {
      // A character no key gives (one made with a dead key) is not typed in this model.
      if (FindKeyFor(c, m.layout.KeyCount, charsOf) == 0) continue;
      m.frequency[At(c)] += 1;
      total += 1;
    }
  }
  for (double& f : m.frequency) f /= total;
  for (char c = 'a'; c <= 'z'; ++c) {
    if (m.frequency[At(c)] > 0) m.letters += c;
  }
  const int count = m.layout.KeyCount;
  for (int c = 1; c < 256; ++c) {
    const char ch = static_cast<char>(c);
    const int key = FindKeyFor(ch, count, charsOf);
    if (key == 0) continue;
    KeyPlace& place = m.places[At(ch)];
    const KeyRec& rec = m.layout.KeyAt(key);
    place.key = key;
    place.line = rec.Line;
    place.column = rec.Column;
    place.finger = rec.Finger;
    place.shifted = IsLetter(ch) ? Upper(ch) == ch : ch != PlainChar(rec);
  }
  for (int c = 1; c < 256; ++c) {
    KeyPlace& place = m.places[static_cast<size_t>(c)];
    if (place.key == 0 || c == ' ') continue;
    for (int n = 1; n < count; ++n) {
      const KeyRec& rec = m.layout.KeyAt(n);
      if (n == place.key || std::abs(rec.Line - place.line) > 1 ||
          std::abs(rec.Column - place.column) > 1)
        continue;
      char near = place.shifted ? rec.Chars[0] : rec.Chars[1];
      if (near == ' ' || near == 0) near = rec.Chars[0];
      if (IsLetter(near)) near = place.shifted ? Upper(near) : Lower(near);
      if (near != ' ' && near != 0) place.neighbours += near;
    }
  }
  m.adaptive = MakeAdaptiveMaterial(
      m.layout, WordsOf(ParseGameText(ReadWholeFile(kData + "qzgame" + language + ".txt"))), sentences);
  return m;
}

double Uniform(std::mt19937& random, double low, double high) {
  return std::uniform_real_distribution<double>(low, high)(random);
}

// One learner: per character an error rate and a time per key that fall from a start to a
// floor with the character's practice, n the times its key was struck for it:
//   value(n) = floor + (start - floor) * exp(-n / rate)
// A capital counts half its letter's practice as its own (shift and a known key).
class Learner {
 public:
  Learner(const Material& m, uint32_t seed) : m_(m) {
    std::mt19937 random(seed);
    const double baseError = Uniform(random, 0.06, 0.12);
    const double baseMs = Uniform(random, 500, 800);
    const double floorError = Uniform(random, 0.005, 0.015);
    const double floorMs = Uniform(random, 180, 260);
    const double rate = Uniform(random, 80, 200);
    // Letters by use in the practice text: the rarer, the less familiar.
    std::string byUse = m.letters;
    std::stable_sort(byUse.begin(), byUse.end(),
                     [&m](char a, char b) { return m.frequency[At(a)] > m.frequency[At(b)]; });
    for (int c = 1; c < 256; ++c) {
      const char ch = static_cast<char>(c);
      const KeyPlace& place = m.places[At(ch)];
      if (place.key == 0) continue;
      double hard = 1;
      if (ch == ' ') {
        hard = 0.5;
      } else {
        static const double kByLine[] = {1, 1.5, 1.2, 1, 1.3};
        hard *= kByLine[std::clamp(place.line, 0, 4)];
        const int fromThumb = place.finger < 5 ? 4 - place.finger : place.finger - 5;
        static const double kByFinger[] = {0.5, 1, 1, 1.15, 1.3};
        hard *= kByFinger[std::clamp(fromThumb, 0, 4)];
        const char lower = IsLetter(ch) ? Lower(ch) : ch;
        const size_t rank = byUse.find(lower);
        hard *= rank != std::string::npos ? 1 + 0.3 * static_cast<double>(rank) / 25 : 1.3;
        if (place.shifted) hard *= 1.4;
        hard *= Uniform(random, 0.85, 1.2);
      }
      startError_[At(ch)] = std::min(0.5, baseError * hard);
      floorError_[At(ch)] = floorError * (0.5 + 0.5 * hard);
      errorRate_[At(ch)] = rate * std::sqrt(hard) * Uniform(random, 0.8, 1.25);
      startMs_[At(ch)] = baseMs * std::pow(hard, 0.8);
      floorMs_[At(ch)] = floorMs * std::pow(hard, 0.3);
      msRate_[At(ch)] = errorRate_[At(ch)] * Uniform(random, 1, 1.5);
    }
  }

  // Without the passing disturbance of a new key.
  double Error(char c) const {
    const size_t i = At(c);
    return floorError_[i] +
           (startError_[i] - floorError_[i]) * std::exp(-Practice(c) / errorRate_[i]);
  }
  double Ms(char c) const {
    const size_t i = At(c);
    return floorMs_[i] + (startMs_[i] - floorMs_[i]) * std::exp(-Practice(c) / msRate_[i]);
  }
  bool Mastered(char c) const { return Error(c) <= kGoalError && Ms(c) <= kGoalMs; }
  bool LettersMastered() const {
    return std::all_of(m_.letters.begin(), m_.letters.end(),
                       [this](char c) { return Mastered(c); });
  }
  // Expected first-attempt accuracy on the practice text, in percent.
  double TextAccuracy() const {
    double right = 0;
    for (int c = 1; c < 256; ++c) {
      const char ch = static_cast<char>(c);
      if (m_.frequency[At(ch)] > 0) right += m_.frequency[At(ch)] * (1 - Error(ch));
    }
    return 100 * right;
  }
  // Expected wrong first attempts per 100 characters of the text, by kind of character.
  std::array<double, kKinds> LossByKind() const {
    std::array<double, kKinds> loss{};
    for (int c = 1; c < 256; ++c) {
      const char ch = static_cast<char>(c);
      if (m_.frequency[At(ch)] > 0) loss[KindOf(ch)] += 100 * m_.frequency[At(ch)] * Error(ch);
    }
    return loss;
  }
  char WorstLetter() const {
    return *std::max_element(m_.letters.begin(), m_.letters.end(),
                             [this](char a, char b) { return Error(a) < Error(b); });
  }

  // A line typed from start to end, each wrong character taken back and typed again. Returns
  // the first attempts as the line engine keeps them and adds the time spent to elapsedMs.
  std::vector<FirstAttempt> TypeLine(const std::string& line, std::mt19937& random,
                                     double& elapsedMs) {
    std::vector<FirstAttempt> attempts;
    elapsedMs += kReadLineMs;
    char previous = 0;
    for (char c : line) {
      const KeyPlace& place = m_.places[At(c)];
      if (place.key == 0) continue;  // no key gives it: the learner could not type it either
      FirstAttempt attempt{c, c, false, -1};
      const bool wrong = Uniform(random, 0, 1) < std::min(0.95, Error(c) + Disturbed(c));
      double ms = Interval(c, previous, random);
      if (!attempts.empty() && ms <= kLongPauseMs) attempt.intervalMs = std::llround(ms);
      elapsedMs += ms;
      Strike(c);
      if (wrong) {
        attempt.wrong = true;
        attempt.typed = place.neighbours.empty()
                            ? c
                            : place.neighbours[std::uniform_int_distribution<size_t>(
                                  0, place.neighbours.size() - 1)(random)];
        elapsedMs += kNoticeErrorMs + kBackspaceMs + Interval(c, 0, random);
        Strike(c);
      }
      attempts.push_back(attempt);
      previous = c;
    }
    return attempts;
  }

 private:
  double Practice(char c) const {
    const double own = struck_[At(c)];
    return IsLetter(c) && Upper(c) == c ? own + 0.5 * struck_[At(Lower(c))] : own;
  }
  double Disturbed(char c) const {
    const int key = m_.places[At(c)].key;
    const double since = keystrokes_ - disturbedAt_[static_cast<size_t>(key)];
    return since < kDisturbedKeys ? kDisturbance * (1 - since / kDisturbedKeys) : 0;
  }
  double Interval(char c, char previous, std::mt19937& random) const {
    double ms = Ms(c);
    const KeyPlace& place = m_.places[At(c)];
    if (previous && c != ' ' && previous != ' ' && m_.places[At(previous)].finger == place.finger &&
        m_.places[At(previous)].key != place.key)
      ms *= kSameFingerSlower;
    constexpr double kSpread = 0.3;
    return ms *
           std::exp(kSpread * std::normal_distribution<double>()(random) - kSpread * kSpread / 2);
  }
  void Strike(char c) {
    ++keystrokes_;
    const KeyPlace& place = m_.places[At(c)];
    if (!keyStruck_[static_cast<size_t>(place.key)] && c != ' ') {
      for (int n = 1; n < m_.layout.KeyCount; ++n) {
        if (n != place.key && keyStruck_[static_cast<size_t>(n)] &&
            m_.layout.KeyAt(n).Finger == place.finger)
          disturbedAt_[static_cast<size_t>(n)] = keystrokes_;
      }
    }
    keyStruck_[static_cast<size_t>(place.key)] = true;
    struck_[At(c)] += 1;
  }

  const Material& m_;
  Chars startError_{}, floorError_{}, errorRate_{}, startMs_{}, floorMs_{}, msRate_{};
  Chars struck_{};
  std::array<bool, kMaxKeys + 1> keyStruck_{};
  std::array<double, kMaxKeys + 1> disturbedAt_ = [] {
    std::array<double, kMaxKeys + 1> never{};
    never.fill(-1e9);
    return never;
  }();
  double keystrokes_ = 0;
};

struct Outcome {
  double accuracyBefore = 0;
  double accuracyHour = 0;  // after the first hour
  double accuracyEnd = 0;   // after all the hours
  double worstError = 0;    // after the first hour
  char worstLetter = 0;
  double masteredHours = -1;  // all letters; -1: not within the hours
  size_t included = 0;        // adaptive: characters included after the first hour
  double keysFirstHour = 0;
  std::array<double, kKinds> lossHour{};  // after the first hour, by kind
};

enum class Regime { Sentences, Adaptive };

Outcome Run(const Material& m, Regime regime, int learner, double hours) {
  Learner model(m, 1000 + static_cast<uint32_t>(learner));
  std::mt19937 random(5000 + static_cast<uint32_t>(learner));
  AdaptiveDrill drill(m.adaptive, MasteryGoals{}, 9000 + static_cast<uint32_t>(learner));
  Outcome outcome;
  outcome.accuracyBefore = model.TextAccuracy();
  double elapsed = 0;
  bool hourTaken = false;
  size_t keys = 0;
  while (elapsed < hours * kHourMs) {
    const std::string line =
        regime == Regime::Adaptive
            ? drill.NextLine()
            : m.lines[std::uniform_int_distribution<size_t>(0, m.lines.size() - 1)(random)];
    const std::vector<FirstAttempt> attempts = model.TypeLine(line, random, elapsed);
    keys += attempts.size();
    if (regime == Regime::Adaptive) drill.AddLine(SumAttempts(attempts));
    if (!hourTaken && elapsed >= kHourMs) {
      hourTaken = true;
      outcome.accuracyHour = model.TextAccuracy();
      outcome.worstLetter = model.WorstLetter();
      outcome.worstError = 100 * model.Error(outcome.worstLetter);
      outcome.included = drill.Included().size();
      outcome.keysFirstHour = static_cast<double>(keys);
      outcome.lossHour = model.LossByKind();
    }
    if (outcome.masteredHours < 0 && model.LettersMastered())
      outcome.masteredHours = elapsed / kHourMs;
  }
  outcome.accuracyEnd = model.TextAccuracy();
  return outcome;
}

double Quantile(std::vector<double> values, double q) {
  std::sort(values.begin(), values.end());
  return values[static_cast<size_t>(std::lround(q * static_cast<double>(values.size() - 1)))];
}
double Median(const std::vector<double>& values) {
  return Quantile(values, 0.5);
}

struct Figures {
  std::vector<double> before, hour, end, gain, worst, mastered, keys, included;
  std::array<int, 256> worstLetters{};
  int masteredCount = 0;
  std::array<double, kKinds> meanLossHour{};
};

Figures RunAll(const Material& m, Regime regime, int learners, double hours) {
  Figures f;
  for (int i = 0; i < learners; ++i) {
    const Outcome o = Run(m, regime, i, hours);
    f.before.push_back(o.accuracyBefore);
    f.hour.push_back(o.accuracyHour);
    f.end.push_back(o.accuracyEnd);
    f.gain.push_back(o.accuracyHour - o.accuracyBefore);
    f.worst.push_back(o.worstError);
    ++f.worstLetters[At(o.worstLetter)];
    f.keys.push_back(o.keysFirstHour);
    for (size_t k = 0; k < kKinds; ++k) f.meanLossHour[k] += o.lossHour[k] / learners;
    f.included.push_back(static_cast<double>(o.included));
    // Not mastered within the hours sorts last.
    f.mastered.push_back(o.masteredHours < 0 ? 1e9 : o.masteredHours);
    if (o.masteredHours >= 0) ++f.masteredCount;
  }
  return f;
}

void PrintRow(const char* name, const Figures& f, int learners, double hours) {
  const double mastered = Median(f.mastered);
  char masteredText[32];
  if (mastered > hours) {
    std::snprintf(masteredText, sizeof masteredText, "not within %.0f h", hours);
  } else {
    std::snprintf(masteredText, sizeof masteredText, "%.2f h", mastered);
  }
  const auto commonest = std::max_element(f.worstLetters.begin(), f.worstLetters.end());
  char worstText[32];
  std::snprintf(worstText, sizeof worstText, "%.1f %% (%c)", Median(f.worst),
                static_cast<char>(commonest - f.worstLetters.begin()));
  char share[32];
  std::snprintf(share, sizeof share, "%d / %d", f.masteredCount, learners);
  std::printf("| %s | %.1f %% | %.1f %% | %+.1f | %s | %s (%s) | %.1f %% | %.0f |\n", name,
              Median(f.before), Median(f.hour), Median(f.gain), worstText, masteredText, share,
              Median(f.end), Median(f.keys));
}

// How many learners the adaptive drills served better, and the median difference.
void PrintPaired(const char* what, const std::vector<double>& sentences,
                 const std::vector<double>& adaptive, bool higherIsBetter) {
  std::vector<double> difference;
  int better = 0;
  for (size_t i = 0; i < sentences.size(); ++i) {
    difference.push_back(adaptive[i] - sentences[i]);
    if (higherIsBetter ? adaptive[i] > sentences[i] : adaptive[i] < sentences[i]) ++better;
  }
  std::printf(
      "%s: adaptive minus sentence, median %+.2f (10-90 %%: %+.2f to %+.2f); adaptive "
      "better for %d of %zu learners\n",
      what, Median(difference), Quantile(difference, 0.1), Quantile(difference, 0.9), better,
      sentences.size());
}
}  // namespace

int main(int argc, char** argv) {
  const int learners = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
  const double hours = argc > 2 ? std::max(1.0, std::atof(argv[2])) : 5;
  const Material m = LoadMaterial(argc > 3 ? argv[3] : "us");
  const Figures sentences = RunAll(m, Regime::Sentences, learners, hours);
  const Figures adaptive = RunAll(m, Regime::Adaptive, learners, hours);
  std::printf("%d learners, %.0f hours each; medians\n\n", learners, hours);
  std::printf(
      "| drills | accuracy at start | after 1 h | gained in 1 h (points) | worst letter "
      "after 1 h | all letters mastered | accuracy after %.0f h | keys in 1 h |\n",
      hours);
  std::printf("|---|---|---|---|---|---|---|---|\n");
  PrintRow("sentence", sentences, learners, hours);
  PrintRow("adaptive", adaptive, learners, hours);
  std::printf(
      "\nwrong first attempts per 100 characters of text after 1 h, mean (letters, space, "
      "capitals, marks and digits):\n");
  for (const auto& [name, f] : {std::pair{"sentence", &sentences}, {"adaptive", &adaptive}}) {
    std::printf("  %s: %.2f %.2f %.2f %.2f\n", name, f->meanLossHour[0], f->meanLossHour[1],
                f->meanLossHour[2], f->meanLossHour[3]);
  }
  std::printf("\n");
  PrintPaired("accuracy gained in 1 h", sentences.gain, adaptive.gain, true);
  PrintPaired("worst letter's error after 1 h", sentences.worst, adaptive.worst, false);
  int sooner = 0;
  for (int i = 0; i < learners; ++i) {
    const size_t n = static_cast<size_t>(i);
    if (adaptive.mastered[n] < sentences.mastered[n]) ++sooner;
  }
  std::printf(
      "all letters mastered within %.0f h: sentence %d, adaptive %d; adaptive sooner for "
      "%d of %d learners\n",
      hours, sentences.masteredCount, adaptive.masteredCount, sooner, learners);
  std::printf("characters in the adaptive drills after 1 h: median %.0f (10-90 %%: %.0f to %.0f)\n",
              Median(adaptive.included), Quantile(adaptive.included, 0.1),
              Quantile(adaptive.included, 0.9));
  return 0;
}

#include "layout_description.h"

#include <QString>
#include <sstream>
#include <vector>

#include "platform/codepage.h"

namespace {
constexpr const char* kNothing = "--";
constexpr int kMaxColumns = 14;
// The layout designer's ranges: a value outside them would change when the designer loads
// the layout, and the layout saved again would differ from the shipped file.
struct Range {
  int low, high;
};
constexpr Range kKeySizeRange{10, 100};
constexpr Range kOffsetRange{1, 200};
constexpr Range kFingerRange{10, 150};

using Words = std::vector<std::string>;

struct Line {
  int number = 0;
  Words words;
};

std::vector<Line> ReadLines(const std::string& text) {
  std::vector<Line> lines;
  std::istringstream in(text);
  std::string raw;
  int number = 0;
  while (std::getline(in, raw)) {
    ++number;
    std::istringstream split(raw);
    Line line{number, {}};
    for (std::string word; split >> word;) line.words.push_back(word);
    if (line.words.empty() || line.words[0][0] == '#') continue;
    lines.push_back(line);
  }
  return lines;
}

// Line 0 stands for the end of the description.
[[noreturn]] void Fail(const Line& line, const std::string& why) {
  if (line.number == 0) throw DescriptionError("at the end: " + why);
  throw DescriptionError("line " + std::to_string(line.number) + ": " + why);
}

int Number(const Line& line, const std::string& word, int low, int high) {
  try {
    size_t used = 0;
    const int value = std::stoi(word, &used);
    if (used == word.size() && value >= low && value <= high) return value;
  } catch (const std::exception&) {
  }
  Fail(line,
       "'" + word + "' is not a number in " + std::to_string(low) + ".." + std::to_string(high));
}

Color Colour(const Line& line, const std::string& word) {
  if (word.size() != 7 || word[0] != '#') Fail(line, "'" + word + "' is not a #RRGGBB colour");
  try {
    size_t used = 0;
    const unsigned long rgb = std::stoul(word.substr(1), &used, 16);
    if (used == 6) return RGBColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
  } catch (const std::exception&) {
  }
  Fail(line, "'" + word + "' is not a #RRGGBB colour");
}

void Expect(const Line& line, size_t count) {
  if (line.words.size() != count) {
    Fail(line, "'" + line.words[0] + "' takes " + std::to_string(count - 1) + " values");
  }
}

// The byte of a one-character word, or ' ' for "--".
char KeyChar(const Line& line, const std::string& word) {
  if (word == kNothing) return ' ';
  std::string bytes;
  if (!QStringToBytes(QString::fromStdString(word), bytes) || bytes.size() != 1) {
    Fail(line, "'" + word + "' is not one character of the code page");
  }
  return bytes[0];
}

struct Look {
  int keyWidth = 30;
  int keyHeight = 30;
  std::array<Font, kKeyChars> fonts{};
  std::array<FingerRec, kFingerCount> fingers{};
  std::array<Color, kFingerCount> keyColours{};
};

Look ReadLook(const std::string& text) {
  Look look;
  for (const Line& line : ReadLines(text)) {
    const std::string& what = line.words[0];
    if (what == "key-size") {
      Expect(line, 3);
      look.keyWidth = Number(line, line.words[1], kKeySizeRange.low, kKeySizeRange.high);
      look.keyHeight = Number(line, line.words[2], kKeySizeRange.low, kKeySizeRange.high);
    } else if (what == "font") {
      if (line.words.size() < 6) Fail(line, "'font' takes a number, size, weight, colour, face");
      Font& font = look.fonts[static_cast<size_t>(Number(line, line.words[1], 1, 4) - 1)];
      font.SetSize(Number(line, line.words[2], 1, 72));
      if (line.words[3] != "regular" && line.words[3] != "bold") {
        Fail(line, "the weight is 'regular' or 'bold'");
      }
      font.style = line.words[3] == "bold" ? font_style::kBold : 0;
      font.color = Colour(line, line.words[4]);
      font.face = line.words[5];
      for (size_t i = 6; i < line.words.size(); ++i) font.face += " " + line.words[i];
    } else if (what == "finger") {
      Expect(line, 5);
      const auto n = static_cast<size_t>(Number(line, line.words[1], 0, 9));
      look.fingers[n].Length = Number(line, line.words[2], kFingerRange.low, kFingerRange.high);
      look.fingers[n].Color = Colour(line, line.words[3]);
      look.keyColours[n] = Colour(line, line.words[4]);
    } else {
      Fail(line, "unknown entry '" + what + "'");
    }
  }
  return look;
}

struct Row {
  Line start;
  Words shifted, plain, altgr, fingers;
  Line shiftedLine, plainLine, altgrLine, fingersLine;
};
}  // namespace

LayoutRec DescribeLayout(const std::string& lookText, const std::string& keyboardText) {
  const Look look = ReadLook(lookText);
  LayoutRec layout;
  layout.KeyWidth = look.keyWidth;
  layout.KeyHeight = look.keyHeight;
  for (int n = 1; n <= kFingerCount; ++n) layout.FingerAt(n) = look.fingers[n - 1];

  std::vector<Row> rows;
  int spaceFinger = -1;
  bool offsetsGiven = false;
  for (const Line& line : ReadLines(keyboardText)) {
    const std::string& what = line.words[0];
    const Words values(line.words.begin() + 1, line.words.end());
    if (what == "offsets") {
      Expect(line, 5);
      for (int i = 0; i < kLineCount; ++i) {
        layout.Offset[i] = Number(line, values[i], kOffsetRange.low, kOffsetRange.high);
      }
      offsetsGiven = true;
    } else if (what == "row") {
      Expect(line, 2);
      if (Number(line, values[0], 1, 4) != static_cast<int>(rows.size()) + 1) {
        Fail(line, "rows come in order 1, 2, 3, 4");
      }
      rows.push_back(Row{line, {}, {}, {}, {}, {}, {}, {}, {}});
    } else if (what == "shifted" || what == "plain" || what == "altgr" || what == "fingers") {
      if (rows.empty()) Fail(line, "'" + what + "' outside a row");
      Row& row = rows.back();
      Words& list = what == "shifted" ? row.shifted
                    : what == "plain" ? row.plain
                    : what == "altgr" ? row.altgr
                                      : row.fingers;
      Line& at = what == "shifted" ? row.shiftedLine
                 : what == "plain" ? row.plainLine
                 : what == "altgr" ? row.altgrLine
                                   : row.fingersLine;
      if (!list.empty()) Fail(line, "'" + what + "' given twice in a row");
      if (values.empty() || values.size() > kMaxColumns) Fail(line, "a row has 1..14 keys");
      list = values;
      at = line;
    } else if (what == "space") {
      Expect(line, 2);
      spaceFinger = Number(line, values[0], 0, 9);
    } else {
      Fail(line, "unknown entry '" + what + "'");
    }
  }
  const Line end{0, {}};
  if (!offsetsGiven) Fail(end, "no offsets");
  if (rows.size() != kLineCount) Fail(end, "a keyboard has four rows");
  if (spaceFinger < 0) Fail(end, "no space bar");

  int count = 0;
  for (size_t r = 0; r < rows.size(); ++r) {
    const Row& row = rows[r];
    const size_t keys = row.plain.size();
    if (keys == 0) Fail(row.start, "the row has no 'plain' keys");
    if (row.shifted.size() != keys) Fail(row.start, "'shifted' and 'plain' differ in length");
    if (row.fingers.size() != keys) Fail(row.start, "'fingers' and 'plain' differ in length");
    if (!row.altgr.empty() && row.altgr.size() != keys) {
      Fail(row.start, "'altgr' and 'plain' differ in length");
    }
    for (size_t c = 0; c < keys; ++c) {
      if (++count >= kMaxKeys) Fail(row.start, "more than 59 keys");
      KeyRec& key = layout.KeyAt(count);
      key.Line = static_cast<int32_t>(r + 1);
      key.Column = static_cast<int32_t>(c + 1);
      key.Finger = Number(row.fingersLine, row.fingers[c], 0, 9);
      key.Color = look.keyColours[static_cast<size_t>(key.Finger)];
      key.Fonts = look.fonts;
      const char shifted = SearchForm(KeyChar(row.shiftedLine, row.shifted[c]));
      const char plain = SearchForm(KeyChar(row.plainLine, row.plain[c]));
      const char altgr = row.altgr.empty() ? ' ' : SearchForm(KeyChar(row.altgrLine, row.altgr[c]));
      // A letter shows once, in upper case.
      key.Chars = {shifted, shifted == plain ? ' ' : plain, ' ', altgr};
    }
  }
  ++count;
  KeyRec& space = layout.KeyAt(count);
  space.Line = kLineCount;
  space.Column = 4;  // not used for placing it; where it starts, roughly
  space.Finger = spaceFinger;
  space.Color = look.keyColours[static_cast<size_t>(spaceFinger)];
  space.Fonts = look.fonts;
  space.Chars = {' ', ' ', ' ', ' '};
  layout.KeyCount = count;
  return layout;
}

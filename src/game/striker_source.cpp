#include "game/striker_source.h"

#include <exception>

#include "platform/codepage.h"
#include "platform/files.h"

int AcceptancePercent(int group) {
  static constexpr std::array<int, 27> kTable = {0,  60, 50, 70, 60, 50, 50, 45, 45, 20,
                                                 15, 15, 20, 40, 25, 35, 45, 10, 60, 65,
                                                 60, 5,  5,  5,  3,  3,  3};
  if (group >= 1 && group < static_cast<int>(kTable.size())) return kTable[group];
  return 10;
}

GameText ParseGameText(std::string bytes) {
  bytes.resize(Utf8AsCodePage(bytes.data(), bytes.size()));
  GameText text;
  int group = 1;
  bool previousEmpty = true;
  size_t pos = 0;
  while (pos < bytes.size()) {
    size_t end = bytes.find_first_of("\r\n", pos);
    if (end == std::string::npos) end = bytes.size();
    if (end == pos) {
      if (!previousEmpty) ++group;
      previousEmpty = true;
    } else {
      previousEmpty = false;
      auto& words = text.groups[std::min(group, kMaxGroups)];
      size_t i = pos;
      while (i < end) {
        while (i < end && bytes[i] == ' ') ++i;
        const size_t start = i;
        while (i < end && bytes[i] != ' ') ++i;
        if (i > start && i - start <= static_cast<size_t>(kMaxWordLength)) {
          words.push_back(bytes.substr(start, i - start));
        }
      }
    }
    if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() &&
        bytes[end + 1] == '\n') {
      ++end;
    }
    pos = end + 1;
  }
  text.groupCount = std::min(group, kMaxGroups);
  return text;
}

std::vector<std::string> WordsOf(const GameText& text) {
  std::vector<std::string> words;
  for (const std::vector<std::string>& group : text.groups) {
    words.insert(words.end(), group.begin(), group.end());
  }
  return words;
}

strikerSourceType::strikerSourceType(const std::string& gameFile, Random& random,
                                     Dialogs& dialogs)
    : GameFile(gameFile), random_(random), dialogs_(dialogs) {}

void strikerSourceType::Load() {
  Groups = {};
  Exhausted = {};
  ExhaustedCount = 0;
  GroupCount = 0;
  GameText text = ParseGameText(ReadWholeFile(GameFile, kMaxGameTextBytes));
  Groups = std::move(text.groups);
  GroupCount = text.groupCount;
}

bool strikerSourceType::Pick() {
  try {
    return PickWord();
  } catch (const std::exception& error) {
    dialogs_.Inform(std::string(error.what()) + kPickErrorSuffix);
    return false;
  }
}

bool strikerSourceType::PickWord() {
  if (GroupCount < 1) return false;
  int g = random_.Below(GroupCount) + 1;
  for (;;) {
    if (Chance(random_, AcceptancePercent(g)) && !Groups[g].empty()) break;
    if (Groups[g].empty() && !Exhausted[g]) {
      Exhausted[g] = true;
      ++ExhaustedCount;
    }
    if (ExhaustedCount >= GroupCount) return false;
    g = g % GroupCount + 1;
  }
  auto& words = Groups[g];
  const int r = random_.Below(static_cast<int>(words.size()));
  auto word = std::make_unique<strikerType>();
  word->Text = std::move(words[r]);
  words.erase(words.begin() + r);
  word->Len = static_cast<int>(word->Text.size());
  int column = (random_.Below(25) + LastColumn + LastLength) % kColumns + 1;
  if (column + word->Len > kColumns) column = 1;
  word->Column = column;
  word->X = ColumnX(column);
  word->Y = 0;
  word->Typed = -1;
  word->State = strikerType::Falling;
  word->Speed = random_.Below(3) + 1;
  LastColumn = column;
  LastLength = word->Len;
  Picked = std::move(word);
  return true;
}

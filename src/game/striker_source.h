#pragma once
// strikerSourceType hands out the falling words of one game. Load reads the game text into
// numbered groups (words are runs of non-space bytes; an empty line ends a group); Pick walks
// the groups from a random one, accepting each with its fixed percentage, takes a random word
// of the accepted group (each entry at most once per game), and places it 1 to 25 columns
// right of the previous word.
//
// Invariants: 1 <= GroupCount <= 60; every stored word has 1..50 letters, so a placed word
// always ends inside the 50 columns.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "game/world.h"
#include "platform/dialogs.h"
#include "platform/random.h"

inline constexpr int kMaxGroups = 60;
inline constexpr int kMaxWordLength = kColumns;
inline constexpr const char* kPickErrorSuffix = " StrikerSource available";
// A word list far beyond any game's need; a larger file is refused ("File too large") before
// its words fill the memory.
inline constexpr uint64_t kMaxGameTextBytes = uint64_t{4} << 20;

// Acceptance percentage of group g (1..60).
int AcceptancePercent(int group);

// The game text split into groups: groups[g] holds the words of group g (index 0 unused).
struct GameText {
  std::array<std::vector<std::string>, kMaxGroups + 1> groups;
  int groupCount = 1;
};
// Lines end at CR LF, LF or CR; a text saved as UTF-8 is taken as the code page's characters.
// Words longer than 50 letters are left out; the words of groups after the 60th go into group 60.
GameText ParseGameText(std::string bytes);
// The words of every group, the first group's first.
std::vector<std::string> WordsOf(const GameText& text);

class strikerSourceType {
 public:
  strikerSourceType(const std::string& gameFile, Random& random, Dialogs& dialogs);

  // Reads the whole game text; throws the file's I/O error, or "File too large".
  void Load();
  // True when a word was made (it is then in Picked); false when every group is exhausted
  // or the pick failed (the failure is reported).
  bool Pick();
  std::unique_ptr<strikerType> TakePicked() { return std::move(Picked); }

  std::string GameFile;
  std::array<std::vector<std::string>, kMaxGroups + 1> Groups;
  int GroupCount = 0;
  std::array<bool, kMaxGroups + 1> Exhausted{};
  int ExhaustedCount = 0;
  int LastColumn = 0;
  int LastLength = 0;
  std::unique_ptr<strikerType> Picked;

 private:
  bool PickWord();

  Random& random_;
  Dialogs& dialogs_;
};

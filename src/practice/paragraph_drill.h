#pragma once
// The paragraph drill: a block of consecutive lines of the practice text typed as a whole,
// ten rows to a page. It paints the sample rows and the typed rows on a canvas itself, both
// one character to a cell of one pitch, so that each typed character stands under the sample
// character it answers, and times the whole block on the shared practice stopwatch. The
// window around it only routes keys and paints.
//
// Invariant while a row is typed: RowTyped[Row] holds the Column - 1 characters typed on it,
// and RowMarks[Row][k] tells whether the last character typed at k was right.
#include <QtGlobal>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "platform/canvas.h"
#include "platform/dialogs.h"
#include "platform/line_text.h"
#include "platform/random.h"
#include "practice/practice_recorder.h"
#include "practice/stopwatch.h"

inline constexpr int kPageRows = 10;
inline constexpr int kMaxRowLength = 100;  // characters a row holds at most
inline constexpr const char* kLinesPrompt =
    QT_TRANSLATE_NOOP("Practice", "How many lines you would practise:");
inline constexpr const char* kLinesDefault = "3";
inline constexpr const char* kLinesLeft = QT_TRANSLATE_N_NOOP("Practice", " lines left.");
inline constexpr const char* kRuler =
    "----+----+----+----+----+----+----+----+----+----+----+----+----+----+----+----+";

// Where the two rulers stand on the drill's surface. Sample and typed cells share their left
// edge, so that column k is one x for both.
inline constexpr int kSampleRulerLeft = 24;
inline constexpr int kSampleRulerTop = 0;
inline constexpr int kTypingRulerLeft = kSampleRulerLeft;
inline constexpr int kTypingRulerTop = 180;

// What the drill asks of the window that shows it.
class ParagraphDrillView {
 public:
  virtual ~ParagraphDrillView() = default;
  virtual void ShowStatus(const std::string& text) = 0;
  // The typing ruler: black until the first key of a drill, then lime.
  virtual void SetTypingRulerColor(Color color) = 0;
  // The canvas changed: show it.
  virtual void Refresh() = 0;
  virtual void CloseDrill() = 0;
};

// The state of a paragraph drill: its text, the block, the page, the row being typed, the
// counts and the cell metrics. The drill alone changes it; others read it through State().
struct ParagraphDrillState {
  // The font of the window: every row is written in it.
  Font TextFont;

  LineText TextLines;
  int DrillLines = 0;
  int FirstLine = 0;
  int CurrentLine = 0;
  int PageFirst = 0;
  int PageLines = 0;
  int Row = 0;
  int RowLength = 0;
  int RowWords = 0;
  int Column = 1;
  // 1-based rows and positions, as the rows are numbered on the page.
  std::array<std::array<bool, kMaxRowLength + 1>, kPageRows + 1> RowMarks{};
  std::array<std::string, kPageRows + 1> RowTyped{};
  int64_t DrillChars = 0;
  int64_t DrillWords = 0;
  int64_t DrillErrors = 0;
  int64_t DrillTime = 0;
  bool DrillStarted = false;
  bool DrillEnded = false;
  int RowHeight = 0;
  int CharWidth = 0;
  int TypingX = 0;
  int TypingY = 0;
  int SampleY = 0;
};

class ParagraphDrill : private ParagraphDrillState {
 public:
  ParagraphDrill(Dialogs& dialogs, Random& random, stopwatch& practiceStopwatch, Canvas& canvas,
                 ParagraphDrillView& view);

  // Asks the number of lines and chooses the block. Throws AppError when the answer is no
  // integer; false when there is nothing to drill (no lines, or no positive count yet).
  bool StartDrill();
  void NewPage();
  void DrawSampleLines();
  // Draws both areas anew from the page's state.
  void Paint();
  // Virtual-key code; true swallows the key.
  bool KeyDown(int vk);
  // The columns a row shows on the canvas, at most 100: longer lines are drilled as their
  // first Columns() characters, so that nothing must be typed that cannot be seen.
  int Columns() const;
  // A byte 0..255 or kUnmappableChar; a repeated key (held down) types but is not counted.
  void KeyPress(int key, bool repeated = false);
  // Finished drills and typed characters are reported to recorder from now on.
  void SetRecorder(PracticeRecorder& recorder) { recorder_ = &recorder; }
  // What screen readers read of the page: the sample row being typed and what is typed on it
  // (both empty before the first page), and where they stand.
  std::string_view SampleRow() const { return Row > 0 ? DrillLine(CurrentLine) : ""; }
  std::string_view TypedRow() const { return RowTyped[static_cast<size_t>(Row)]; }
  int SampleRowY(int row) const { return kSampleRulerTop + row * RowHeight; }
  int TypedRowY(int row) const { return kTypingRulerTop + row * RowHeight; }
  // Left edge of the cell of column k (1-based), in sample and typed rows alike.
  int CellX(int column) const { return TypingX + (column - 1) * CharWidth; }

  void SetText(LineText text) { TextLines = std::move(text); }
  // The drill's state, to be read.
  const ParagraphDrillState& State() const { return *this; }

 private:
  void NextRow();
  void RowDone();
  void ShowResult();
  void StartRule();
  // Line i of the text as drilled (at most Columns() characters); empty outside the text.
  std::string_view DrillLine(int i) const;
  // One character of a typed row in its cell, right or wrong.
  void DrawCell(int row, int column, char ch, bool right);
  void DrawRowNumber(int y, int number);
  void DrawTypedRow(int row, size_t count);

  Dialogs& dialogs_;
  Random& random_;
  stopwatch& stopwatch_;
  Canvas& canvas_;
  ParagraphDrillView& view_;
  PracticeRecorder* recorder_ = nullptr;
};

#pragma once
// TFmLinePractice: one sample line above a typing box. Every typed character is compared with
// the sample and shown navy (right) or red and underlined (wrong); the key after the last
// character ends the line, which is timed on the shared practice stopwatch and reported in
// the status bar. Derived windows supply their lines through NextLine.
//
// Invariant: RichEdit1 holds exactly the Position - 1 characters typed on the current line.
#include <QDialog>
#include <functional>
#include <array>
#include <cstdint>
#include <string>

#include "platform/window_context.h"
#include "practice/key_guides.h"
#include "practice/practice_recorder.h"
#include "practice/stopwatch.h"

class QFrame;
class QLabel;
class QStatusBar;
class LineBox;

enum class LineOutcomeKind { Completed = 0, Escaped = 1, Skipped = 2, Open = 3 };

inline constexpr int kMaxSampleLength = 100;
inline constexpr Color kRightCharColor = clNavy;
inline constexpr Color kWrongCharColor = clRed;

class TFmLinePractice : public QDialog {
 public:
  TFmLinePractice(WindowContext& context, KeyGuides& guides, stopwatch& practiceStopwatch,
                  QWidget* parent = nullptr);

  virtual void NextLine();
  int64_t GetPracticeTime() const { return PracticeTime; }
  void ShowStatistics();
  void ShowFinger(int finger);
  // Completed lines and typed characters are reported to recorder from now on, as kind.
  void SetRecorder(PracticeRecorder& recorder, PracticeKind kind);
  // Called after each completed line, once the window has moved on to the next.
  void OnLineCompleted(std::function<void()> handler);

  // Key-down with a virtual-key code; true swallows the key.
  virtual bool RichEdit1KeyDown(int vk);
  // Key-press with a byte 0..255 (or kUnmappableChar).
  void RichEdit1KeyPress(int key);

  // Controls, named as designed.
  QStatusBar* SBHelp;
  QFrame* Panel1;
  LineBox* SampleEdit;
  QLabel* LbMark;
  LineBox* RichEdit1;

  // Line state.
  std::string SampleLine;
  int LineLength = 0;
  int WordCount = 0;
  int Position = 0;
  std::array<bool, kMaxSampleLength + 1> Marks{};
  int ErrorCount = 0;
  int64_t LineTime = 0;
  int64_t PracticeTime = 0;
  LineOutcomeKind LineOutcome = LineOutcomeKind::Open;
  bool Started = false;
  bool Finished = false;

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

  // The common steps of every NextLine: the new sample shown, its length and words counted,
  // Position 1, the line's clock reset and the guides set on the first character.
  void SetUpLine(const std::string& line);
  // SampleLine shown, and the typing box's characters placed by it.
  void ShowSample();
  // The line in hand is dropped: its time is never counted and the next character typed
  // starts a fresh watch.
  void ResetLineClock();
  // The guides show the key and finger for the character at position (none when it points at
  // no character), and both boxes keep its row in view.
  void ShowNextAt(int position);
  void ShowStatus(const std::string& text);
  void ClearTyping();
  // The course line a completed line is recorded with; 0 outside the course.
  virtual int RecordedCourseLine() const { return 0; }

  WindowContext& context_;
  KeyGuides& guides_;
  stopwatch& stopwatch_;

 private:
  PracticeRecorder* recorder_ = nullptr;
  std::function<void()> lineCompleted_;
  PracticeKind recordedKind_ = PracticeKind::Sentence;

  void InsertTyped(int key, bool right);
  void DeleteLastTyped();
  // The typing box framed round the sample's size: the rows of both are one width and height,
  // so that they wrap and scroll alike and each typed character stands under its sample.
  void PlaceTypingBox();
};

// The status bar's text (for tests and the windows that set it).
std::string StatusText(const TFmLinePractice& window);

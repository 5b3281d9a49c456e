#pragma once
// TFmLinePractice: one sample line above a typing box, typed on a LineEngine. Right characters
// are shown navy, wrong ones red and underlined; a completed line is reported in the status
// bar. Derived windows supply their lines through NextLine.
//
// Invariant: RichEdit1 holds exactly the Position - 1 characters typed on the current line.
#include <QCoreApplication>
#include <QDialog>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/window_context.h"
#include "practice/key_guides.h"
#include "practice/line_engine.h"
#include "practice/practice_recorder.h"
#include "practice/stopwatch.h"

class KeyRouter;
class QFrame;
class QLabel;
class QStatusBar;
class LineBox;

inline constexpr Color kRightCharColor = clNavy;
inline constexpr Color kWrongCharColor = clRed;

class TFmLinePractice : public QDialog, private LineView {
  Q_DECLARE_TR_FUNCTIONS(TFmLinePractice)

 public:
  TFmLinePractice(WindowContext& context, KeyGuides& guides, stopwatch& practiceStopwatch,
                  QWidget* parent = nullptr);

  virtual void NextLine();
  int64_t GetPracticeTime() const { return engine_.PracticeTime(); }
  void ShowStatistics();
  // The guides shown for this window again, after another practice window hid them.
  void ResumeGuides();
  void ShowFinger(int finger);
  // Completed lines and typed characters are reported to recorder from now on, as kind.
  void SetRecorder(PracticeRecorder& recorder, PracticeKind kind);
  // Called after each line ended (completed, skipped or left), once the window has moved on
  // to the next.
  void OnLineEnded(std::function<void(LineOutcomeKind)> handler);

  // Key-down with a virtual-key code; true swallows the key.
  virtual bool RichEdit1KeyDown(int vk);
  // Key-press with a byte 0..255 (or kUnmappableChar).
  void RichEdit1KeyPress(int key);

  // The line being typed.
  const LineEngine& Line() const { return engine_; }
  // The sample and the typing box in face family at points.
  void SetLineFont(const QString& family, int points);
  // How many characters fit in a row of the sample at the window's width and the line font.
  int SampleColumns() const;
  // The window's frame on the screen, or where it stood when the window was last hidden: a
  // window manager takes the frame away from a hidden window, and what Qt then reports of the
  // frame is at times the bare window.
  QRect ShownFrame() const;

 protected:
  // Controls, named as designed.
  QStatusBar* SBHelp;
  QFrame* Panel1;
  LineBox* SampleEdit;
  QLabel* LbMark;
  // How the next character is typed with a dead key, where no key of the keyboard gives it.
  QLabel* LbDeadKey;
  LineBox* RichEdit1;

  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

  // The guides show the key and finger for the character at position (none when it points at
  // no character), and both boxes keep its row in view.
  void ShowNextAt(int position) override;
  void ShowStatus(const std::string& text);
  void ClearTyping();
  // The course line a completed line is recorded with; 0 outside the course.
  virtual int RecordedCourseLine() const { return 0; }

  WindowContext& context_;
  KeyGuides& guides_;
  LineEngine engine_;

 private:
  QRect frameAtHide_;
  std::function<void(LineOutcomeKind)> lineEnded_;
  KeyRouter* keyRouter_;

  // The sample shown, and the typing box's characters placed by it.
  void ShowSample(const std::string& line) override;
  void ShowTyped(int key, bool right) override;
  void RemoveLastTyped() override;
  void ShowClockRunning(bool running) override;
  // The typing box framed round the sample's size: the rows of both are one width and height,
  // so that they wrap and scroll alike and each typed character stands under its sample.
  void PlaceTypingBox();
};

// The status bar's text (for tests and the windows that set it).
std::string StatusText(const TFmLinePractice& window);

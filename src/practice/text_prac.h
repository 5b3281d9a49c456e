#pragma once
// TFmTextPrac, the paragraph drills window: two rulers, the drill's painted surface and a
// status bar. The window takes every key before its controls and hands it to the drill.
#include <QCoreApplication>
#include <QDialog>
#include <string>

#include "platform/window_context.h"
#include "practice/paragraph_drill.h"

class KeyRouter;
class PaintSurface;
class QLabel;
class QStatusBar;

class TFmTextPrac : public QDialog, private ParagraphDrillView {
  Q_DECLARE_TR_FUNCTIONS(TFmTextPrac)

 public:
  TFmTextPrac(WindowContext& context, stopwatch& practiceStopwatch, QWidget* parent = nullptr);

  // A bare name is looked up in the working folder.
  void SetTextFile(const std::string& name);
  // Reads the file only when a new name was set; true when it has a line (meaningless when
  // nothing was read). Throws AppError when the file cannot be read.
  bool LoadTextFile();
  // The text of the file name, read already by another window: shared, not read again.
  void ShareText(const std::string& name, const LineText& text);
  // False when there is nothing to drill: the window is then not to be shown.
  bool StartDrill() { return drill_.StartDrill(); }
  void NewPage() { drill_.NewPage(); }
  void DrawSampleLines() { drill_.DrawSampleLines(); }
  bool FormKeyDown(int vk) { return drill_.KeyDown(vk); }
  void FormKeyPress(int key);
  // Finished drills and typed characters are reported to recorder from now on.
  void SetRecorder(PracticeRecorder& recorder) { drill_.SetRecorder(recorder); }
  // The drill on the page.
  const ParagraphDrill& Drill() const { return drill_; }

 private:
  void focusInEvent(QFocusEvent* event) override;
  void ShowStatus(const std::string& text) override;
  void SetTypingRulerColor(Color color) override;
  void Refresh() override;
  void CloseDrill() override;

  std::string TextFileName;
  bool TextStale = false;

  PaintSurface* Surface;
  QLabel* Label1;
  QLabel* Label2;
  QStatusBar* StatusBar1;
  ParagraphDrill drill_;
  KeyRouter* keyRouter_;

  WindowContext& context_;
};

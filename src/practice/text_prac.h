#pragma once
// TFmTextPrac, the paragraph drills window: two rulers, the drill's painted surface and a
// status bar. The window takes every key before its controls and hands it to the drill.
#include <QDialog>
#include <string>

#include "platform/window_context.h"
#include "practice/paragraph_drill.h"

class PaintSurface;
class QLabel;
class QStatusBar;

class TFmTextPrac : public QDialog, private ParagraphDrillView {
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
  bool StartDrill() { return Drill.StartDrill(); }
  void NewPage() { Drill.NewPage(); }
  void DrawSampleLines() { Drill.DrawSampleLines(); }
  bool FormKeyDown(int vk) { return Drill.KeyDown(vk); }
  void FormKeyPress(int key) { Drill.KeyPress(key); }

  std::string TextFileName;
  bool TextStale = false;

  PaintSurface* Surface;
  QLabel* Label1;
  QLabel* Label2;
  QStatusBar* StatusBar1;
  ParagraphDrill Drill;

 private:
  void ShowStatus(const std::string& text) override;
  void SetTypingRulerColor(Color color) override;
  void Refresh() override;
  void CloseDrill() override;

  WindowContext& context_;
};

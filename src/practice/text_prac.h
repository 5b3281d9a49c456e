#pragma once
// TFmTextPrac: the paragraph drills.
#include <QDialog>
#include <string>

class TFmTextPrac : public QDialog {
 public:
  explicit TFmTextPrac(QWidget* parent = nullptr);
  void SetTextFile(const std::string& name);
  bool LoadTextFile();
  void StartDrill() {}
  void NewPage() {}
  void DrawSampleLines() {}
};

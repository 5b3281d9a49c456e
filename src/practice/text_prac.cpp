#include "practice/text_prac.h"

TFmTextPrac::TFmTextPrac(QWidget* parent) : QDialog(parent) {
  setObjectName("FmTextPrac");
  setWindowTitle("Paragraph Drills");
}

void TFmTextPrac::SetTextFile(const std::string&) {}
bool TFmTextPrac::LoadTextFile() { return false; }

#pragma once
// The program's font chooser: face, size, bold, italic, underline, strike-out and colour, all
// that a layout keeps of a font. The colour is picked from the sixteen basic colours; a font
// whose colour is none of them keeps it as a seventeenth choice.
//
// What the chooser does not change stays as it came: a face that is not installed, and the
// pixel height of a size left alone.
#include <QDialog>

#include "platform/font.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;

class FontChooser final : public QDialog {
 public:
  // Offers the sizes minSize..maxSize only.
  FontChooser(const Font& font, int minSize, int maxSize, QWidget* parent = nullptr);
  Font Chosen() const;

  QComboBox* FaceBox;
  QSpinBox* SizeBox;
  QCheckBox* BoldBox;
  QCheckBox* ItalicBox;
  QCheckBox* UnderlineBox;
  QCheckBox* StrikeOutBox;
  QComboBox* ColorBox;
  QLabel* Sample;

 private:
  void ShowSample();

  Font original_;
};

#pragma once
// The program's font chooser: face and size, and where asked for, bold, italic, underline,
// strike-out and colour, all that a layout keeps of a font. The colour is picked from the
// sixteen basic colours; a font whose colour is none of them keeps it as a seventeenth choice.
//
// What the chooser does not change stays as it came: a face that is not installed, the pixel
// height of a size left alone, and the style and colour when they are not offered.
#include <QCoreApplication>
#include <QDialog>

#include "platform/dialogs.h"
#include "platform/font.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;

class FontChooser final : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(FontChooser)

 public:
  // Offers the sizes minSize..maxSize only.
  FontChooser(const Font& font, int minSize, int maxSize, FontLooks looks,
              QWidget* parent = nullptr);
  Font Chosen() const;

  QComboBox* FaceBox;
  QSpinBox* SizeBox;
  // Null when the looks are not offered.
  QCheckBox* BoldBox = nullptr;
  QCheckBox* ItalicBox = nullptr;
  QCheckBox* UnderlineBox = nullptr;
  QCheckBox* StrikeOutBox = nullptr;
  QComboBox* ColorBox = nullptr;
  QLabel* Sample;

 private:
  void ShowSample();

  Font original_;
};

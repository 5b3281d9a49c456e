#include "platform/font_chooser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QPixmap>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/codepage.h"
#include "platform/qt_convert.h"

namespace {
struct NamedColor {
  const char* name;
  Color color;
};
// The basic colours, in the order font choosers list them.
constexpr NamedColor kBasicColors[] = {
    {QT_TRANSLATE_NOOP("FontChooser", "Black"), 0x000000},
    {QT_TRANSLATE_NOOP("FontChooser", "Maroon"), 0x000080},
    {QT_TRANSLATE_NOOP("FontChooser", "Green"), 0x008000},
    {QT_TRANSLATE_NOOP("FontChooser", "Olive"), 0x008080},
    {QT_TRANSLATE_NOOP("FontChooser", "Navy"), 0x800000},
    {QT_TRANSLATE_NOOP("FontChooser", "Purple"), 0x800080},
    {QT_TRANSLATE_NOOP("FontChooser", "Teal"), 0x808000},
    {QT_TRANSLATE_NOOP("FontChooser", "Gray"), 0x808080},
    {QT_TRANSLATE_NOOP("FontChooser", "Silver"), 0xC0C0C0},
    {QT_TRANSLATE_NOOP("FontChooser", "Red"), 0x0000FF},
    {QT_TRANSLATE_NOOP("FontChooser", "Lime"), 0x00FF00},
    {QT_TRANSLATE_NOOP("FontChooser", "Yellow"), 0x00FFFF},
    {QT_TRANSLATE_NOOP("FontChooser", "Blue"), 0xFF0000},
    {QT_TRANSLATE_NOOP("FontChooser", "Fuchsia"), 0xFF00FF},
    {QT_TRANSLATE_NOOP("FontChooser", "Aqua"), 0xFFFF00},
    {QT_TRANSLATE_NOOP("FontChooser", "White"), 0xFFFFFF},
};

QCheckBox* Check(const char* name, const QString& text, bool checked) {
  auto* box = new QCheckBox(text);
  box->setObjectName(name);
  box->setChecked(checked);
  return box;
}

// A size typed beyond the range becomes the nearest size offered ("28" gives 24), where a
// plain spin box keeps the first digit of it and the practice text turns tiny.
class SizeSpinBox final : public QSpinBox {
 protected:
  QValidator::State validate(QString& text, int& pos) const override {
    const QValidator::State state = QSpinBox::validate(text, pos);
    bool number = false;
    text.toInt(&number);
    return state == QValidator::Invalid && number ? QValidator::Intermediate : state;
  }
  void fixup(QString& text) const override {
    bool number = false;
    const int size = text.toInt(&number);
    if (number) text = QString::number(std::clamp(size, minimum(), maximum()));
  }
};

QPixmap Swatch(Color color) {
  QPixmap swatch(16, 12);
  swatch.fill(ToQColor(color));
  return swatch;
}
}  // namespace

FontChooser::FontChooser(const Font& font, int minSize, int maxSize, FontLooks looks,
                         QWidget* parent)
    : QDialog(parent), original_(font) {
  setObjectName("FontChooser");
  setWindowTitle(tr("Font"));

  FaceBox = new QComboBox;
  FaceBox->setObjectName("FaceBox");
  const QString face = BytesToQString(font.face);
  QStringList faces = QFontDatabase::families();
  if (!faces.contains(face)) faces.prepend(face);
  FaceBox->addItems(faces);
  FaceBox->setCurrentText(face);

  SizeBox = new SizeSpinBox;
  SizeBox->setObjectName("SizeBox");
  SizeBox->setRange(minSize, maxSize);
  SizeBox->setValue(font.size);

  auto* form = new QFormLayout;
  form->addRow(tr("&Font:"), FaceBox);
  form->addRow(tr("&Size:"), SizeBox);
  connect(FaceBox, &QComboBox::currentIndexChanged, this, &FontChooser::ShowSample);
  connect(SizeBox, &QSpinBox::valueChanged, this, &FontChooser::ShowSample);

  if (looks == FontLooks::StyleAndColour) {
    BoldBox = Check("BoldBox", tr("&Bold"), font.style & font_style::kBold);
    ItalicBox = Check("ItalicBox", tr("&Italic"), font.style & font_style::kItalic);
    UnderlineBox = Check("UnderlineBox", tr("&Underline"), font.style & font_style::kUnderline);
    StrikeOutBox = Check("StrikeOutBox", tr("Stri&keout"), font.style & font_style::kStrikeOut);
    for (QCheckBox* box : {BoldBox, ItalicBox, UnderlineBox, StrikeOutBox}) {
      form->addRow(box);
      connect(box, &QCheckBox::toggled, this, &FontChooser::ShowSample);
    }

    ColorBox = new QComboBox;
    ColorBox->setObjectName("ColorBox");
    for (const NamedColor& each : kBasicColors) {
      ColorBox->addItem(Swatch(each.color), tr(each.name), QVariant::fromValue(each.color));
    }
    int current = ColorBox->findData(QVariant::fromValue(font.color));
    if (current < 0) {
      ColorBox->addItem(Swatch(font.color), tr("Custom"), QVariant::fromValue(font.color));
      current = ColorBox->count() - 1;
    }
    ColorBox->setCurrentIndex(current);
    form->addRow(tr("&Color:"), ColorBox);
    connect(ColorBox, &QComboBox::currentIndexChanged, this, &FontChooser::ShowSample);
  }

  Sample = new QLabel("AaBbYyZz");
  Sample->setObjectName("Sample");
  Sample->setAlignment(Qt::AlignCenter);
  Sample->setMinimumSize(200, 60);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(Sample);
  layout->addWidget(buttons);
  ShowSample();
}

Font FontChooser::Chosen() const {
  Font font = original_;
  font.face = BytesOf(FaceBox->currentText());
  if (SizeBox->value() != original_.size) font.SetSize(SizeBox->value());
  if (ColorBox) {
    font.style = static_cast<uint8_t>((BoldBox->isChecked() ? font_style::kBold : 0) |
                                      (ItalicBox->isChecked() ? font_style::kItalic : 0) |
                                      (UnderlineBox->isChecked() ? font_style::kUnderline : 0) |
                                      (StrikeOutBox->isChecked() ? font_style::kStrikeOut : 0));
    font.color = ColorBox->currentData().value<Color>();
  }
  return font;
}

void FontChooser::ShowSample() {
  const Font font = Chosen();
  QFont shown = ToQFont(font);
  if (font.size <= 0) shown.setPointSize(ShownPoints(font.size));  // the default size
  Sample->setFont(shown);
  QPalette palette = Sample->palette();
  palette.setColor(QPalette::WindowText, ToQColor(font.color));
  Sample->setPalette(palette);
}

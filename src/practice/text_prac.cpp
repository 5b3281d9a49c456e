#include "practice/text_prac.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QStatusBar>

#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/guard.h"
#include "platform/image_canvas.h"
#include "platform/key_events.h"
#include "platform/qt_convert.h"

namespace {
constexpr int kClientWidth = 616;
constexpr int kClientHeight = 393;
constexpr int kStatusHeight = 19;

// A ruler drawn one character to a cell of the drill's pitch, so that its marks stand over
// the columns of the rows and not where the font's own advances would put them.
class RulerLabel final : public QLabel {
 public:
  RulerLabel(const char* name, int pitch, QWidget* parent) : QLabel(kRuler, parent), pitch_(pitch) {
    setObjectName(name);
  }
  QSize sizeHint() const override {
    return {static_cast<int>(text().size()) * pitch_, fontMetrics().height()};
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const int baseline = fontMetrics().ascent();
    for (qsizetype k = 0; k < text().size(); ++k) {
      painter.drawText(static_cast<int>(k) * pitch_, baseline, QString(text()[k]));
    }
  }

 private:
  int pitch_;
};

QLabel* Ruler(QWidget* parent, const char* name, int left, int top, const Font& font, int pitch) {
  auto* label = new RulerLabel(name, pitch, parent);
  label->setFont(ToQFont(font));
  label->move(left, top);
  label->adjustSize();
  return label;
}
}  // namespace

TFmTextPrac::TFmTextPrac(WindowContext& context, stopwatch& practiceStopwatch, QWidget* parent)
    : QDialog(parent),
      Surface(new PaintSurface(this)),
      Drill(context.dialogs, context.random, practiceStopwatch, Surface->canvas(), *this),
      context_(context) {
  setObjectName("FmTextPrac");
  setWindowTitle("Paragraph Drills");
  setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(kClientWidth, kClientHeight);
  setFont(ToQFont(Drill.TextFont));
  setFocusPolicy(Qt::StrongFocus);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
  context_.random.Reseed();

  Surface->setObjectName("Surface");
  Surface->background = clWhite;
  Surface->setGeometry(0, 0, kClientWidth, kClientHeight - kStatusHeight);
  // Sized now: the menu draws the first page before the window is shown.
  Surface->canvas().Resize(kClientWidth, kClientHeight - kStatusHeight, clWhite);
  Surface->onPaint = [this] { Guarded(context_.dialogs, [this] { Drill.Paint(); }); };

  Label1 =
      Ruler(this, "Label1", kSampleRulerLeft, kSampleRulerTop, Drill.TextFont, Drill.CharWidth);
  Label2 =
      Ruler(this, "Label2", kTypingRulerLeft, kTypingRulerTop, Drill.TextFont, Drill.CharWidth);
  SetTypingRulerColor(clBlack);

  StatusBar1 = new QStatusBar(this);
  StatusBar1->setObjectName("StatusBar1");
  StatusBar1->setSizeGripEnabled(false);
  StatusBar1->setGeometry(0, kClientHeight - kStatusHeight, kClientWidth, kStatusHeight);

  new KeyRouter(
      this,
      [this](int vk) {
        bool swallowed = false;
        Guarded(context_.dialogs, [&] { swallowed = FormKeyDown(vk); });
        return swallowed;
      },
      [this](int key) { Guarded(context_.dialogs, [&] { FormKeyPress(key); }); });

  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  move((screen.width() - kClientWidth) / 2, (screen.height() - kClientHeight) / 2);
}

void TFmTextPrac::SetTextFile(const std::string& name) {
  TextFileName = name;
  TextStale = true;
  Drill.TextLines.clear();
}

bool TFmTextPrac::LoadTextFile() {
  if (!TextStale) return false;
  Drill.TextLines = ReadLineText(ResolvePath(context_.workDir, TextFileName));
  TextStale = false;
  return !Drill.TextLines.empty();
}

void TFmTextPrac::ShowStatus(const std::string& text) {
  StatusBar1->showMessage(BytesToQString(text));
}

void TFmTextPrac::SetTypingRulerColor(Color color) {
  QPalette palette = Label2->palette();
  palette.setColor(QPalette::WindowText, ToQColor(color));
  Label2->setPalette(palette);
}

void TFmTextPrac::Refresh() {
  Surface->update();
}

void TFmTextPrac::CloseDrill() {
  reject();
}

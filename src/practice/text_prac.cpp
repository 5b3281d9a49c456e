#include "practice/text_prac.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>
#include <array>

#include "platform/accessible_line.h"
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

// The painted page as screen readers read it: the sample row being typed, "Sample", and what
// is typed on it, "Typing", both with the caret where the next character goes.
class AccessiblePage final : public QAccessibleWidget {
 public:
  explicit AccessiblePage(TFmTextPrac& window)
      : QAccessibleWidget(window.findChild<PaintSurface*>("Surface"), QAccessible::Document) {
    const ParagraphDrill* drill = &window.Drill();
    const auto line = [this, drill](const QString& name, QAccessible::Role role,
                                    std::string_view (ParagraphDrill::*text)() const,
                                    int (ParagraphDrill::*rowY)(int) const) {
      auto* row = new AccessibleLine(
          this, widget(), name, role,
          {[drill, text] { return BytesToQString(std::string((drill->*text)())); },
           [drill] { return static_cast<int>(drill->TypedRow().size()); },
           [drill, rowY](int k) {
             return QRect(drill->CellX(k + 1), (drill->*rowY)(drill->State().Row),
                          drill->State().CharWidth, drill->State().RowHeight);
           },
           role == QAccessible::EditableText
               ? std::function<bool()>([this] { return widget()->window()->hasFocus(); })
               : nullptr});
      QAccessible::registerAccessibleInterface(row);
      return row;
    };
    rows_ = {line("Sample", QAccessible::StaticText, &ParagraphDrill::SampleRow,
                  &ParagraphDrill::SampleRowY),
             line("Typing", QAccessible::EditableText, &ParagraphDrill::TypedRow,
                  &ParagraphDrill::TypedRowY)};
    for (size_t k = 0; k < rows_.size(); ++k) told_[k] = rows_[k]->LineText();
  }
  ~AccessiblePage() override {
    for (AccessibleLine* row : rows_) {
      QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(row));
    }
  }

  int childCount() const override { return static_cast<int>(rows_.size()); }
  QAccessibleInterface* child(int index) const override {
    return index >= 0 && index < childCount() ? rows_[static_cast<size_t>(index)] : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const auto found = std::find(rows_.begin(), rows_.end(), child);
    return found == rows_.end() ? -1 : static_cast<int>(found - rows_.begin());
  }
  QAccessibleInterface* focusChild() const override {
    return rows_[1]->state().focused ? rows_[1] : nullptr;
  }
  // The typed row takes the focus from the window, which takes the keys for it.
  void AnnounceFocus() {
    QAccessibleEvent focus(rows_[1], QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
  }

  // Tells screen readers what changed on the rows since they were last told.
  void Announce() {
    for (size_t k = 0; k < rows_.size(); ++k) {
      const QString now = rows_[k]->LineText();
      AnnounceLineChange(rows_[k], told_[k], now);
      told_[k] = now;
    }
  }

 private:
  std::array<AccessibleLine*, 2> rows_{};
  std::array<QString, 2> told_;
};

QAccessibleInterface* PageInterface(const QString&, QObject* object) {
  auto* window = object ? dynamic_cast<TFmTextPrac*>(object->parent()) : nullptr;
  return window && object == window->findChild<PaintSurface*>("Surface")
             ? new AccessiblePage(*window)
             : nullptr;
}
}  // namespace

TFmTextPrac::TFmTextPrac(WindowContext& context, stopwatch& practiceStopwatch, QWidget* parent)
    : QDialog(parent),
      Surface(new PaintSurface(this)),
      drill_(context.dialogs, context.random, practiceStopwatch, Surface->canvas(), *this),
      context_(context) {
  static const bool factoryInstalled = [] {
    QAccessible::installFactory(PageInterface);
    return true;
  }();
  (void)factoryInstalled;
  setObjectName("FmTextPrac");
  setWindowTitle(tr("Paragraph Drills"));
  setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(kClientWidth, kClientHeight);
  setFont(ToQFont(drill_.State().TextFont));
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
  Surface->onPaint = [this] { Guarded(context_.dialogs, [this] { drill_.Paint(); }); };

  Label1 = Ruler(this, "Label1", kSampleRulerLeft, kSampleRulerTop, drill_.State().TextFont,
                 drill_.State().CharWidth);
  Label2 = Ruler(this, "Label2", kTypingRulerLeft, kTypingRulerTop, drill_.State().TextFont,
                 drill_.State().CharWidth);
  SetTypingRulerColor(clBlack);

  StatusBar1 = new QStatusBar(this);
  StatusBar1->setObjectName("StatusBar1");
  StatusBar1->setSizeGripEnabled(false);
  StatusBar1->setGeometry(0, kClientHeight - kStatusHeight, kClientWidth, kStatusHeight);

  keyRouter_ = new KeyRouter(
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
  drill_.SetText({});
}

void TFmTextPrac::ShareText(const std::string& name, const LineText& text) {
  TextFileName = name;
  drill_.SetText(text);
  TextStale = false;
}

void TFmTextPrac::FormKeyPress(int key) {
  drill_.KeyPress(key, keyRouter_->Repeating());
}

bool TFmTextPrac::LoadTextFile() {
  if (!TextStale) return false;
  drill_.SetText(ReadLineText(ResolvePath(context_.workDir, TextFileName)));
  TextStale = false;
  return !drill_.State().TextLines.empty();
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
  if (QAccessible::isActive()) {
    static_cast<AccessiblePage*>(QAccessible::queryAccessibleInterface(Surface))->Announce();
  }
}

void TFmTextPrac::focusInEvent(QFocusEvent* event) {
  QDialog::focusInEvent(event);
  // After the window's own focus news, which follows this event.
  QTimer::singleShot(0, this, [this] {
    if (QAccessible::isActive() && hasFocus()) {
      static_cast<AccessiblePage*>(QAccessible::queryAccessibleInterface(Surface))->AnnounceFocus();
    }
  });
}

void TFmTextPrac::CloseDrill() {
  reject();
}

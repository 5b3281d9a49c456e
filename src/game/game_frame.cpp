#include "game/game_frame.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "platform/codepage.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/guard.h"
#include "platform/image_canvas.h"
#include "platform/key_events.h"
#include "platform/qt_convert.h"
#include "platform/qt_dialogs.h"
#include "platform/translation.h"

namespace {
constexpr int kClientWidth = 600;
constexpr int kClientHeight = 400;
constexpr int kStatusHeight = 16;
}  // namespace

TgameFrame::TgameFrame(WindowContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
  setObjectName("gameFrame");
  setWindowTitle(tr("Game"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  QFont font(kGameFontFace);
  font.setPixelSize(11);  // 8 points
  setFont(font);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::black);
  setPalette(palette);
  setFixedSize(kClientWidth, kClientHeight);
  setFocusPolicy(Qt::StrongFocus);

  LbStatus = new QLabel(tr("Score"), this);
  LbStatus->setObjectName("LbStatus");
  LbStatus->setGeometry(0, 0, kClientWidth, kStatusHeight);
  QFont statusFont(QString::fromUtf8("\xE5\xAE\x8B\xE4\xBD\x93"));  // the system's Song face
  statusFont.setPixelSize(12);                                      // 9 points
  LbStatus->setFont(statusFont);
  LbStatus->setAutoFillBackground(true);
  QPalette statusPalette = LbStatus->palette();
  statusPalette.setColor(QPalette::Window, statusPalette.color(QPalette::Button));
  statusPalette.setColor(QPalette::WindowText, ToQColor(clNavy));
  LbStatus->setPalette(statusPalette);

  PaintBox1 = new PaintSurface(this);
  PaintBox1->setObjectName("PaintBox1");
  PaintBox1->setGeometry(0, kStatusHeight, kClientWidth, kClientHeight - kStatusHeight);
  PaintBox1->canvas().Resize(PaintBox1->width(), PaintBox1->height(), clBlack);
  PaintBox1->background = clBlack;
  PaintBox1->onPaint = [this] { Guarded(context_.dialogs, [this] { Repaint(); }); };
  // A pass's drawing reaches the screen in the same hand-off that ran it.
  dispatcher_.afterCalls = [this] { PaintBox1->ShowDrawnNow(); };

  // Key preview: every key press of the window reaches FormKeyPress, Esc included.
  new KeyRouter(
      this, [](int) { return false; },
      [this](int key) { Guarded(context_.dialogs, [&] { FormKeyPress(key); }); });

  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  move(screen.x() + (screen.width() - kClientWidth) / 2,
       screen.y() + (screen.height() - kClientHeight) / 2);
}

TgameFrame::~TgameFrame() {
  StopGame();
}

void TgameFrame::StartGame() {
  // A game still running here is stopped before the new one takes the playfield.
  StopGame();
  Game.reset();
  PaintBox1->Invalidate();
  Game = std::make_unique<threadType>(
      GameServices{context_.clock, context_.random, context_.dialogs, dispatcher_},
      ResolvePath(context_.workDir, GameTextFile),
      [this](const std::string& text) { LbStatus->setText(BytesToQString(text)); },
      PaintBox1->canvas());
  if (recorder_) Game->SetRecorder(*recorder_);
  // A difficulty that is no number is reported here, before the focus is taken: Esc then
  // leaves the unstarted game, where it would have closed the main menu.
  bool asked = false;
  {
    // Over the game, as the game asks: a box of the main menu would bring the menu up over
    // the playfield.
    const DialogOwner owner(this);
    Guarded(context_.dialogs, [&] {
      AskDifficulty();
      asked = true;
    });
  }
  // The box leaves the focus with the window it came from; the game is what was asked for.
  raise();
  activateWindow();
  if (asked) Game->Resume();
}

void TgameFrame::AskDifficulty() {
  const int d = StrToInt(context_.dialogs.InputBox(Translated("Dialogs", kInputBoxCaption),
                                                   Translated("Game", kDifficultyPrompt),
                                                   kDefaultDifficulty));
  Game->SetDifficulty(d >= 1 && d <= 10 ? d : 3);
}

void TgameFrame::FormKeyPress(int key) {
  if (key != VK_ESCAPE) {
    if (Game) Game->PutKey(key);
    return;
  }
  if (!Game || Game->Terminated()) {
    close();
    return;
  }
  Game->Suspend();
  const MessageAnswer answer = context_.dialogs.Message(
      MessageKind::Confirmation, MessageButtons::YesNo, Translated("Game", kExitQuestion));
  if (answer == MessageAnswer::Yes) {
    Game->Terminate();
    close();
  } else {
    Game->Resume();
  }
}

void TgameFrame::FormClose() {
  if (!Game) return;
  Game->Suspend();
  Game->Terminate();
  Game->Stop();
}

void TgameFrame::StopGame() {
  if (!Game) return;
  Game->Terminate();
  Game->Stop();
}

void TgameFrame::closeEvent(QCloseEvent* event) {
  Guarded(context_.dialogs, [this] { FormClose(); });
  QDialog::closeEvent(event);
}

void TgameFrame::Repaint() {
  ImageCanvas& canvas = PaintBox1->canvas();
  canvas.SetBrushColor(clBlack);
  canvas.FillRect(0, 0, canvas.Width(), canvas.Height());
  if (Game) Game->Redraw();
}

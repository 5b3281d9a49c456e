#pragma once
// TgameFrame: the window in which the typing game is played. It holds the game text's name
// and the current game, asks for the difficulty, hands key presses to the game, lets the
// learner leave with Esc and redraws the playfield when it is repainted.
//
// The window owns its game. A game that ended keeps its final playfield until the next
// start; a game that is left, replaced or outlived by the window has its worker stopped and
// joined first.
#include <QCoreApplication>
#include <QDialog>
#include <QtGlobal>
#include <memory>
#include <string>

#include "game/game_thread.h"
#include "game/window_dispatcher.h"
#include "platform/window_context.h"

class QLabel;
class PaintSurface;

inline constexpr const char* kDifficultyPrompt =
    QT_TRANSLATE_NOOP("Game", "Input the difficulty (1-10).");
inline constexpr const char* kDefaultDifficulty = "3";
inline constexpr const char* kExitQuestion = QT_TRANSLATE_NOOP("Game", "Do you want to exit?");

class TgameFrame : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(TgameFrame)

 public:
  explicit TgameFrame(WindowContext& context, QWidget* parent = nullptr);
  ~TgameFrame() override;

  void SetTextFile(const std::string& name) { GameTextFile = name; }
  // Starts a new game (the caller shows the window first). Errors reach the caller: a
  // missing game text leaves no game; a difficulty that is no number leaves the new game
  // unstarted.
  void StartGame();
  void AskDifficulty();
  void FormKeyPress(int key);
  void FormClose();
  // Ends the worker of a running game (at program end, before the windows go).
  void StopGame();
  // Every game from now on reports its results to recorder.
  void SetRecorder(GameRecorder& recorder) { recorder_ = &recorder; }

  const std::string& TextFile() const { return GameTextFile; }
  // The current game, or none before the first start and after a start that found no text.
  threadType* CurrentGame() const { return Game.get(); }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  std::string GameTextFile = "qzgame.txt";
  WindowContext& context_;
  // Declared before Game: the game's worker posts to it until the game is stopped.
  WindowThreadDispatcher dispatcher_;
  GameRecorder* recorder_ = nullptr;
  std::unique_ptr<threadType> Game;

  void Repaint();

  QLabel* LbStatus;
  PaintSurface* PaintBox1;
};

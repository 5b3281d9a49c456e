#include "game/game_frame.h"

TgameFrame::TgameFrame(QWidget* parent) : QDialog(parent) {
  setObjectName("gameFrame");
  setWindowTitle("Game");
}

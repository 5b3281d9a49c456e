#pragma once
// TgameFrame: the window in which the typing game is played.
#include <QDialog>
#include <string>

class TgameFrame : public QDialog {
 public:
  explicit TgameFrame(QWidget* parent = nullptr);
  void SetTextFile(const std::string& name) { GameTextFile = name; }
  void StartGame() {}
  std::string GameTextFile = "qzgame.txt";
};

#pragma once
// TButtonMenu: the main menu, one column of ten buttons. Closing it reports the practice
// time and ends the program.
#include <QCoreApplication>
#include <QDialog>
#include <functional>

class QPushButton;

struct MenuActions {
  std::function<void()> course, sentenceDrills, freeDrills, paragraphDrills, game, options, help;
  std::function<void()> progress, adaptiveDrills;
  // Runs when the menu closes, before the program ends.
  std::function<void()> closing;
};

class TButtonMenu : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(TButtonMenu)

 public:
  explicit TButtonMenu(QWidget* parent = nullptr);
  MenuActions actions;
  // Wraps each handler in the general error report.
  std::function<void(const std::function<void()>&)> guard;
  // "&Game" is offered only where the learner's settings enable the game.
  void EnableGame(bool enabled);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;  // F1: Help
  void reject() override;

 private:
  QPushButton* Button1;
  QPushButton* Button2;
  QPushButton* Button3;
  QPushButton* Button4;
  QPushButton* Button5;
  QPushButton* Button6;
  QPushButton* Button7;
  QPushButton* Button8;
  QPushButton* Button9;   // "P&rogress", between "&Options" and "&Help"
  QPushButton* Button10;  // "&Adaptive Drills", after "&Paragraph Drills"

  void Run(const std::function<void()>& action);
  bool closing_ = false;
};

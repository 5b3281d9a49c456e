#include "shell/main_menu.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

#include "platform/colors.h"
#include "platform/form_controls.h"
#include "platform/qt_convert.h"
#include "shell/session_end.h"

namespace {
// One button pitch: the Adaptive Drills button pushes the buttons below it down by one, the
// Progress button pushes Help and Exit down by another, and the window's bottom by both.
constexpr int kPitch = 37;
}  // namespace

TButtonMenu::TButtonMenu(QWidget* parent) : QDialog(parent) {
  setObjectName("ButtonMenu");
  setWindowTitle("QZ Typing Tutor");
  setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(198, 311 + 2 * kPitch);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, ToQColor(clMenuGreen));
  setPalette(palette);
  const QFont font = PixelFont("Times New Roman", 24);

  struct ButtonPlace {
    QPushButton** button;
    const char* name;
    const char* caption;
    int y;
    std::function<void()> MenuActions::*action;
  };
  const ButtonPlace places[] = {
      {&Button1, "Button1", QT_TR_NOOP("&Course"), 9, &MenuActions::course},
      {&Button3, "Button3", QT_TR_NOOP("&Sentence Drills"), 46, &MenuActions::sentenceDrills},
      {&Button2, "Button2", QT_TR_NOOP("&Free Drills"), 84, &MenuActions::freeDrills},
      {&Button4, "Button4", QT_TR_NOOP("&Paragraph Drills"), 121, &MenuActions::paragraphDrills},
      {&Button10, "Button10", QT_TR_NOOP("&Adaptive Drills"), 158, &MenuActions::adaptiveDrills},
      {&Button5, "Button5", QT_TR_NOOP("&Game"), 158 + kPitch, &MenuActions::game},
      {&Button6, "Button6", QT_TR_NOOP("&Options"), 195 + kPitch, &MenuActions::options},
      {&Button9, "Button9", QT_TR_NOOP("P&rogress"), 233 + kPitch, &MenuActions::progress},
      {&Button8, "Button8", QT_TR_NOOP("&Help"), 233 + 2 * kPitch, &MenuActions::help},
      {&Button7, "Button7", QT_TR_NOOP("&Exit"), 270 + 2 * kPitch, nullptr},
  };
  for (const ButtonPlace& place : places) {
    QPushButton* button = Button(place.name, tr(place.caption), this, QRect(8, place.y, 181, 32));
    button->setFont(font);
    *place.button = button;
    if (place.action) {
      auto member = place.action;
      connect(button, &QPushButton::clicked, this, [this, member] { Run(actions.*member); });
    }
  }
  connect(Button7, &QPushButton::clicked, this, [this] { close(); });
  // The window is centred on the screen by the window system on first show.
}

void TButtonMenu::Run(const std::function<void()>& action) {
  if (!action) return;
  if (guard) {
    guard(action);
  } else {
    action();
  }
}

void TButtonMenu::reject() {
  close();
}  // Esc: Button7 is the cancel button

void TButtonMenu::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::HelpContents)) {
    Button8->click();
  } else {
    QDialog::keyPressEvent(event);
  }
}

void TButtonMenu::closeEvent(QCloseEvent* event) {
  if (!closing_) {
    closing_ = true;
    Run(actions.closing);
  }
  event->accept();
  LeaveEventLoops();  // quit() would close every window once more
}

void TButtonMenu::EnableGame(bool enabled) {
  Button5->setEnabled(enabled);
}

#pragma once
// The keyboard and the two hand windows as the line practice windows drive them: shown below
// the practice window with blinking switched on, the next key lit, its finger lit.
//
// Where the window system lets a program neither place its windows nor keep the keyboard from
// them (Wayland), the guides are popups while the practice window is open: the keyboard of the
// practice window, the hands of the keyboard, each touching its parent, since a compositor may
// close a popup that stands apart (GNOME's does). A popup is placed relative to its parent and
// never takes the keyboard. Closed, they are tool windows again, as the layout designer shows
// them.
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <array>

#include "keyboard/palm.h"
#include "keyboard/vkeyboard.h"
#include "practice/key_guides.h"

// Where the guides stand under a window's frame: the keyboard boardGap px below it, centred,
// the hands handGap px left and right of the keyboard's frame.
struct GuidePlaces {
  QPoint keyboard, left, right;
};
GuidePlaces GuidesUnder(const QRect& window, const QRect& keyboard, int leftWidth, int boardGap,
                        int handGap);

class GuideWindows final : public QObject, public KeyGuides {
 public:
  GuideWindows(TVKeyboard& keyboard, TPalmForm& left, TPalmForm& right, bool popups = false);
  void ShowBelow(QWidget& practiceWindow) override;
  void HideGuides() override;
  int ShowNextKey(char ch) override;
  std::string DeadKeyStrokesFor(char ch) const override;
  void ClearNextKey() override;
  void LightFinger(Hand hand, int finger) override;
  void ClearFinger(Hand hand) override;

 protected:
  // The guides follow the practice window when it moves or is resized.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowGuides();
  // As popups, once the practice window has been drawn: a compositor maps a popup only over a
  // parent it has mapped.
  void ShowPopupsAfterPaint();
  // GuidesUnder the practice window, 15 and 5 px apart (as popups, no gaps). Only windows not
  // yet at their place are moved.
  void Place();
  // Places the guides again for a while: a window manager frames a window only after it is
  // mapped, and until then a move aims at a frame of the wrong size.
  void Settle();
  std::array<QWidget*, 3> Guides() { return {&keyboard_, &left_, &right_}; }
  TPalmForm& HandWindow(Hand hand);

  TVKeyboard& keyboard_;
  TPalmForm& left_;
  TPalmForm& right_;
  const bool popups_;
  std::array<Qt::WindowFlags, 3> toolFlags_;
  bool awaitingPaint_ = false;
  QPointer<QWidget> practice_;
  QTimer settle_;
  int settleTicks_ = 0;
};

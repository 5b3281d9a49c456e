#include "platform/key_events.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextEdit>
#include <QTimer>

#include "support/input_method.h"

namespace {
struct KeyRouterTest : ::testing::Test {
  QTextEdit box;
  std::vector<int> pressed;

  KeyRouterTest() {
    new KeyRouter(
        &box, [](int) { return false; }, [this](int key) { pressed.push_back(key); });
  }
};
}  // namespace

TEST_F(KeyRouterTest, InputMethodCommitsArriveAsTypedCharacters) {
  CommitText(&box, "", QString::fromUtf8("\xC2\xB4"));  // a dead key waits: nothing yet
  CommitText(&box, QString::fromUtf8("\xC3\xA9"));
  CommitText(&box, "ab");
  CommitText(&box, QString(QChar(0x015D)));  // no byte of the code page holds it
  EXPECT_EQ(pressed, (std::vector<int>{0xE9, 'a', 'b', kUnmappableChar}));
  EXPECT_EQ(box.toPlainText(), "");  // only the window puts characters into the box

  // A window that takes keys itself asks for input methods too, or dead keys never compose.
  QWidget window;
  new KeyRouter(
      &window, [](int) { return false; }, [](int) {});
  QInputMethodQueryEvent query(Qt::ImEnabled);
  QApplication::sendEvent(&window, &query);
  EXPECT_TRUE(query.value(Qt::ImEnabled).toBool());
}

// X sends a held key's repeat as a release and a press at one moment, which Qt may not mark.
TEST_F(KeyRouterTest, AKeyHeldDownIsToldAsRepeating) {
  QWidget window;
  std::vector<bool> repeating;
  KeyRouter* router = nullptr;
  router = new KeyRouter(
      &window, [](int) { return false; }, [&](int) { repeating.push_back(router->Repeating()); });
  using Key = std::pair<QEvent::Type, int>;
  for (const auto& [type, time] :
       {Key{QEvent::KeyRelease, 9}, Key{QEvent::KeyPress, 9}, Key{QEvent::KeyPress, 99}}) {
    QKeyEvent key(type, Qt::Key_L, Qt::NoModifier, 46, 0, 0, "l");
    key.setTimestamp(time);
    QApplication::sendEvent(&window, &key);
  }
  EXPECT_EQ(repeating, (std::vector<bool>{true, false}));
}

TEST_F(KeyRouterTest, AnAltChordIsNotTypedButAltGrIs) {
  QKeyEvent alt(QEvent::KeyPress, Qt::Key_X, Qt::AltModifier, "x");
  QKeyEvent altGr(QEvent::KeyPress, Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier, "@");
  for (QKeyEvent* key : {&alt, &altGr}) QApplication::sendEvent(&box, key);
  EXPECT_EQ(pressed, std::vector<int>{'@'});
}

TEST_F(KeyRouterTest, NothingIsDroppedOrPastedIntoTheBox) {
  box.show();
  QWidget* viewport = box.viewport();
  const QPointF at = viewport->rect().center();
  QMimeData data;
  data.setText("pasted");
  QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(viewport, &enter);
  EXPECT_FALSE(enter.isAccepted());
  QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(viewport, &drop);
  EXPECT_EQ(box.toPlainText(), "");

  // The context menu (with its Paste) does not open.
  bool menuShown = false;
  QTimer::singleShot(0, [&] {
    if (QWidget* menu = QApplication::activePopupWidget()) {
      menuShown = true;
      menu->close();
    }
  });
  QContextMenuEvent menu(QContextMenuEvent::Mouse, at.toPoint(),
                         viewport->mapToGlobal(at.toPoint()));
  QApplication::sendEvent(viewport, &menu);
  QApplication::processEvents();
  EXPECT_FALSE(menuShown);
  EXPECT_TRUE(pressed.empty());
}

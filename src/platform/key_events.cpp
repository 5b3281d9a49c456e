#include "platform/key_events.h"

#include <QKeyEvent>

#include "platform/codepage.h"

int VirtualKeyOf(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Tab: return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_Delete: return VK_DELETE;
    default:
      if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return qtKey;  // same codes
      if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return qtKey;
      return 0;
  }
}

KeyRouter::KeyRouter(QObject* watched, std::function<bool(int)> keyDown,
                     std::function<void(int)> keyPress)
    : QObject(watched), keyDown_(std::move(keyDown)), keyPress_(std::move(keyPress)) {
  watched->installEventFilter(this);
}

bool KeyRouter::eventFilter(QObject*, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    // Keep Esc, Tab and Enter for the typing box: dialogs must not act on them.
    event->accept();
    return false;
  }
  if (event->type() != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  const int vk = VirtualKeyOf(key->key());
  if (vk != 0 && keyDown_ && keyDown_(vk)) return true;
  int code = -1;
  switch (vk) {
    case VK_BACK: code = 8; break;
    case VK_TAB: code = 9; break;
    case VK_RETURN: code = 13; break;
    case VK_ESCAPE: code = 27; break;
    default: {
      const QString text = key->text();
      if (text.isEmpty()) break;
      const QChar ch = text.front();
      if (ch.unicode() < 32 && ch.unicode() != 9) break;  // Ctrl combinations
      const auto byte = CharToByte(ch);
      code = byte ? *byte : kUnmappableChar;
    }
  }
  if (code >= 0 && keyPress_) keyPress_(code);
  return true;  // the window, not the toolkit, decides what the box shows
}

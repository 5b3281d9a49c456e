#include "platform/key_events.h"

#include <QAbstractScrollArea>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <utility>

#include "platform/codepage.h"

namespace {
constexpr std::pair<int, int> kVirtualKeys[] = {
    {Qt::Key_Backspace, VK_BACK}, {Qt::Key_Tab, VK_TAB},       {Qt::Key_Return, VK_RETURN},
    {Qt::Key_Enter, VK_RETURN},   {Qt::Key_Escape, VK_ESCAPE}, {Qt::Key_Space, VK_SPACE},
    {Qt::Key_End, VK_END},        {Qt::Key_Home, VK_HOME},     {Qt::Key_Left, VK_LEFT},
    {Qt::Key_Up, VK_UP},          {Qt::Key_Right, VK_RIGHT},   {Qt::Key_Down, VK_DOWN},
    {Qt::Key_Insert, VK_INSERT},  {Qt::Key_Delete, VK_DELETE},
};
}  // namespace

int VirtualKeyOf(int qtKey) {
  for (const auto& [qt, vk] : kVirtualKeys) {
    if (qt == qtKey) return vk;
  }
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return qtKey;  // same codes
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return qtKey;
  return 0;
}

KeyRouter::KeyRouter(QWidget* watched, std::function<bool(int)> keyDown,
                     std::function<void(int)> keyPress)
    : QObject(watched), keyDown_(std::move(keyDown)), keyPress_(std::move(keyPress)) {
  // Input methods (the compose table of dead keys among them) only talk to widgets that ask
  // for them; without this a dead key and a letter would arrive as the bare letter.
  watched->setAttribute(Qt::WA_InputMethodEnabled);
  watched->setAcceptDrops(false);
  watched->setContextMenuPolicy(Qt::NoContextMenu);
  watched->installEventFilter(this);
  // A text box takes mouse and drop events on its viewport.
  if (auto* area = qobject_cast<QAbstractScrollArea*>(watched)) {
    area->viewport()->setAcceptDrops(false);
    area->viewport()->installEventFilter(this);
  }
}

void KeyRouter::PressCharacters(const QString& text) {
  for (const QChar ch : text) {
    if (ch.unicode() < 32 && ch.unicode() != 9) continue;  // Ctrl combinations
    const auto byte = CharToByte(ch);
    if (keyPress_) keyPress_(byte ? *byte : kUnmappableChar);
  }
}

bool KeyRouter::eventFilter(QObject*, QEvent* event) {
  switch (event->type()) {
    case QEvent::ShortcutOverride:
      // Keep Esc, Tab and Enter for the typing box: dialogs must not act on them.
      event->accept();
      return false;
    case QEvent::InputMethod:
      // A composed character counts as typed; a composition in progress shows nothing.
      PressCharacters(static_cast<QInputMethodEvent*>(event)->commitString());
      return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
      return static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton;  // paste
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::ContextMenu:
      event->ignore();
      return true;
    case QEvent::KeyRelease: {
      const auto* release = static_cast<QKeyEvent*>(event);
      lastRelease_ = {release->nativeScanCode(), release->timestamp()};
      return false;
    }
    case QEvent::KeyPress:
      break;
    default:
      return false;
  }
  auto* key = static_cast<QKeyEvent*>(event);
  // X sends a held key's repeats as a release and a press at the same moment; Qt marks them
  // only when it finds both queued together.
  repeating_ =
      key->isAutoRepeat() || (key->nativeScanCode() != 0 &&
                              lastRelease_ == std::pair{key->nativeScanCode(), key->timestamp()});
  const int vk = VirtualKeyOf(key->key());
  if (vk != 0 && keyDown_ && keyDown_(vk)) return true;
  switch (vk) {
    case VK_BACK:
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE:
      if (keyPress_) keyPress_(vk);  // the same codes as their characters
      break;
    default:
      // Alt with a key is a command, never text; AltGr, which some systems report as Ctrl+Alt,
      // still types.
      if ((key->modifiers() & Qt::AltModifier) && !(key->modifiers() & Qt::ControlModifier)) break;
      PressCharacters(key->text());
  }
  repeating_ = false;
  return true;  // the window, not the toolkit, decides what the box shows
}

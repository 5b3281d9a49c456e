#include "platform/accessible_line.h"

#include <QWidget>

void AccessibleLineText::selection(int, int* startOffset, int* endOffset) const {
  *startOffset = 0;
  *endOffset = 0;
}

QString AccessibleLineText::text(int startOffset, int endOffset) const {
  const QString line = LineText();
  if (startOffset < 0 || endOffset < startOffset || endOffset > line.size()) return {};
  return line.mid(startOffset, endOffset - startOffset);
}

QRect AccessibleLineText::characterRect(int offset) const {
  if (offset < 0 || offset > LineText().size()) return {};
  return CharacterPlace(offset);
}

int AccessibleLineText::offsetAtPoint(const QPoint& point) const {
  const int count = characterCount();
  for (int i = 0; i < count; ++i) {
    if (CharacterPlace(i).contains(point)) return i;
  }
  return -1;
}

QString AccessibleLineText::attributes(int offset, int* startOffset, int* endOffset) const {
  *startOffset = offset;
  *endOffset = offset;
  return {};
}

AccessibleLine::AccessibleLine(QAccessibleInterface* parent, QWidget* widget, const QString& name,
                               QAccessible::Role role, Source source)
    : parent_(parent), widget_(widget), name_(name), role_(role), source_(std::move(source)) {}

QRect AccessibleLine::CharacterPlace(int offset) const {
  const QRect place = source_.place(offset);
  return QRect(widget_->mapToGlobal(place.topLeft()), place.size());
}

QString AccessibleLine::text(QAccessible::Text t) const {
  switch (t) {
    case QAccessible::Name:
      return name_;
    case QAccessible::Value:
      return LineText();
    default:
      return {};
  }
}

QRect AccessibleLine::rect() const {
  const int count = characterCount();
  QRect box = CharacterPlace(0);
  if (count > 1) box |= CharacterPlace(count - 1);
  return box;
}

QAccessible::State AccessibleLine::state() const {
  QAccessible::State state;
  state.editable = role_ == QAccessible::EditableText;
  state.readOnly = !state.editable;
  state.focusable = static_cast<bool>(source_.focused);
  state.focused = state.focusable && source_.focused();
  return state;
}

void* AccessibleLine::interface_cast(QAccessible::InterfaceType type) {
  return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                            : nullptr;
}

void AnnounceLineChange(QAccessibleInterface* line, const QString& before, const QString& now) {
  if (!line || before == now) return;
  if (now.size() > before.size() && now.startsWith(before)) {
    QAccessibleTextInsertEvent inserted(line, static_cast<int>(before.size()),
                                        now.mid(before.size()));
    QAccessible::updateAccessibility(&inserted);
  } else if (now.size() < before.size() && before.startsWith(now)) {
    QAccessibleTextRemoveEvent removed(line, static_cast<int>(now.size()),
                                       before.mid(now.size()));
    QAccessible::updateAccessibility(&removed);
  } else {
    QAccessibleTextUpdateEvent replaced(line, 0, before, now);
    QAccessible::updateAccessibility(&replaced);
  }
}

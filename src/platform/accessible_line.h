#pragma once
// What screen readers read of a line of text that the program draws itself: its characters,
// the caret, and where each character stands on the screen. A self-drawn line has no
// selection, and nothing can be changed through it.
#include <QAccessibleInterface>
#include <QAccessibleWidget>
#include <QString>
#include <functional>

class AccessibleLineText : public QAccessibleTextInterface {
 public:
  virtual QString LineText() const = 0;
  virtual int Caret() const = 0;
  // Character offset's box on the screen.
  virtual QRect CharacterPlace(int offset) const = 0;

  void selection(int, int* startOffset, int* endOffset) const override;
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return Caret(); }
  void setCursorPosition(int) override {}
  QString text(int startOffset, int endOffset) const override;
  int characterCount() const override { return static_cast<int>(LineText().size()); }
  QRect characterRect(int offset) const override;
  int offsetAtPoint(const QPoint& point) const override;
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* startOffset, int* endOffset) const override;
};

// A line within a self-drawn widget that has no widget of its own, such as a row of a painted
// page: a child of the widget's own interface.
class AccessibleLine final : public QAccessibleInterface, public AccessibleLineText {
 public:
  struct Source {
    std::function<QString()> text;
    std::function<int()> caret;
    std::function<QRect(int)> place;  // in the widget's coordinates
    std::function<bool()> focused;    // where the keys go; none: never
  };
  AccessibleLine(QAccessibleInterface* parent, QWidget* widget, const QString& name,
                 QAccessible::Role role, Source source);

  QString LineText() const override { return source_.text(); }
  int Caret() const override { return source_.caret(); }
  QRect CharacterPlace(int offset) const override;

  bool isValid() const override { return widget_ != nullptr; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return parent_->window(); }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override { return parent_; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override { return role_; }
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  using AccessibleLineText::text;

 private:
  QAccessibleInterface* parent_;
  QWidget* widget_;
  QString name_;
  QAccessible::Role role_;
  Source source_;
};

// Tells screen readers how a line's text changed from before to now: characters added at its
// end, taken from its end, or the line replaced. Nothing when it stayed.
void AnnounceLineChange(QAccessibleInterface* line, const QString& before, const QString& now);

#pragma once
// Small builders for the controls that the windows place at fixed positions.
#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QValidator>

// A label at (x, y); with a buddy, its accelerator moves the focus there.
QLabel* Caption(const QString& text, QWidget* parent, int x, int y, QWidget* buddy = nullptr);
// A push button with its design name. Enter or Space presses it while it has the focus; it is
// never pressed by Enter in another control: Enter in a text box must not press whichever
// button was used last.
QPushButton* Button(const char* name, const QString& text, QWidget* parent, const QRect& place,
                    const QString& hint = {});
// Where a window of the wanted size goes at its first showing (for setGeometry): made no
// larger than the free area of its screen, centred on it, with room for the frame that the
// window manager adds (none to a frameless window).
QRect FittingScreen(const QWidget& window, QSize wanted);

// Texts are single bytes: a box with this validator takes only what the code page can hold, and
// of a pasted text the characters it can.
class CodePageValidator final : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& position) const override;
};

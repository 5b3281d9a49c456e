#pragma once
// THelpWindow: the help shown by the program itself, where no application of the desktop
// shows the help file. Text is selectable and links open in the desktop's browser.
#include <QCoreApplication>
#include <QDialog>

class QTextBrowser;

class THelpWindow : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(THelpWindow)

 public:
  explicit THelpWindow(QWidget* parent = nullptr);
  void ShowDocument(const QString& html);

 protected:
  // Ctrl+Home and Ctrl+End, which the help's read-only text leaves alone.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QTextBrowser* HelpBrowser;
};

#include "shell/help_window.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "platform/form_controls.h"

THelpWindow::THelpWindow(QWidget* parent) : QDialog(parent) {
  setObjectName("HelpWindow");
  setWindowTitle(tr("Help"));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  HelpBrowser = new QTextBrowser(this);
  HelpBrowser->setObjectName("HelpBrowser");
  HelpBrowser->setOpenExternalLinks(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(HelpBrowser);
  setGeometry(FittingScreen(*this, QSize(640, 600)));
}

void THelpWindow::keyPressEvent(QKeyEvent* event) {
  QScrollBar* bar = HelpBrowser->verticalScrollBar();
  if (event->matches(QKeySequence::MoveToStartOfDocument)) {
    bar->triggerAction(QAbstractSlider::SliderToMinimum);
  } else if (event->matches(QKeySequence::MoveToEndOfDocument)) {
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
  } else {
    QDialog::keyPressEvent(event);
  }
}

void THelpWindow::ShowDocument(const QString& html) {
  HelpBrowser->setHtml(html);
}

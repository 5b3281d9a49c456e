#include "shell/about_box.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

#include "platform/codepage.h"
#include "platform/colors.h"
#include "platform/form_controls.h"
#include "platform/qt_convert.h"

namespace {
QPixmap ProgramIcon() {
  QPixmap icon(41, 41);
  icon.fill(ToQColor(clMenuGreen));
  QPainter painter(&icon);
  painter.setPen(Qt::black);
  painter.setBrush(Qt::white);
  painter.drawRoundedRect(1, 8, 38, 24, 3, 3);
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 5; ++col) painter.drawRect(4 + col * 7 + row * 2, 11 + row * 6, 4, 4);
  }
  return icon;
}

// A link that the keyboard follows too: Tab stops on it, Enter or Space follows it.
class LinkLabel : public QLabel {
 public:
  explicit LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setFocusPolicy(Qt::TabFocus);  // a click leaves the focus where Enter means OK
    setStyleSheet(
        "QLabel { color: blue; text-decoration: underline;"
        " border: 1px dotted transparent; padding: 0 1px; }"
        "QLabel:focus { border-color: blue; }");
    setCursor(Qt::PointingHandCursor);
  }
  std::function<void()> onClick;

 protected:
  void mouseReleaseEvent(QMouseEvent*) override {
    if (onClick) onClick();
  }
  void keyPressEvent(QKeyEvent* event) override {
    const int key = event->key();
    if (onClick && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
      onClick();
    } else {
      QLabel::keyPressEvent(event);
    }
  }
};
}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName("AboutBox");
  setWindowTitle(tr("About"));
  setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
  setFixedSize(299, 258);
  // Placed by the program, not left to the window manager: Qt then knows where the panel
  // stands, drops the learner list down under its box and shows the panel there again.
  setGeometry(FittingScreen(*this, size()));
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, ToQColor(clMenuGreen));
  setPalette(palette);

  auto* upper = new QFrame(this);
  upper->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  upper->setGeometry(8, 8, 283, 161);
  auto* icon = new QLabel(upper);
  icon->setObjectName("ProgramIcon");
  icon->setPixmap(ProgramIcon());
  icon->setGeometry(8, 8, 41, 41);
  auto* title = new QLabel("QZ Typing Tutor", upper);
  title->setObjectName("ProductName");
  title->setFont(PixelFont("Times New Roman", 24, true));
  title->setGeometry(64, 14, 210, 30);
  auto* version = new QLabel(tr("Version 3.2  Beta\nA tutor for touch typing"), upper);
  version->setObjectName("Version");
  version->setGeometry(64, 56, 210, 40);
  auto* lower = new QFrame(this);
  lower->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  lower->setGeometry(8, 176, 283, 40);
  auto* learner = new QLabel(tr("Learner"), lower);
  learner->setGeometry(8, 10, 60, 20);
  UsersComboBox = new QComboBox(lower);
  UsersComboBox->setObjectName("UsersComboBox");
  UsersComboBox->setEditable(false);
  UsersComboBox->setToolTip(tr("Select one or go to the Options page to create a new one"));
  UsersComboBox->setGeometry(72, 8, 200, 24);
  learner->setBuddy(UsersComboBox);  // a screen reader names the picker by its label

  OKButton = new QPushButton(tr("&OK"), this);
  OKButton->setObjectName("OKButton");
  OKButton->setDefault(true);
  OKButton->setGeometry(112, 224, 75, 26);
  connect(OKButton, &QPushButton::clicked, this, [this] {
    closingByOk_ = true;
    accept();
    closingByOk_ = false;
  });

  // Made last: the panel opens on the learner picker, and Tab reaches the link after OK.
  auto* web = new LinkLabel(*kProjectAddress ? QString(kProjectAddress) : tr("Help"), upper);
  WebLabel = web;
  WebLabel->setObjectName("WebLabel");
  WebLabel->setGeometry(8, 120, std::min(267, WebLabel->sizeHint().width()), 20);
  web->onClick = [this] {
    if (openDocument) openDocument(kProjectAddress);
  };
}

void TAboutBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) return;  // no cancel button: only OK leaves the panel
  QDialog::keyPressEvent(event);
}

void TAboutBox::closeEvent(QCloseEvent* event) {
  if (closingByOk_) {
    event->accept();
  } else {
    event->ignore();
  }
}

void TAboutBox::OfferLearners(const std::vector<std::string>& names, int selected) {
  UsersComboBox->clear();
  for (const std::string& name : names) UsersComboBox->addItem(BytesToQString(name));
  UsersComboBox->setCurrentIndex(selected);
}

std::string TAboutBox::PickedLearner() const {
  return BytesOf(UsersComboBox->currentText());
}

#include "platform/qt_dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <iostream>

#include "platform/codepage.h"
#include "platform/font_chooser.h"
#include "platform/form_controls.h"
#include "platform/qt_convert.h"

namespace {
QPointer<QWidget> owner;

QWidget* Owner() {
  return owner ? owner.data() : QApplication::activeWindow();
}

std::string ToBytes(const QString& text) {
  std::string bytes;
  for (QChar ch : text) bytes.push_back(static_cast<char>(CharToByte(ch).value_or('?')));
  return bytes;
}
}  // namespace

DialogOwner::DialogOwner(QWidget* window) : before_(owner) {
  owner = window;
}

DialogOwner::~DialogOwner() {
  owner = before_;
}

QString QtFilterFromPipes(const std::string& filter) {
  const QString text = QString::fromStdString(filter);
  return text.section('|', 0, 0);
}

MessageAnswer QtDialogs::Message(MessageKind kind, MessageButtons buttons,
                                 const std::string& text) {
  if (!asking_) {
    // Nobody is left to read it: an error goes to standard error and the exit status.
    if (kind == MessageKind::Error) {
      std::cerr << TerminalText(text) << std::endl;
      errorsUnread_ = true;
    }
    if (buttons == MessageButtons::RetryCancel) return MessageAnswer::Cancel;
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
  }
  QMessageBox box(Owner());
  box.setWindowTitle(QApplication::applicationDisplayName());
  box.setText(BytesToQString(text));
  switch (kind) {
    case MessageKind::Information:
      box.setIcon(QMessageBox::Information);
      break;
    case MessageKind::Warning:
      box.setIcon(QMessageBox::Warning);
      break;
    case MessageKind::Confirmation:
      box.setIcon(QMessageBox::Question);
      break;
    case MessageKind::Error:
      box.setIcon(QMessageBox::Critical);
      break;
  }
  if (buttons == MessageButtons::RetryCancel) {
    box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Retry);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Retry ? MessageAnswer::Retry : MessageAnswer::Cancel;
  }
  if (buttons != MessageButtons::Ok) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(buttons == MessageButtons::YesNo ? QMessageBox::Yes : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
  }
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
  return MessageAnswer::Ok;
}

std::string QtDialogs::InputBox(const std::string& caption, const std::string& prompt,
                                const std::string& defaultText) {
  if (!asking_) return defaultText;
  QInputDialog box(Owner());
  box.setWindowTitle(BytesToQString(caption));
  box.setLabelText(BytesToQString(prompt));
  box.setTextValue(BytesToQString(defaultText));
  // A character the code page cannot hold is not taken, rather than turned into "?".
  if (auto* edit = box.findChild<QLineEdit*>()) edit->setValidator(new CodePageValidator(edit));
  return box.exec() == QDialog::Accepted ? ToBytes(box.textValue()) : defaultText;
}

bool QtDialogs::ChooseFont(Font& font, int minSize, int maxSize, FontLooks looks) {
  FontChooser chooser(font, minSize, maxSize, looks, Owner());
  if (chooser.exec() != QDialog::Accepted) return false;
  font = chooser.Chosen();
  return true;
}

bool QtDialogs::ChooseColor(Color& color) {
  const QColor chosen = QColorDialog::getColor(ToQColor(color), Owner());
  if (!chosen.isValid()) return false;
  color = FromQColor(chosen);
  return true;
}

bool QtDialogs::ChooseOpenFile(const std::string& filter, std::string& path) {
  const QString chosen =
      QFileDialog::getOpenFileName(Owner(), QString(), QString(), QtFilterFromPipes(filter));
  if (chosen.isEmpty()) return false;
  path = chosen.toStdString();
  return true;
}

bool QtDialogs::ChooseSaveFile(const std::string& filter, const std::string& defaultExtension,
                               std::string& path) {
  QFileDialog dialog(Owner());
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilter(QtFilterFromPipes(filter));
  dialog.setDefaultSuffix(QString::fromStdString(defaultExtension));
  dialog.setOption(QFileDialog::ReadOnly, false);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  path = dialog.selectedFiles().front().toStdString();
  return true;
}

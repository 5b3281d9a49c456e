#pragma once
// TAboutBox: the start-up panel, about panel and learner picker. It is left only through OK.
#include <QCoreApplication>
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;

class TAboutBox : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(TAboutBox)

 public:
  explicit TAboutBox(QWidget* parent = nullptr);
  // The shell "open" of the web address; set by the program.
  std::function<void(const std::string&)> openDocument;
  // The learners offered in the picker, selected picked.
  void OfferLearners(const std::vector<std::string>& names, int selected);
  std::string PickedLearner() const;

  // Once it is left: its window, and the picture kept of it, go (it is shown once a run).
  void ReleaseWindow() {
    if (!isVisible()) destroy();
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QLabel* WebLabel;
  QComboBox* UsersComboBox;
  QPushButton* OKButton;
  bool closingByOk_ = false;
};

// The project's web address, set when the program is built; without one the link opens the
// help.
inline constexpr const char* kProjectAddress = QZ_PROJECT_ADDRESS;

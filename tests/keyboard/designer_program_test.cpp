// The designer in the running program: refreshed by every layout the Options window loads,
// opened behind the password, and what it saves registered and loaded at once.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <filesystem>
#include <functional>

#include "keyboard/layout_file.h"
#include "shell/program.h"
#include "support/controls.h"
#include "support/test_context.h"

namespace fs = std::filesystem;

namespace {
const std::string kDataDir = std::string(QZ_SOURCE_DIR) + "/data";

struct DesignerInProgram : ::testing::Test {
  TestContext t;
  std::vector<std::string> modal;
  std::string password;
  std::function<void(TDefineQZ&)> designing;
  WindowContext context{t.dialogs,
                        [this](QDialog& dialog) {
                          modal.push_back(dialog.objectName().toStdString());
                          if (auto* gate = dynamic_cast<TPasswordDlg*>(&dialog)) {
                            Control<QLineEdit>(*gate, "Password")
                                ->setText(QString::fromStdString(password));
                          }
                          if (auto* designer = dynamic_cast<TDefineQZ*>(&dialog)) {
                            designer->show();
                            if (designing) designing(*designer);
                          }
                        },
                        t.clock,
                        t.random,
                        t.shell,
                        t.dir.path()};
  std::unique_ptr<TutorProgram> program;

  void SetUp() override {
    t.random.thenAlways = 0;  // which line the sentence drills show first does not matter
    for (const auto& entry : fs::directory_iterator(kDataDir)) {
      fs::copy_file(entry.path(), t.dir.File(entry.path().filename()));
    }
    program = std::make_unique<TutorProgram>(context);
    program->StartUp();
  }
  void TearDown() override {
    program->ShutDown();
    program.reset();
  }
  QListWidgetItem* Listed(const QString& name) {
    const auto found =
        Control<QListWidget>(*program->FmOption, "FileListBox2")->findItems(name, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.front();
  }
};
}  // namespace

TEST_F(DesignerInProgram, StartUpLeavesTheDesignerShowingTheLoadedLayout) {
  TDefineQZ& designer = *program->DefineQZ;
  EXPECT_EQ(program->Layout.KeyCount, 48);
  EXPECT_EQ(Control<SpinEdit>(designer, "SpinEdit40")->maximum(), 49);
  EXPECT_EQ(Control<SpinEdit>(designer, "SpinEdit40")->value(), 48);
  EXPECT_TRUE(designer.Defined(48));
  EXPECT_EQ(Control<SpinEdit>(designer, "SpinEdit22")->value(), 52);
  EXPECT_TRUE(t.dialogs.messages.empty()) << t.dialogs.Texts()[0];
}

TEST_F(DesignerInProgram, ASavedLayoutCanBeRegisteredAndLoadedAtOnce) {
  TFmOption& options = *program->FmOption;
  options.move(100, 80);
  password = "wrong";
  Control<QPushButton>(options, "BnAdvancedFunctions")->click();
  EXPECT_EQ(modal, (std::vector<std::string>{"AboutBox", "PasswordDlg"}));

  password = "";
  designing = [&](TDefineQZ& designer) {
    EXPECT_EQ(designer.pos(), QPoint(140, 100));
    Control<SpinEdit>(designer, "SpinEdit11")->Editor()->setText("40");
    t.dialogs.files.push_back(t.dir.File("wide.key"));
    Control<QPushButton>(designer, "Button5")->click();
    Control<QPushButton>(designer, "Button10")->click();
  };
  Control<QPushButton>(options, "BnAdvancedFunctions")->click();
  EXPECT_EQ(modal.back(), "DefineQZ");
  EXPECT_FALSE(program->DefineQZ->isVisible());
  QListWidgetItem* saved = Listed("wide.key");
  ASSERT_NE(saved, nullptr);

  Control<QLineEdit>(options, "EdLayoutName")->setText("Wide");
  saved->setSelected(true);
  Control<QPushButton>(options, "BnRegister")->click();
  Control<QPushButton>(options, "BnSave")->click();
  EXPECT_EQ(program->Layout.KeyWidth, 40);
  EXPECT_EQ(program->VKeyboard->Key(1).width, 40);
  EXPECT_EQ(Control<SpinEdit>(*program->DefineQZ, "SpinEdit11")->value(), 40);
  EXPECT_TRUE(t.dialogs.messages.empty()) << t.dialogs.Texts()[0];
}

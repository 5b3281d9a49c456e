// Runs every test with a QApplication on the headless platform.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  app.setQuitOnLastWindowClosed(false);
  return RUN_ALL_TESTS();
}

#include "platform/document_shell.h"

#include <gtest/gtest.h>

#include <QtGlobal>
#include <filesystem>

#include "support/temp_dir.h"

namespace {
// A desktop of its own, with no application installed: the XDG folders point into a
// temporary folder for the test's length.
struct IsolatedDesktop {
  TempDir root;
  TempDir work;
  std::vector<QUrl> launched;
  DesktopShell shell{work.path(), [this](const QUrl& url) {
                       launched.push_back(url);
                       return true;
                     }};
  const char* kVariables[4] = {"XDG_DATA_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_HOME",
                               "XDG_CONFIG_DIRS"};
  QByteArray saved[4];

  IsolatedDesktop() {
    for (int i = 0; i < 4; ++i) {
      saved[i] = qgetenv(kVariables[i]);
      const std::string folder = root.File(kVariables[i]);
      std::filesystem::create_directories(folder + "/applications");
      qputenv(kVariables[i], QByteArray::fromStdString(folder));
    }
    // The types of files are still those the system knows.
    std::filesystem::create_directory_symlink("/usr/share/mime", root.File("XDG_DATA_DIRS/mime"));
    work.Write("qzhelp.chm", "ITSF");
    work.Write("qzhelp.rtf", "{\\rtf1 help}");
  }
  ~IsolatedDesktop() {
    for (int i = 0; i < 4; ++i) qputenv(kVariables[i], saved[i]);
  }
  void InstallApplication(const std::string& id, const std::string& types) {
    root.Write("XDG_DATA_DIRS/applications/" + id,
               "[Desktop Entry]\nType=Application\nExec=viewer %f\nMimeType=" + types + "\n");
  }
  void WriteMimeApps(const std::string& text) { root.Write("XDG_CONFIG_HOME/mimeapps.list", text); }
};
}  // namespace

TEST(DesktopShell, AFileIsOpenedOnlyWhenAnInstalledApplicationTakesItsType) {
  IsolatedDesktop desktop;
  EXPECT_FALSE(desktop.shell.Open("qzhelp.chm"));
  EXPECT_FALSE(desktop.shell.Open("qzhelp.rtf"));
  EXPECT_TRUE(desktop.launched.empty());

  // A plain-text editor would show the markup.
  desktop.InstallApplication("editor.desktop", "text/plain;");
  EXPECT_FALSE(desktop.shell.Open("qzhelp.rtf"));
  desktop.InstallApplication("writer.desktop", "text/rtf;");  // an alias
  EXPECT_TRUE(desktop.shell.Open("QZHELP.RTF"));
  EXPECT_FALSE(desktop.shell.Open("qzhelp.chm"));
  ASSERT_EQ(desktop.launched.size(), 1u);
  EXPECT_EQ(desktop.launched[0].toLocalFile().toStdString(), desktop.work.File("qzhelp.rtf"));

  desktop.InstallApplication("chm-viewer.desktop", "application/x-chm;");
  EXPECT_TRUE(desktop.shell.Open("qzhelp.chm"));
  desktop.WriteMimeApps("[Removed Associations]\napplication/x-chm=chm-viewer.desktop;\n");
  EXPECT_FALSE(desktop.shell.Open("qzhelp.chm"));
  desktop.WriteMimeApps("[Added Associations]\napplication/vnd.ms-htmlhelp=editor.desktop;\n");
  EXPECT_TRUE(desktop.shell.Open("qzhelp.chm"));
  desktop.WriteMimeApps("[Default Applications]\napplication/vnd.ms-htmlhelp=gone.desktop;\n");
  std::filesystem::remove(desktop.root.File("XDG_DATA_DIRS/applications/chm-viewer.desktop"));
  EXPECT_FALSE(desktop.shell.Open("qzhelp.chm"));  // the default is not installed

  EXPECT_FALSE(desktop.shell.Open("missing.rtf"));
  EXPECT_TRUE(desktop.shell.Open("https://example.org/"));
  EXPECT_EQ(desktop.launched.back(), QUrl("https://example.org/"));
}

#pragma once
// Which of Qt's window-system platforms the program asks for. The guide windows are placed
// beside the practice window and must never take the keyboard; a native Wayland client can
// do neither, so X11 (Xwayland on a Wayland desktop) comes first wherever an X display is
// named, with Wayland as the fallback when that display cannot be reached. On Wayland alone
// the guides become popups of the practice window: the compositor places them where the
// program asks and never gives them the keyboard.
#include <optional>
#include <string>
#include <string_view>

// The value for QT_QPA_PLATFORM, or nothing to leave Qt's choice: one the environment set is
// kept. Arguments are the environment's values, null when unset.
std::optional<std::string> PlatformToChoose(const char* chosen, const char* xDisplay);

// Whether there is a display to show windows on: a platform the environment chose, or an X or
// Wayland display named. Without one Qt would abort with advice to reinstall.
bool DisplayNamed(const char* chosen, const char* xDisplay, const char* waylandDisplay);

// Whether the guide windows are shown as popups of the practice window, by Qt's platform name.
bool GuidesArePopups(std::string_view platformName);

#include "platform/platform_choice.h"

std::optional<std::string> PlatformToChoose(const char* chosen, const char* xDisplay) {
  if ((chosen && *chosen) || !xDisplay || !*xDisplay) return std::nullopt;
  return "xcb;wayland";
}

bool DisplayNamed(const char* chosen, const char* xDisplay, const char* waylandDisplay) {
  const auto named = [](const char* value) { return value && *value; };
  return named(chosen) || named(xDisplay) || named(waylandDisplay);
}

bool GuidesArePopups(std::string_view platformName) {
  return platformName.starts_with("wayland");
}

#include "platform/platform_choice.h"

std::optional<std::string> PlatformToChoose(const char* chosen, const char* xDisplay) {
  if ((chosen && *chosen) || !xDisplay || !*xDisplay) return std::nullopt;
  return "xcb;wayland";
}

bool GuidesArePopups(std::string_view platformName) {
  return platformName.starts_with("wayland");
}

#include "platform/platform_choice.h"

std::optional<std::string> PlatformToChoose(const char* chosen, const char* xDisplay) {
  if ((chosen && *chosen) || !xDisplay || !*xDisplay) return std::nullopt;
  return "xcb;wayland";
}

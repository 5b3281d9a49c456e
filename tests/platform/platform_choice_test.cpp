#include "platform/platform_choice.h"

#include <gtest/gtest.h>

TEST(PlatformChoice, X11WhereADisplayIsNamedUnlessTheEnvironmentChose) {
  EXPECT_EQ(PlatformToChoose(nullptr, ":0"), "xcb;wayland");
  EXPECT_EQ(PlatformToChoose("", ":0"), "xcb;wayland");
  EXPECT_EQ(PlatformToChoose("wayland", ":0"), std::nullopt);   // the learner's own choice
  EXPECT_EQ(PlatformToChoose(nullptr, nullptr), std::nullopt);  // Wayland only: Qt's own
  EXPECT_EQ(PlatformToChoose(nullptr, ""), std::nullopt);
  EXPECT_FALSE(DisplayNamed(nullptr, "", nullptr));  // nothing to show windows on
  EXPECT_TRUE(DisplayNamed(nullptr, nullptr, "wayland-0"));
}

TEST(PlatformChoice, GuidesArePopupsOnWaylandOnly) {
  EXPECT_TRUE(GuidesArePopups("wayland"));
  EXPECT_TRUE(GuidesArePopups("wayland-egl"));
  EXPECT_FALSE(GuidesArePopups("xcb"));
  EXPECT_FALSE(GuidesArePopups("offscreen"));
}

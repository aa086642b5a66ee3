#include "widgets/window_placement.h"

#include <gtest/gtest.h>

namespace lumina {
namespace {

TEST(KeepOnDesktop, LeavesAReachableTitleBarAndNoMoreThanTheDesktop) {
    const QRect desktop(0, 0, 1920, 1200);
    const struct {
        const char* what;
        QRect stored;
        QRect placed;
    } cases[] = {
        {"on the desktop", {30, 40, 1100, 700}, {30, 40, 1100, 700}},
        {"partly off the top-left", {-40, -15, 1100, 700}, {-40, -15, 1100, 700}},
        {"larger than the desktop", {0, 0, 20000, 20000}, {0, 0, 1920, 1200}},
        {"far off the top-left", {-5000, -5000, 640, 480}, {64 - 640, -16, 640, 480}},
        {"far off the bottom-right", {5000, 5000, 640, 480}, {1920 - 64, 1200 - 8, 640, 480}},
        {"narrower than the reach", {-100, 0, 20, 300}, {0, 0, 20, 300}},
        {"no size", {-100, -100, 0, 0}, {0, -16, 0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(KeepOnDesktop(c.stored, desktop), c.placed) << c.what;
}

TEST(KeepOnDesktop, FollowsADesktopThatDoesNotStartAtZero) {
    // A second screen left of the first, a panel along the top.
    const QRect desktop(-1280, 30, 3200, 1170);
    EXPECT_EQ(KeepOnDesktop({-5000, 0, 800, 600}, desktop), QRect(-1280 + 64 - 800, 14, 800, 600));
    EXPECT_EQ(KeepOnDesktop({-1000, 500, 800, 600}, desktop), QRect(-1000, 500, 800, 600));
    EXPECT_EQ(KeepOnDesktop({10, 10, 800, 600}, QRect()), QRect(10, 10, 800, 600))
        << "without a screen nothing is known";
}

} // namespace
} // namespace lumina

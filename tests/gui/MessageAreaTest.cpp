#include "gui/MessageArea.h"

#include <gtest/gtest.h>

TEST(MessageArea, OneMessagePerOwnerReplacedByTheNext) {
    MessageArea area;
    int a = 0, b = 0;
    area.setMessage(&a, L"Connection lost.", MessageArea::WARNING, 5000, 1000);
    area.setMessage(&b, L"GPS ok", MessageArea::NORMAL, -1, 1000);
    area.setMessage(&a, L"Connected.", MessageArea::NOTICE, 5000, 1200);
    EXPECT_EQ(area.size(), 2u);
    EXPECT_EQ(area.getText(&a), L"Connected.");
    area.removeMessage(&b);
    EXPECT_EQ(area.getText(&b), L"");
    EXPECT_EQ(area.size(), 1u);
}

TEST(MessageArea, MessagesExpireAfterTheirDurationButNotBefore) {
    MessageArea area;
    int a = 0, forever = 0;
    area.setMessage(&a, L"x", MessageArea::NORMAL, 3000, 10000);
    area.setMessage(&forever, L"y", MessageArea::NORMAL, -1, 10000);
    EXPECT_EQ(area.expire(12999), 2u);
    EXPECT_EQ(area.expire(13000), 1u);
    EXPECT_EQ(area.getText(&forever), L"y");
    EXPECT_EQ(area.expire(4000000000u), 1u);
}

TEST(MessageArea, ExpiryWorksAcrossTheWrapOfTheMillisecondClock) {
    MessageArea area;
    int a = 0;
    area.setMessage(&a, L"x", MessageArea::NORMAL, 100, 0xFFFFFFF0u);
    EXPECT_EQ(area.expire(0xFFFFFFFFu), 1u);
    EXPECT_EQ(area.expire(0x40u), 1u);   // 0x50 ms after setting: still shown
    EXPECT_EQ(area.expire(0x54u), 0u);   // 100 ms after setting
}

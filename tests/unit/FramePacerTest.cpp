// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <vector>

#include "canvas/FramePacer.h"
#include "support/ManualFrameClock.h"

using namespace std::chrono_literals;

namespace {

constexpr std::chrono::nanoseconds kFrame = 16'666'667ns;

QRect spot(int i)
{
    return QRect(10 * i, 20 * i, 5, 5);
}

class FramePacerTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        auto owned = std::make_unique<ManualFrameClock>();
        clock = owned.get();
        pacer.setClock(std::move(owned));
        pacer.setFrameInterval(kFrame);
    }

    std::vector<QRegion> paints;
    FramePacer pacer{[this](const QRegion& r) { paints.push_back(r); }};
    ManualFrameClock* clock = nullptr;
};

} // namespace

TEST_F(FramePacerTest, TenMovesInsideOneFrameGiveOneRepaintAFrameAfterTheFirstCoveringThemAll)
{
    pacer.changed(spot(20));
    QRegion moved;
    for (int i = 0; i < 10; ++i) {
        clock->advance(kFrame / 11);
        pacer.moved(spot(i));
        moved += spot(i);
    }
    EXPECT_EQ(paints.size(), 1u) << "a move inside the frame was painted at once";
    clock->advance(kFrame - 9 * (kFrame / 11) - 1ns);
    EXPECT_EQ(paints.size(), 1u) << "painted before the first move had waited a frame";
    clock->advance(1ns);
    ASSERT_EQ(paints.size(), 2u) << "the first move waited longer than a frame";
    EXPECT_EQ(paints[1], moved);
}

TEST_F(FramePacerTest, AMoveAFrameAfterTheLastPaintIsPaintedAtOnceWithWhatWaits)
{
    pacer.moved(spot(0));
    ASSERT_EQ(paints.size(), 1u) << "the first move waited";
    clock->advance(kFrame / 2);
    pacer.moved(spot(1));
    clock->advance(kFrame - kFrame / 2);
    pacer.moved(spot(2));
    ASSERT_EQ(paints.size(), 2u);
    EXPECT_EQ(paints[1], QRegion(spot(1)) + spot(2));
    EXPECT_FALSE(clock->wake().has_value()) << "a wake-up is left for nothing";
    clock->advance(kFrame);
    EXPECT_EQ(paints.size(), 2u);
}

TEST_F(FramePacerTest, AReleasePaintsAtOnceWithWhatTheMovesLeftWaiting)
{
    pacer.moved(spot(0));
    clock->advance(kFrame / 4);
    pacer.moved(spot(1));
    ASSERT_EQ(paints.size(), 1u);
    pacer.changed(spot(2));
    ASSERT_EQ(paints.size(), 2u);
    EXPECT_EQ(paints[1], QRegion(spot(1)) + spot(2));
    clock->advance(kFrame);
    EXPECT_EQ(paints.size(), 2u) << "the frame's end painted again";
}

TEST(FrameInterval, FollowsTheScreenAndIs60HzWhenTheScreenDoesNotSay)
{
    const std::pair<double, std::chrono::nanoseconds> cases[] = {
        {60, 16'666'667ns}, {144, 6'944'444ns}, {0, 16'666'667ns}, {-1, 16'666'667ns}};
    for (auto [hertz, interval] : cases)
        EXPECT_EQ(FramePacer::intervalFor(hertz), interval) << hertz;
}

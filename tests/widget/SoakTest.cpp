// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cstdio>

#include "app/MainWindow.h"
#include "support/ScriptedServices.h"
#include "widget/SoakDriver.h"

// A long run of random events through every handler of the real window.
// LIENZO_SOAK_SEED replays a run; LIENZO_SOAK_EVENTS sets its length.
namespace {

constexpr std::uint32_t kDefaultSeed = 20240611;
constexpr long kDefaultEvents = 100000;

long environmentNumber(const char* name, long fallback)
{
    bool ok = false;
    const long value = qEnvironmentVariable(name).toLong(&ok);
    return ok ? value : fallback;
}

} // namespace

TEST(Soak, RandomEventsKeepThePageAndTheCanvasTogether)
{
    const auto seed = std::uint32_t(environmentNumber("LIENZO_SOAK_SEED", kDefaultSeed));
    const long events = environmentNumber("LIENZO_SOAK_EVENTS", kDefaultEvents);
    std::printf("soak: seed %u, %ld events (LIENZO_SOAK_SEED, LIENZO_SOAK_EVENTS)\n", seed, events);
    std::fflush(stdout);

    ScriptedServices services;
    MainWindow window{QSizeF(12000, 9000), 15.0};
    window.setPlatformServices(&services);
    window.show();
    Soak soak(window, services, seed);
    soak.run(events);
    EXPECT_GE(soak.events(), events);
    // A run that never finds the page comparable with the canvas would prove
    // nothing about keeping them together.
    EXPECT_GE(soak.compared(), soak.events() / 1000) << "the page was compared with the canvas too seldom";
    EXPECT_EQ(services.endRequests, 0);
    EXPECT_TRUE(window.isVisible());
}

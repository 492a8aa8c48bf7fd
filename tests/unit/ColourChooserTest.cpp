// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <array>

#include "core/EditorState.h"
#include "canvas/Surface.h"
#include "files/ColourChooser.h"
#include "support/ScriptedServices.h"

namespace {

struct Parts
{
    std::int32_t red = -1;
    std::int32_t green = -1;
    std::int32_t blue = -1;
    bool operator==(const Parts&) const = default;
};

Parts split(std::int32_t colour)
{
    Parts parts;
    splitColour(colour, parts.red, parts.green, parts.blue);
    return parts;
}

class ColourChooser : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        for (Surface& page : pages)
            page.setFillColor(kBlack);
        canvas.setFillColor(kBlack);
    }

    void choose() { chooseColour(state, canvas, pages[state.currentPage], services); }

    EditorState state;
    Surface canvas{QSize(40, 30)};
    std::array<Surface, 10> pages;
    ScriptedServices services;
};

} // namespace

TEST(SplitColour, WhiteAndBlueSplitIntoTheirParts)
{
    EXPECT_EQ(split(0xFFFFFF), (Parts{255, 255, 255}));
    EXPECT_EQ(split(0xFF0000), (Parts{0, 0, 255}));
    EXPECT_EQ(split(0x0000FF), (Parts{255, 0, 0}));
    EXPECT_EQ(split(0x123456), (Parts{0x56, 0x34, 0x12}));
}

TEST(SplitColour, DivisionsTruncateTowardZero)
{
    // -1 / 256 and -1 / 65536 are 0 when truncating; a shift would give 255.
    EXPECT_EQ(split(-1), (Parts{255, 0, 0}));
    // -65536 / 256 = -256, whose low byte is 0; -65536 / 65536 = -1, low byte 255.
    EXPECT_EQ(split(-65536), (Parts{0, 0, 255}));
}

TEST_F(ColourChooser, TheDialogStartsAtTheCurrentDrawingColour)
{
    state.colourRed = 10;
    state.colourGreen = 20;
    state.colourBlue = 30;
    services.colourAnswer.reset();
    choose();
    ASSERT_EQ(services.colourDialogs.size(), 1u);
    EXPECT_EQ(services.colourDialogs[0], 0x1E140Au);
}

TEST_F(ColourChooser, ConfirmingWithoutChangeStillSetsTheFillColours)
{
    state.colourRed = 0;
    state.colourGreen = 128;
    state.colourBlue = 255;
    services.colourAnswer = 0xFF8000;
    choose();
    EXPECT_EQ(canvas.fillColor(), 0xFF8000u);
    EXPECT_EQ(pages[0].fillColor(), 0xFF8000u);
    EXPECT_EQ(state.colourRed, 0);
    EXPECT_EQ(state.colourGreen, 128);
    EXPECT_EQ(state.colourBlue, 255);
}

TEST_F(ColourChooser, WhiteBecomesTheDrawingColourOfEveryTool)
{
    services.colourAnswer = 0xFFFFFF;
    choose();
    EXPECT_EQ(state.colourRed, 255);
    EXPECT_EQ(state.colourGreen, 255);
    EXPECT_EQ(state.colourBlue, 255);
    EXPECT_EQ(state.colour(), 0xFFFFFFu);
    EXPECT_EQ(canvas.fillColor(), 0xFFFFFFu);
}

TEST_F(ColourChooser, BlueGivesZeroZeroTwoHundredFiftyFive)
{
    state.colourRed = 200;
    state.colourGreen = 100;
    services.colourAnswer = 0xFF0000;
    choose();
    EXPECT_EQ(state.colourRed, 0);
    EXPECT_EQ(state.colourGreen, 0);
    EXPECT_EQ(state.colourBlue, 255);
    EXPECT_EQ(canvas.fillColor(), 0xFF0000u);
    EXPECT_EQ(pages[0].fillColor(), 0xFF0000u);
}

TEST_F(ColourChooser, CancelChangesNothing)
{
    state.colourRed = 1;
    state.colourGreen = 2;
    state.colourBlue = 3;
    services.colourAnswer.reset();
    choose();
    EXPECT_EQ(services.colourDialogs.size(), 1u);
    EXPECT_EQ(state.colourRed, 1);
    EXPECT_EQ(state.colourGreen, 2);
    EXPECT_EQ(state.colourBlue, 3);
    EXPECT_EQ(canvas.fillColor(), kBlack);
    for (const Surface& page : pages)
        EXPECT_EQ(page.fillColor(), kBlack);
}

TEST_F(ColourChooser, OnlyTheCurrentPageTakesTheFillColour)
{
    state.currentPage = 1;
    services.colourAnswer = 0x00FF00;
    choose();
    EXPECT_EQ(pages[1].fillColor(), 0x00FF00u);
    for (int i = 0; i < 10; ++i) {
        if (i != 1) {
            EXPECT_EQ(pages[size_t(i)].fillColor(), kBlack) << "page " << i;
        }
    }
}

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <vector>

#include "canvas/Surface.h"
#include "core/EditorState.h"
#include "pages/History.h"
#include "support/SurfaceCompare.h"

namespace {

QPointF px(int x, int y)
{
    return QPointF(x * 15.0, y * 15.0);
}

// Figure k (from 1) is a filled 11 x 11 box at x = 30k, each in its own colour.
Colour colourOf(int k)
{
    return packColour(20 * k, 100, 200 - 20 * k);
}

void drawFigure(Surface& s, int k)
{
    s.filledBox(px(30 * k, 100), px(30 * k + 10, 110), colourOf(k));
}

// The figures of 1..8 that an image shows, found by looking at each box's centre.
std::vector<int> figuresIn(const QImage& image)
{
    std::vector<int> shown;
    for (int k = 1; k <= 8; ++k)
        if (pixelAt(image, 30 * k + 5, 105) == colourOf(k))
            shown.push_back(k);
    return shown;
}

std::vector<int> figures(std::initializer_list<int> ks)
{
    return std::vector<int>(ks);
}

class HistoryTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        canvas.setAutoRedraw(true);
        for (Surface& page : pages) {
            page = Surface(QSize(320, 240));
            page.setShown(false);
            page.setAutoRedraw(true);
        }
    }

    Surface& page() { return pages[state.currentPage]; }

    // What a release does: record the page, then draw the figure on the
    // canvas and the page.
    void release(int k)
    {
        recordHistory(state, rings, page());
        drawFigure(canvas, k);
        drawFigure(page(), k);
    }

    void switchTo(int p)
    {
        state.currentPage = std::uint8_t(p);
        canvas.setPicture(page().image());
    }

    // One undo step; returns the figures the page shows afterwards, having
    // checked that the canvas shows exactly the same.
    std::vector<int> undo()
    {
        undoStep(state, rings, canvas, page());
        EXPECT_EQ(firstDifference(canvas.persistentImage(), page().persistentImage()), QPoint(-1, -1))
            << "canvas and page differ after an undo";
        EXPECT_EQ(firstDifference(canvas.screen(), page().persistentImage()), QPoint(-1, -1));
        return figuresIn(page().persistentImage());
    }

    EditorState state;
    std::array<HistoryRing, 10> rings;
    Surface canvas{QSize(320, 240)};
    std::array<Surface, 10> pages;
};

} // namespace

TEST(HistorySlots, StepForwardAndBackWrappingAtTheEnds)
{
    EXPECT_EQ(nextHistorySlot(0), 1);
    EXPECT_EQ(nextHistorySlot(5), 6);
    EXPECT_EQ(nextHistorySlot(6), 0);
    EXPECT_EQ(previousHistorySlot(6), 5);
    EXPECT_EQ(previousHistorySlot(1), 0);
    EXPECT_EQ(previousHistorySlot(0), 6);
}

TEST_F(HistoryTest, ReleasesMoveThePositionRoundTheRing)
{
    for (int k = 1; k <= 8; ++k)
        release(k);
    EXPECT_EQ(state.historyPosition[0], 1); // eight steps round a ring of seven
    EXPECT_TRUE(state.historyFresh);
    // Slot 0 was written twice: last with the page before the 8th figure.
    EXPECT_EQ(figuresIn(rings[0].slot[0].toImage()), figures({1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(figuresIn(rings[0].slot[1].toImage()), figures({1}));
    EXPECT_EQ(figuresIn(rings[0].slot[6].toImage()), figures({1, 2, 3, 4, 5, 6}));
    for (int p = 1; p < 10; ++p) {
        EXPECT_EQ(state.historyPosition[size_t(p)], 0);
        EXPECT_TRUE(rings[size_t(p)].slot[0].isNull());
    }
}

TEST_F(HistoryTest, UndoAfterEightReleasesStepsBackOneFigureAtATimeThenComesRound)
{
    for (int k = 1; k <= 8; ++k)
        release(k);
    ASSERT_EQ(figuresIn(page().persistentImage()), figures({1, 2, 3, 4, 5, 6, 7, 8}));

    EXPECT_EQ(undo(), figures({1, 2, 3, 4, 5, 6, 7}));
    EXPECT_FALSE(state.historyFresh);
    EXPECT_EQ(state.historyPosition[0], 0);
    EXPECT_EQ(undo(), figures({1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(state.historyPosition[0], 6);
    EXPECT_EQ(undo(), figures({1, 2, 3, 4, 5}));
    EXPECT_EQ(undo(), figures({1, 2, 3, 4}));
    EXPECT_EQ(undo(), figures({1, 2, 3}));
    EXPECT_EQ(undo(), figures({1, 2}));
    EXPECT_EQ(state.historyPosition[0], 2);
    // The seventh step comes back to the page as it was before the first.
    EXPECT_EQ(undo(), figures({1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(state.historyPosition[0], 1);
    EXPECT_EQ(undo(), figures({1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(undo(), figures({1, 2, 3, 4, 5, 6}));
}

TEST_F(HistoryTest, UndoOnANeverDrawnPageGivesAWhiteCanvasAndPage)
{
    switchTo(4);
    drawFigure(canvas, 3); // something on the canvas that the page does not hold
    const std::vector<int> shown = undo();
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(countPixels(canvas.persistentImage(), kWhite), 320 * 240);
    EXPECT_EQ(countPixels(page().persistentImage(), kWhite), 320 * 240);
    EXPECT_EQ(state.historyPosition[4], 6);
}

TEST_F(HistoryTest, TheFreshFlagIsSharedByAllPages)
{
    switchTo(1);
    release(5); // page 1 holds figure 5
    switchTo(0);
    release(1);
    release(2);
    ASSERT_TRUE(state.historyFresh);

    // The first undo after those releases happens on page 1: it is page 1's
    // state that is stored, in page 1's ring.
    switchTo(1);
    EXPECT_EQ(undo(), figures({}));
    EXPECT_EQ(figuresIn(rings[1].slot[1].toImage()), figures({5}));
    EXPECT_FALSE(state.historyFresh);

    // Back on page 0 nothing stores its newest state any more, but the step
    // still shows the page before its last figure.
    switchTo(0);
    EXPECT_EQ(undo(), figures({1}));
    EXPECT_TRUE(rings[0].slot[2].isNull());
    EXPECT_EQ(undo(), figures({}));
    EXPECT_EQ(undo(), figures({})) << "an empty slot gives a white page";
    EXPECT_EQ(state.historyPosition[0], 6);
}

TEST_F(HistoryTest, ConsecutiveSnapshotsShareAllButTheTilesTheFigureTouched)
{
    release(1);
    release(2);
    // 320 x 240 is 5 x 4 tiles; figure 1 lies inside tile (0, 1).
    const Picture& before = rings[0].slot[0];
    const Picture& after = rings[0].slot[1];
    ASSERT_EQ(before.tileCount(), 20);
    EXPECT_EQ(sharedTileCount(before, after), 19);
    EXPECT_NE(before.tile(5), after.tile(5));
}

TEST_F(HistoryTest, APositionOutsideTheRingAbandonsTheRecordAndChangesNothing)
{
    state.historyPosition[0] = 7;
    EXPECT_THROW(recordHistory(state, rings, page()), std::out_of_range);
    EXPECT_EQ(state.historyPosition[0], 7);
    EXPECT_FALSE(state.historyFresh);
}

namespace {

struct RedoCase
{
    const char* name;
    int figures;
    int undos;
};

} // namespace

// Each redo shows the page as it was before the matching undo step, and the
// ring's position comes back with it; with none left a redo does nothing.
TEST_F(HistoryTest, RedoRetracesTheUndoStepsAndThenDoesNothing)
{
    const RedoCase cases[] = {{"three figures, two undos", 3, 2},
                              {"eight figures, nine undos round the ring", 8, 9}};
    for (const RedoCase& c : cases) {
        SCOPED_TRACE(c.name);
        state = EditorState();
        rings = {};
        SetUp();
        canvas.setPicture(Picture());
        for (int k = 1; k <= c.figures; ++k)
            release(k);
        std::vector<QImage> beforeUndo;
        std::vector<std::int16_t> positions;
        for (int i = 0; i < c.undos; ++i) {
            beforeUndo.push_back(page().persistentImage());
            positions.push_back(state.historyPosition[0]);
            undo();
        }
        for (int i = c.undos - 1; i >= 0; --i) {
            redoStep(state, rings, canvas, page());
            EXPECT_EQ(firstDifference(page().persistentImage(), beforeUndo[size_t(i)]), QPoint(-1, -1))
                << "redo " << c.undos - i;
            EXPECT_EQ(firstDifference(canvas.screen(), page().persistentImage()), QPoint(-1, -1));
            EXPECT_EQ(state.historyPosition[0], positions[size_t(i)]);
        }
        redoStep(state, rings, canvas, page());
        EXPECT_EQ(firstDifference(page().persistentImage(), beforeUndo[0]), QPoint(-1, -1));
        EXPECT_EQ(state.historyPosition[0], positions[0]);
        // Undo after the redos steps back exactly as the first undo did.
        EXPECT_EQ(firstDifference(canvas.persistentImage(), beforeUndo[0]), QPoint(-1, -1));
        undo();
        EXPECT_EQ(figuresIn(page().persistentImage()).size(), size_t(c.figures - 1));
    }
}

TEST_F(HistoryTest, EachPageRedoesOnlyItsOwnUndoSteps)
{
    release(1);
    release(2);
    switchTo(1);
    release(5);
    switchTo(0);
    EXPECT_EQ(undo(), figures({1}));
    switchTo(1);
    redoStep(state, rings, canvas, page());
    EXPECT_EQ(figuresIn(page().persistentImage()), figures({5})) << "page 1 had nothing to redo";
    switchTo(0);
    redoStep(state, rings, canvas, page());
    EXPECT_EQ(figuresIn(page().persistentImage()), figures({1, 2}));
    // The undo had cleared the fresh flag that page 1's release set; the redo
    // sets it again, so page 1's newest figure still goes into its ring.
    EXPECT_TRUE(state.historyFresh);
    switchTo(1);
    EXPECT_EQ(undo(), figures({}));
    EXPECT_EQ(figuresIn(rings[1].slot[1].toImage()), figures({5}));
}

#include "preview/Viewport.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

using preview::Size;
using preview::Viewport;

namespace {

// Records what the viewport asks of its window; reports failures instead of showing them.
class RecordingHost final : public preview::ViewportHost {
public:
    struct Report {
        std::string location;
        int line;
        std::string description;
    };
    struct Draw {
        int32_t zoomWidth, zoomHeight, origWidth, origHeight;
    };

    bool runLine(const char* location, int line, const std::function<void()>& body) override
    {
        try {
            body();
            return true;
        } catch (const std::exception& e) {
            reports.push_back({location, line, e.what()});
            return false;
        }
    }
    void clearShownPicture() override { ++clears; }
    void copyPictureToOriginal() override { ++copies; }
    void drawZoomed(int32_t zw, int32_t zh, int32_t ow, int32_t oh) override
    {
        if (failDrawing)
            throw std::runtime_error("drawing failed");
        draws.push_back({zw, zh, ow, oh});
    }
    void showArrowPointer() override { ++arrows; }

    std::vector<Report> reports;
    std::vector<Draw> draws;
    int clears = 0;
    int copies = 0;
    int arrows = 0;
    bool failDrawing = false;
};

// The planner's picture: 640 x 700 pixels, 9600 x 10500 twips. At 1.0 the
// zoomed size is 9598 x 10498 (the inner size less 2); against the viewport's
// 9330 x 7425 that overflows by 268 and 3073 twips.
constexpr Size PlannerPicture{9600, 10500};

class ViewportTest : public ::testing::Test {
protected:
    void show(Size picture)
    {
        viewport.assignPicture(picture);
        viewport.firstDisplay();
    }
    void zoomIn(int times)
    {
        for (int i = 0; i < times; ++i)
            viewport.zoomInClicked();
    }
    void zoomOut(int times)
    {
        for (int i = 0; i < times; ++i)
            viewport.zoomOutClicked();
    }
    // Presses at (0, 0) of shownPicture and moves the pointer by (dx, dy) twips.
    void drag(float dx, float dy, bool release = true)
    {
        viewport.mouseDown(1, 0, 0, 0);
        viewport.mouseMove(1, 0, dx, dy);
        if (release)
            viewport.mouseUp(1, 0, dx, dy);
    }

    RecordingHost host;
    Viewport viewport{host};
};

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(preview::roundHalfEven(12.5), 12);
    EXPECT_EQ(preview::roundHalfEven(13.5), 14);
    EXPECT_EQ(preview::roundHalfEven(-2.5), -2);
    EXPECT_EQ(preview::roundHalfEven(2.6), 3);
    EXPECT_EQ(preview::toInt16(32767.4), 32767);
    EXPECT_THROW(preview::toInt16(32767.6), std::overflow_error);
    EXPECT_THROW(preview::toInt16(-32769), std::overflow_error);
}

TEST_F(ViewportTest, FirstDisplaySizesEverythingFromThePicture)
{
    show(PlannerPicture);
    EXPECT_TRUE(host.reports.empty());
    EXPECT_EQ(host.copies, 1);
    EXPECT_FALSE(viewport.originalPicture().visible);
    EXPECT_EQ(viewport.originalPicture().outerWidth, 9600 + 30);
    EXPECT_EQ(viewport.originalPicture().outerHeight, 10500 + 30);
    EXPECT_EQ(viewport.zoom(), 1.0f);
    EXPECT_EQ(viewport.originalWidth(), 9598);
    EXPECT_EQ(viewport.originalHeight(), 10498);
    ASSERT_EQ(host.draws.size(), 1u);
    EXPECT_EQ(host.draws[0].zoomWidth, 9598);
    EXPECT_EQ(host.draws[0].origHeight, 10498);
    EXPECT_EQ(viewport.shownPicture().outerWidth, 9598);
    EXPECT_EQ(viewport.shownPicture().outerHeight, 10498);
    EXPECT_EQ(viewport.shownPicture().penMode, 6);
    EXPECT_EQ(viewport.horizontalStep(), 10);
    EXPECT_EQ(viewport.horizontalBar().max(), 27);  // 26.8
    EXPECT_EQ(viewport.verticalStep(), 10);
    EXPECT_EQ(viewport.verticalBar().max(), 307);  // 307.3
    EXPECT_TRUE(viewport.horizontalBar().enabled());
    EXPECT_EQ(viewport.shownPicture().left, 0);
}

TEST_F(ViewportTest, ZoomStaysWithinQuarterAndFour)
{
    show(PlannerPicture);
    zoomOut(3);
    EXPECT_EQ(viewport.zoom(), 0.25f);
    const size_t draws = host.draws.size();
    zoomOut(1);  // 0.0 is refused: nothing redrawn
    EXPECT_EQ(viewport.zoom(), 0.25f);
    EXPECT_EQ(host.draws.size(), draws);

    zoomIn(3);
    EXPECT_EQ(viewport.zoom(), 1.0f);
    zoomIn(12);
    EXPECT_EQ(viewport.zoom(), 4.0f);
    EXPECT_EQ(viewport.zoomedWidth(), 38392);
    EXPECT_EQ(viewport.shownPicture().outerHeight, 41992);
    const size_t atFour = host.draws.size();
    zoomIn(1);  // 4.25 is refused
    EXPECT_EQ(viewport.zoom(), 4.0f);
    EXPECT_EQ(host.draws.size(), atFour);
    EXPECT_TRUE(host.reports.empty());
}

TEST_F(ViewportTest, AStepTooLargeFallsBackToFullSizeWithoutDrawing)
{
    show(Size{3000, 30000});  // 29998 high: 3.5 gives 104993, 3.75 gives 112492
    zoomIn(10);
    EXPECT_EQ(viewport.zoom(), 3.5f);
    const size_t draws = host.draws.size();
    const int32_t shownHeight = viewport.shownPicture().outerHeight;
    EXPECT_EQ(shownHeight, 104993);
    const int16_t maxAtThreeAndAHalf = viewport.verticalBar().max();

    zoomIn(1);
    EXPECT_EQ(viewport.zoom(), 1.0f);
    EXPECT_EQ(viewport.zoomedHeight(), 29998);
    EXPECT_EQ(host.draws.size(), draws);
    EXPECT_EQ(viewport.shownPicture().outerHeight, shownHeight);  // the previous drawing stays
    EXPECT_EQ(viewport.verticalBar().max(), maxAtThreeAndAHalf);

    zoomIn(1);
    EXPECT_EQ(viewport.zoom(), 1.25f);
    EXPECT_EQ(host.draws.size(), draws + 1);

    zoomIn(9);  // up to 3.5 again, then the refused 3.75, then Zoom Out
    EXPECT_EQ(viewport.zoom(), 3.5f);
    zoomIn(1);
    zoomOut(1);
    EXPECT_EQ(viewport.zoom(), 0.75f);
    EXPECT_TRUE(host.reports.empty());
}

TEST_F(ViewportTest, APictureTooLargeAtFullSizeIsNeverDrawn)
{
    show(Size{3000, 120000});
    EXPECT_TRUE(host.draws.empty());
    EXPECT_EQ(host.clears, 0);
    EXPECT_EQ(viewport.shownPicture().outerHeight, 120030);  // the handed-over picture at its own size
    EXPECT_EQ(viewport.verticalBar().max(), 11260);         // 112605 / 10 = 11260.5, halves to even
    EXPECT_TRUE(host.reports.empty());
}

TEST_F(ViewportTest, ABarBeyondSixteenBitsIsReportedWithTheSetUpsLastLine)
{
    show(Size{3000, 400000});
    ASSERT_EQ(host.reports.size(), 1u);
    EXPECT_EQ(host.reports[0].location, "in Dorvane2021/08/31.Form2.Form_Activate ");
    EXPECT_EQ(host.reports[0].line, 136);
    EXPECT_EQ(host.reports[0].description, "Overflow");
}

TEST_F(ViewportTest, ScrollStepsAndMaximaFromTheOverflow)
{
    const int32_t viewportWidth = viewport.view().outerWidth;
    auto setup = [&](int32_t overflow) {
        viewport.shownPicture().outerWidth = viewportWidth + overflow;
        viewport.setupScrollBars();
    };
    setup(0);
    EXPECT_FALSE(viewport.horizontalBar().enabled());
    EXPECT_EQ(viewport.horizontalStep(), 0);
    EXPECT_EQ(viewport.horizontalBar().max(), preview::ScrollBar::InitialMax);  // not touched
    setup(100);
    EXPECT_TRUE(viewport.horizontalBar().enabled());
    EXPECT_EQ(viewport.horizontalStep(), 1);
    EXPECT_EQ(viewport.horizontalBar().max(), 100);
    setup(101);
    EXPECT_EQ(viewport.horizontalStep(), 10);
    EXPECT_EQ(viewport.horizontalBar().max(), 10);
    setup(125);
    EXPECT_EQ(viewport.horizontalBar().max(), 12);
    setup(135);
    EXPECT_EQ(viewport.horizontalBar().max(), 14);
    setup(-500);
    EXPECT_FALSE(viewport.horizontalBar().enabled());
    EXPECT_EQ(viewport.horizontalStep(), 0);
    EXPECT_EQ(viewport.horizontalBar().max(), 14);
}

TEST_F(ViewportTest, TheBarsFollowTheZoomAndReachTheWholePicture)
{
    show(PlannerPicture);
    for (int i = 0; i < 12; ++i) {
        zoomIn(1);
        const int32_t overflowX = viewport.zoomedWidth() - viewport.view().outerWidth;
        const int32_t overflowY = viewport.zoomedHeight() - viewport.view().outerHeight;
        EXPECT_EQ(viewport.horizontalStep(), 10);
        EXPECT_LE(std::abs(10 * viewport.horizontalBar().max() - overflowX), 5) << viewport.zoom();
        EXPECT_LE(std::abs(10 * viewport.verticalBar().max() - overflowY), 5) << viewport.zoom();
    }
    // At 4.0 the vertical bar's last position is far beyond 16 bits of twips.
    viewport.verticalBar().setValue(viewport.verticalBar().max());
    EXPECT_EQ(viewport.shownPicture().top, -10.0f * viewport.verticalBar().max());
    EXPECT_LT(viewport.shownPicture().top, -32768.0f);

    zoomOut(13);  // 0.75: 7198 x 7873, narrower than the viewport, a little higher
    EXPECT_EQ(viewport.zoom(), 0.75f);
    EXPECT_FALSE(viewport.horizontalBar().enabled());
    EXPECT_EQ(viewport.horizontalStep(), 0);
    EXPECT_TRUE(viewport.verticalBar().enabled());
    EXPECT_EQ(viewport.verticalStep(), 10);
    EXPECT_EQ(viewport.verticalBar().max(), 45);  // 448 / 10
    EXPECT_EQ(viewport.verticalBar().value(), 0);
}

TEST_F(ViewportTest, ChangeHandlersRunOnlyWhenTheValueChanges)
{
    show(PlannerPicture);
    viewport.horizontalBar().setValue(7);
    EXPECT_EQ(viewport.shownPicture().left, -70);
    viewport.shownPicture().left = -3;
    viewport.horizontalBar().setValue(7);  // same value: no change handler
    EXPECT_EQ(viewport.shownPicture().left, -3);
    EXPECT_THROW(viewport.horizontalBar().setValue(28), std::out_of_range);
    EXPECT_EQ(viewport.horizontalBar().value(), 7);
}

TEST_F(ViewportTest, PercentagesSetTheBarHalvesToEven)
{
    viewport.shownPicture().outerWidth = viewport.view().outerWidth + 250;  // maximum 25, step 10
    viewport.setupScrollBars();
    ASSERT_EQ(viewport.horizontalBar().max(), 25);
    viewport.setHorizontalBarPercent(viewport.horizontalBar(), 50);
    EXPECT_EQ(viewport.horizontalBar().value(), 12);
    EXPECT_EQ(viewport.shownPicture().left, -120);
    viewport.setHorizontalBarPercent(viewport.horizontalBar(), 101);
    EXPECT_EQ(viewport.horizontalBar().value(), 12);
    viewport.setHorizontalBarPercent(viewport.horizontalBar(), -1);
    EXPECT_EQ(viewport.horizontalBar().value(), 12);
    viewport.setHorizontalBarPercent(viewport.horizontalBar(), 100);
    EXPECT_EQ(viewport.horizontalBar().value(), 25);
    viewport.setVerticalBarPercent(viewport.horizontalBar(), 0);  // the bar given is the bar set
    EXPECT_EQ(viewport.horizontalBar().value(), 0);
    EXPECT_EQ(viewport.shownPicture().left, 0);
}

TEST_F(ViewportTest, DraggingStopsAtBothEdges)
{
    show(PlannerPicture);
    drag(500, 500, false);  // right and down, beyond the top-left corner
    EXPECT_EQ(viewport.shownPicture().left, 0);
    EXPECT_EQ(viewport.shownPicture().top, 0);
    drag(-100000, -100000, false);  // right edge meets the viewport's inner right side
    EXPECT_EQ(viewport.shownPicture().left, 9300 - 9598);
    EXPECT_EQ(viewport.shownPicture().top, 7395 - 10498);
    EXPECT_EQ(viewport.horizontalBar().value(), 0);  // bars do not move during a drag

    // The pointer stays at its start point inside the moving picture, so each
    // move adds only the motion since the last one.
    viewport.setupScrollBars();
    viewport.mouseDown(1, 0, 600, 600);
    viewport.mouseMove(1, 0, 570, 600);
    EXPECT_EQ(viewport.shownPicture().left, -30);
    viewport.mouseMove(1, 0, 610, 590);  // then 10 right and 10 up
    EXPECT_EQ(viewport.shownPicture().left, -20);
    EXPECT_EQ(viewport.shownPicture().top, -10);
    viewport.mouseMove(0, 0, 0, 0);  // no button held: nothing
    EXPECT_EQ(viewport.shownPicture().left, -20);
    EXPECT_TRUE(host.reports.empty());
}

TEST_F(ViewportTest, APictureSmallerThanTheViewportGoesFlushLeftOrRight)
{
    show(Size{3000, 3000});  // outer 2998 x 2998
    drag(40, 40, false);
    EXPECT_EQ(viewport.shownPicture().left, 0);
    drag(-10, -10, false);
    EXPECT_EQ(viewport.shownPicture().left, 9300 - 2998);
    EXPECT_EQ(viewport.shownPicture().top, 7395 - 2998);
    viewport.mouseUp(1, 0, 0, 0);  // negative percentages: the bars stay
    EXPECT_EQ(viewport.horizontalBar().value(), 0);
    EXPECT_EQ(viewport.shownPicture().left, 9300 - 2998);
    EXPECT_TRUE(host.reports.empty());
}

TEST_F(ViewportTest, ReleaseSetsTheBarsFromTheDraggedOffset)
{
    show(PlannerPicture);  // overflow 268 (max 27) across, 3073 (max 307) down
    drag(-134, -1536.5f);
    // 50 % of 27 is 13.5, which rounds to 14; 50 % of 307 is 153.5, to 154.
    EXPECT_EQ(viewport.horizontalBar().value(), 14);
    EXPECT_EQ(viewport.verticalBar().value(), 154);
    EXPECT_EQ(viewport.shownPicture().left, -140);  // settled on -step x value
    EXPECT_EQ(viewport.shownPicture().top, -1540);

    // A press and release without movement changes nothing.
    viewport.mouseDown(1, 0, 10, 10);
    viewport.mouseUp(1, 0, 10, 10);
    EXPECT_EQ(viewport.horizontalBar().value(), 14);
    EXPECT_EQ(viewport.shownPicture().left, -140);

    // To the far left the percentage is 298 / 268, above 100: that bar keeps its value.
    drag(-100000, 0);
    EXPECT_EQ(viewport.shownPicture().left, -298);
    EXPECT_EQ(viewport.horizontalBar().value(), 14);
    EXPECT_TRUE(host.reports.empty());
}

TEST_F(ViewportTest, ReleasesWithoutAPercentageLeaveTheBarsAndReportNothing)
{
    // Equal outer sizes: 0 / 0 has no value.
    viewport.shownPicture().outerWidth = viewport.view().outerWidth;
    viewport.shownPicture().outerHeight = viewport.view().outerHeight;
    viewport.setupScrollBars();
    viewport.horizontalBar().setMax(50);
    viewport.horizontalBar().setValue(20);
    viewport.shownPicture().left = 0;
    viewport.mouseUp(1, 0, 0, 0);
    EXPECT_EQ(viewport.horizontalBar().value(), 20);

    // One twip narrower than the viewport and dragged flush right: the
    // percentage, -630000, does not even fit 16 bits.
    viewport.shownPicture().outerWidth = viewport.view().outerWidth - 1;
    viewport.shownPicture().left = -6300;
    viewport.mouseUp(1, 0, 0, 0);
    EXPECT_EQ(viewport.horizontalBar().value(), 20);
    EXPECT_TRUE(host.reports.empty());
}

TEST_F(ViewportTest, ARedrawResetsAnOffsetOnlyThroughItsBar)
{
    show(PlannerPicture);
    drag(-100000, 0);  // left -298, percentage above 100: the bar stays at 0
    ASSERT_EQ(viewport.horizontalBar().value(), 0);
    zoomIn(1);
    EXPECT_EQ(viewport.shownPicture().left, -298);  // drawn at the offset the drag left

    viewport.setHorizontalBarPercent(viewport.horizontalBar(), 50);
    ASSERT_NE(viewport.shownPicture().left, 0);
    zoomOut(1);
    EXPECT_EQ(viewport.horizontalBar().value(), 0);
    EXPECT_EQ(viewport.shownPicture().left, 0);
    EXPECT_EQ(host.arrows, 3);  // every drawing redraw shows the arrow
}

TEST_F(ViewportTest, AFailingLineIsReportedAndTheNextOneRuns)
{
    show(PlannerPicture);
    viewport.horizontalBar().setValue(5);
    host.failDrawing = true;
    zoomIn(1);
    ASSERT_EQ(host.reports.size(), 1u);
    EXPECT_EQ(host.reports[0].location, "in Dorvane2021/08/31.Form2.RedrawImage ");
    EXPECT_EQ(host.reports[0].line, 112);
    EXPECT_EQ(host.reports[0].description, "drawing failed");
    EXPECT_EQ(host.arrows, 2);  // line 114 ran
    EXPECT_EQ(viewport.horizontalBar().value(), 0);  // and 116
    EXPECT_EQ(viewport.zoom(), 1.25f);
}

}  // namespace

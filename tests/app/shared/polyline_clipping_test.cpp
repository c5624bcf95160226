// Clipping lines to the plot area before they go into a metafile.
#include "shared/polyline_clipping.h"

#include <gtest/gtest.h>

namespace {

const QRectF kPlot(0, 0, 100, 50);

TEST(PolylineClipping, InsideStaysWholeOutsideVanishes) {
  const QPolygonF inside({{10, 10}, {20, 20}, {30, 10}});
  EXPECT_EQ(clippedPolyline(inside, kPlot), QList<QPolygonF>{inside});
  EXPECT_TRUE(clippedPolyline(QPolygonF({{110, 10}, {150, 40}}), kPlot).isEmpty());
  EXPECT_TRUE(clippedPolyline(QPolygonF({{-10, 60}, {10, 70}}), kPlot).isEmpty());
}

TEST(PolylineClipping, CrossingLinesEndOnTheEdge) {
  // In at x = 0, out at y = 50 (where y = 2x + 10 reaches it: x = 20).
  const auto pieces = clippedPolyline(QPolygonF({{-5, 0}, {20, 50}}), kPlot);
  ASSERT_EQ(pieces.size(), 1);
  EXPECT_EQ(pieces[0], QPolygonF({{0, 10}, {20, 50}}));
  const auto stairs = clippedPolyline(QPolygonF({{90, 10}, {120, 10}, {120, 20}, {90, 20}}), kPlot);
  ASSERT_EQ(stairs.size(), 2);  // leaves and comes back: two pieces
  EXPECT_EQ(stairs[0], QPolygonF({{90, 10}, {100, 10}}));
  EXPECT_EQ(stairs[1], QPolygonF({{100, 20}, {90, 20}}));
}

}  // namespace

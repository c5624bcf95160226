#include "report/chart_picture_file.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

TEST(PictureKind, ChosenByTheLastThreeCharactersInAnyCase) {
  EXPECT_EQ(pictureKindOf("chart.Bmp"), PictureKind::Bitmap);
  EXPECT_EQ(pictureKindOf("/tmp/a.b/chart.WMF"), PictureKind::WindowsMetafile);
  EXPECT_EQ(pictureKindOf("chart.emf"), PictureKind::EnhancedMetafile);
  EXPECT_EQ(pictureKindOf("chartbmp"), PictureKind::Bitmap);  // no dot needed
  EXPECT_EQ(pictureKindOf("bmp"), PictureKind::Bitmap);
}

TEST(PictureKind, OtherEndingsAndShortNamesAreRefused) {
  EXPECT_EQ(pictureKindOf("chart.jpg"), std::nullopt);
  EXPECT_EQ(pictureKindOf("chart.bmp "), std::nullopt);
  EXPECT_EQ(pictureKindOf("mf"), std::nullopt);
  EXPECT_EQ(pictureKindOf(""), std::nullopt);
}

TEST(TradeoffMap, EveryFiftiethGenerationFromZero) {
  EXPECT_TRUE(isTradeoffMapGeneration(0));
  EXPECT_TRUE(isTradeoffMapGeneration(50));
  EXPECT_TRUE(isTradeoffMapGeneration(100));
  EXPECT_FALSE(isTradeoffMapGeneration(1));
  EXPECT_FALSE(isTradeoffMapGeneration(49));
  EXPECT_FALSE(isTradeoffMapGeneration(75));
  EXPECT_EQ(tradeoffMapFileName(0), "GAMap for Gen 0.bmp");
  EXPECT_EQ(tradeoffMapFileName(150), "GAMap for Gen 150.bmp");
}

}  // namespace
}  // namespace morvane

// The metafile encoders checked record by record: headers with the sizes,
// counts and checksum readers verify, records that chain to the end, and an
// object table that stays small however often pens and brushes change.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <vector>

#include "pictures/dib_image.h"
#include "pictures/emf_canvas.h"
#include "pictures/wmf_canvas.h"

namespace morvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t le(const Bytes& bytes, std::size_t at, int width) {
  std::uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i) value = (value << 8) | bytes.at(at + i);
  return value;
}

struct Record {
  std::size_t offset;
  std::uint32_t type;
  std::uint32_t size;  // bytes
};

// Walks the WMF records after both headers; each must fit in the file.
std::vector<Record> wmfRecords(const Bytes& file) {
  std::vector<Record> records;
  for (std::size_t at = WmfCanvas::kPlaceableSize + 18; at < file.size();) {
    const std::uint32_t size = 2 * le(file, at, 4);
    EXPECT_GE(size, 6u);
    EXPECT_LE(at + size, file.size());
    records.push_back({at, le(file, at + 4, 2), size});
    if (size < 6) break;
    at += size;
  }
  return records;
}

std::vector<Record> emfRecords(const Bytes& file) {
  std::vector<Record> records;
  for (std::size_t at = 0; at < file.size();) {
    const std::uint32_t size = le(file, at + 4, 4);
    EXPECT_EQ(size % 4, 0u);
    EXPECT_LE(at + size, file.size());
    records.push_back({at, le(file, at, 4), size});
    if (size < 8) break;
    at += size;
  }
  return records;
}

// A small chart: two series lines with changing pens, a filled legend box, a
// point, and a title.
void drawChart(MetafileCanvas& canvas) {
  const std::vector<MetaPoint> line{{10, 10}, {50, 40}, {90, 20}};
  for (int i = 0; i < 5; ++i) {
    canvas.setPen({MetaLineStyle::Solid, 3, {static_cast<std::uint8_t>(40 * i), 0, 0}});
    canvas.setBrush({true, {}});
    canvas.polyline(line);
  }
  canvas.setBrush({false, {0, 0, 255}});
  canvas.rectangle({5, 5, 15, 15});
  canvas.ellipse({20, 20, 26, 26});
  canvas.polygon(line);
  canvas.setFont({16, 700, false, 0, u"Arial"});
  canvas.setTextColor({0, 0, 0});
  const std::vector<std::int32_t> advances(13, 8);
  canvas.text({20, 30}, u"Output Summary", advances);
  const std::vector<std::uint32_t> legendIcon{0xFF0000, 0x00FF00, 0x0000FF,
                                              0x000000, 0xFFFFFF, 0x808080};
  canvas.image({100, 50, 106, 52}, 3, 2, legendIcon);
}

TEST(WmfCanvas, HeadersAgreeWithTheRecords) {
  WmfCanvas canvas(200, 100);
  drawChart(canvas);
  const Bytes file = canvas.finish();

  ASSERT_EQ(le(file, 0, 4), WmfCanvas::kPlaceableKey);
  EXPECT_EQ(le(file, 10, 2), 200u);  // bounding box right
  EXPECT_EQ(le(file, 12, 2), 100u);  // bottom
  EXPECT_EQ(le(file, 14, 2), 96u);   // pixels per inch
  std::uint16_t checksum = 0;
  for (std::size_t at = 0; at < 20; at += 2)
    checksum ^= static_cast<std::uint16_t>(le(file, at, 2));
  EXPECT_EQ(le(file, 20, 2), checksum);

  const std::size_t header = WmfCanvas::kPlaceableSize;
  EXPECT_EQ(le(file, header, 2), 1u);
  EXPECT_EQ(le(file, header + 2, 2), 9u);
  EXPECT_EQ(2 * le(file, header + 6, 4), file.size() - header);

  const auto records = wmfRecords(file);
  ASSERT_FALSE(records.empty());
  EXPECT_EQ(records.back().type, 0u);
  EXPECT_EQ(records.back().size, 6u);
  EXPECT_EQ(records.back().offset + 6, file.size());
  std::uint32_t largest = 0;
  for (const Record& r : records) largest = std::max(largest, r.size / 2);
  EXPECT_EQ(le(file, header + 12, 4), largest);
}

TEST(WmfCanvas, ObjectTableStaysSmallAndTextIsAnsi) {
  WmfCanvas canvas(200, 100);
  drawChart(canvas);
  const Bytes file = canvas.finish();
  std::map<std::uint32_t, int> count;
  for (const Record& r : wmfRecords(file)) ++count[r.type];
  EXPECT_EQ(count[0x02FA], 5);  // five line pens; the shapes keep the last
  EXPECT_EQ(count[0x02FC], 2);  // hollow, then blue
  EXPECT_EQ(count[0x01F0], 5);  // each replaced object deleted
  EXPECT_LE(le(file, WmfCanvas::kPlaceableSize + 10, 2), 4u);
  const std::string text(file.begin(), file.end());
  EXPECT_NE(text.find("Output Summary"), std::string::npos);
  EXPECT_NE(text.find("Arial"), std::string::npos);
}

TEST(WmfCanvas, LongLinesAreSplitIntoPiecesThatMeet) {
  WmfCanvas canvas(100, 100);
  std::vector<MetaPoint> points(40000);
  for (std::size_t i = 0; i < points.size(); ++i)
    points[i] = {static_cast<std::int32_t>(i % 100), 5};
  canvas.polyline(points);
  canvas.polygon(points);
  const Bytes file = canvas.finish();
  std::vector<std::uint32_t> lineCounts, polygonCounts;
  for (const Record& r : wmfRecords(file)) {
    if (r.type == 0x0325) lineCounts.push_back(le(file, r.offset + 6, 2));
    if (r.type == 0x0324) polygonCounts.push_back(le(file, r.offset + 6, 2));
  }
  ASSERT_EQ(lineCounts.size(), 2u);
  EXPECT_EQ(lineCounts[0] + lineCounts[1], 40001u);  // one shared point
  ASSERT_EQ(polygonCounts.size(), 1u);
  EXPECT_LE(polygonCounts[0], WmfCanvas::kMaxPolyPoints);
}

TEST(EmfCanvas, HeaderAgreesWithTheRecords) {
  EmfCanvas canvas(300, 150);
  drawChart(canvas);
  const Bytes file = canvas.finish();

  ASSERT_EQ(le(file, 0, 4), 1u);
  EXPECT_EQ(le(file, 4, 4), EmfCanvas::kHeaderSize);
  EXPECT_EQ(le(file, 16, 4), 299u);  // bounds right, inclusive
  EXPECT_EQ(le(file, 20, 4), 149u);
  EXPECT_EQ(le(file, 40, 4), EmfCanvas::kSignature);
  EXPECT_EQ(le(file, 48, 4), file.size());
  const auto records = emfRecords(file);
  EXPECT_EQ(le(file, 52, 4), records.size());
  EXPECT_EQ(records.back().type, 14u);
  EXPECT_EQ(le(file, records.back().offset + 16, 4), 20u);  // size repeated at the end
  EXPECT_EQ(le(file, 56, 2), 4u);                           // index 0 and three objects at most
}

TEST(EmfCanvas, TextRecordHoldsUtf16TextAndAdvances) {
  EmfCanvas canvas(300, 150);
  drawChart(canvas);
  const Bytes file = canvas.finish();
  for (const Record& r : emfRecords(file)) {
    if (r.type != 84) continue;
    EXPECT_EQ(static_cast<std::int32_t>(le(file, r.offset + 36, 4)), 20);  // reference x
    const std::uint32_t chars = le(file, r.offset + 44, 4);
    const std::uint32_t offString = le(file, r.offset + 48, 4);
    const std::uint32_t offDx = le(file, r.offset + 72, 4);
    ASSERT_EQ(chars, 14u);
    std::u16string text;
    for (std::uint32_t i = 0; i < chars; ++i)
      text += static_cast<char16_t>(le(file, r.offset + offString + 2 * i, 2));
    EXPECT_EQ(text, u"Output Summary");
    EXPECT_EQ(le(file, r.offset + offDx, 4), 8u);
    EXPECT_EQ(le(file, r.offset + offDx + 4 * 13, 4), 0u);  // advances ran short: zero
    EXPECT_EQ(offDx + 4 * chars, r.size);
    return;
  }
  FAIL() << "no text record";
}

TEST(DibImage, RowsGoBottomUpInBlueGreenRedPaddedToFourBytes) {
  const std::vector<std::uint32_t> pixels{0x112233, 0x445566, 0x778899,
                                          0xAABBCC, 0xDDEEFF, 0x000001};
  const DibImage dib = makeDibImage(3, 2, pixels);
  ASSERT_EQ(dib.header.size(), 40u);
  EXPECT_EQ(le(dib.header, 4, 4), 3u);
  EXPECT_EQ(le(dib.header, 8, 4), 2u);
  EXPECT_EQ(le(dib.header, 14, 2), 24u);
  ASSERT_EQ(dib.bits.size(), 24u);  // two rows of 9 bytes padded to 12
  EXPECT_EQ((Bytes{dib.bits.begin(), dib.bits.begin() + 3}),
            (Bytes{0xCC, 0xBB, 0xAA}));  // bottom row first
  EXPECT_EQ((Bytes{dib.bits.begin() + 12, dib.bits.begin() + 15}), (Bytes{0x33, 0x22, 0x11}));
}

TEST(EmfCanvas, ImageRecordPointsAtItsBitmap) {
  EmfCanvas canvas(300, 150);
  drawChart(canvas);
  const Bytes file = canvas.finish();
  for (const Record& r : emfRecords(file)) {
    if (r.type != 81) continue;
    EXPECT_EQ(le(file, r.offset + 24, 4), 100u);  // x destination
    const std::uint32_t offBmi = le(file, r.offset + 48, 4);
    const std::uint32_t offBits = le(file, r.offset + 56, 4);
    const std::uint32_t bitsBytes = le(file, r.offset + 60, 4);
    EXPECT_EQ(le(file, r.offset + offBmi, 4), 40u);
    EXPECT_EQ(offBits + bitsBytes, r.size);
    EXPECT_EQ(le(file, r.offset + 72, 4), 6u);  // destination width
    return;
  }
  FAIL() << "no image record";
}

}  // namespace
}  // namespace morvane

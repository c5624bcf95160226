#include "optimiser/quick_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <stdexcept>
#include <vector>

#include "support/scripted_user_interface.h"

namespace morvane {
namespace {

using testing::ScriptedUserInterface;

// Keys read through index[lo..hi] must equal the std::sort of the same keys,
// and the index must be a permutation of lo..hi.
template <typename Key>
void ExpectSorted(const std::array<Key, kSortSlots>& keys, const SortIndex& index, int lo, int hi) {
  std::vector<Key> expected(keys.begin() + lo, keys.begin() + hi + 1);
  std::sort(expected.begin(), expected.end());
  std::vector<Key> got;
  std::vector<int> items;
  for (int p = lo; p <= hi; ++p) {
    got.push_back(keys[index[p]]);
    items.push_back(index[p]);
  }
  EXPECT_EQ(got, expected);
  std::sort(items.begin(), items.end());
  for (int p = lo; p <= hi; ++p) EXPECT_EQ(items[p - lo], p);
}

template <typename Key, typename Draw>
void CheckRandomKeys(char kind, Draw draw) {
  std::mt19937 engine(17);
  ScriptedUserInterface ui;
  for (const int hi : {1, 2, 3, 10, 100, 252}) {
    std::array<Key, kSortSlots> keys{};
    for (auto& key : keys) key = draw(engine);
    SortIndex index{};
    ASSERT_TRUE(QuickSort(1, hi, keys.data(), kind, index, ui));
    ExpectSorted(keys, index, 1, hi);
  }
}

TEST(QuickSort, EveryNumericKindAgreesWithStdSortOnRandomKeys) {
  CheckRandomKeys<std::uint8_t>('B', [](auto& e) { return static_cast<std::uint8_t>(e()); });
  CheckRandomKeys<std::uint16_t>('W', [](auto& e) { return static_cast<std::uint16_t>(e()); });
  CheckRandomKeys<std::int32_t>(
      'I', [](auto& e) { return static_cast<std::int32_t>(e() % 2001) - 1000; });
  CheckRandomKeys<std::int32_t>('L', [](auto& e) { return static_cast<std::int32_t>(e() % 7); });
  CheckRandomKeys<double>('R',
                          [](auto& e) { return std::uniform_real_distribution<double>(-5, 5)(e); });
  CheckRandomKeys<Real>('E', [](auto& e) { return static_cast<Real>(e() % 50) / 3; });
  CheckRandomKeys<Real>('e', [](auto& e) { return static_cast<Real>(e()); });
}

TEST(QuickSort, OrderedEqualAndTwoItemKeys) {
  ScriptedUserInterface ui;
  std::array<Real, kSortSlots> ascending{}, descending{}, equal{};
  for (int p = 0; p < kSortSlots; ++p) {
    ascending[p] = p;
    descending[p] = -p;
    equal[p] = 4;
  }
  for (const auto* keys : {&ascending, &descending, &equal})
    for (const int hi : {2, 250}) {
      SortIndex index{};
      QuickSort(1, hi, keys->data(), 'E', index, ui);
      ExpectSorted(*keys, index, 1, hi);
    }
}

TEST(QuickSort, EmptyAndSingleRangesTouchOnlyWhatTheyMust) {
  ScriptedUserInterface ui;
  std::array<std::int32_t, kSortSlots> keys{};
  SortIndex index;
  index.fill(77);
  QuickSort(5, 4, keys.data(), 'I', index, ui);
  EXPECT_EQ(index[4], 77);
  EXPECT_EQ(index[5], 77);
  QuickSort(9, 9, keys.data(), 'I', index, ui);
  EXPECT_EQ(index[9], 9);
  EXPECT_EQ(index[8], 77);
  EXPECT_EQ(index[10], 77);
}

TEST(QuickSort, SignedAndUnsignedKeysCompareByTheirType) {
  ScriptedUserInterface ui;
  std::array<std::int32_t, kSortSlots> signedKeys{};
  signedKeys[1] = 5;
  signedKeys[2] = -3;
  SortIndex index{};
  QuickSort(1, 2, signedKeys.data(), 'I', index, ui);
  EXPECT_EQ(index[1], 2);
  std::array<std::uint8_t, kSortSlots> bytes{};
  bytes[1] = 255;
  bytes[2] = 0;
  QuickSort(1, 2, bytes.data(), 'b', index, ui);
  EXPECT_EQ(index[1], 2);
}

ShortString Text(const char* text) {
  ShortString s;
  s.length = static_cast<std::uint8_t>(std::strlen(text));
  std::memcpy(s.chars.data(), text, s.length);
  return s;
}

TEST(QuickSort, StringsSortByOrdinalOrderPrefixesFirst) {
  ScriptedUserInterface ui;
  std::array<ShortString, kSortSlots> keys{};
  keys[1] = Text("ABD");
  keys[2] = Text("ABC");
  keys[3] = Text("AB");
  keys[4] = Text("b");
  keys[5] = Text("");
  SortIndex index{};
  ASSERT_TRUE(QuickSort(1, 5, keys.data(), 's', index, ui));
  EXPECT_EQ((std::vector<int>{index[1], index[2], index[3], index[4], index[5]}),
            (std::vector<int>{5, 3, 2, 1, 4}));
}

TEST(QuickSort, UnknownKindIsFatalAndSortsNothing) {
  ScriptedUserInterface ui;
  ui.allowMessages();
  std::array<Real, kSortSlots> keys{};
  keys[1] = 2;
  keys[2] = 1;
  SortIndex index{};
  EXPECT_FALSE(QuickSort(1, 2, keys.data(), 'X', index, ui));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0], "*** FATAL ERROR ... INCORRECT SORT TYPE IN QUICK_SORT ***");
  EXPECT_EQ(ui.kinds[0], MessageKind::Information);
  EXPECT_EQ(index[1], 1);
}

TEST(QuickSort, PositionsAndIntegerSumsOutsideTheLimitsThrow) {
  ScriptedUserInterface ui;
  std::array<std::int32_t, kSortSlots> keys{};
  SortIndex index{};
  EXPECT_THROW(QuickSort(0, 3, keys.data(), 'I', index, ui), std::out_of_range);
  EXPECT_THROW(QuickSort(1, 253, keys.data(), 'I', index, ui), std::out_of_range);
  keys[1] = 2000000000;
  keys[2] = 2000000000;
  EXPECT_THROW(QuickSort(1, 2, keys.data(), 'L', index, ui), std::overflow_error);
}

}  // namespace
}  // namespace morvane

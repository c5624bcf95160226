#include "optimiser/quick_sort.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <stdexcept>
#include <utility>

namespace morvane {
namespace {

// The pivot is the mean of the two end keys, each kind with its own arithmetic.
std::uint8_t Mean(std::uint8_t a, std::uint8_t b) {
  return static_cast<std::uint8_t>((std::uint32_t{a} + b) >> 1);
}
std::uint16_t Mean(std::uint16_t a, std::uint16_t b) {
  return static_cast<std::uint16_t>((std::uint32_t{a} + b) >> 1);
}
std::int32_t Mean(std::int32_t a, std::int32_t b) {
  const std::int64_t sum = std::int64_t{a} + b;
  if (sum < std::numeric_limits<std::int32_t>::min() ||
      sum > std::numeric_limits<std::int32_t>::max())
    throw std::overflow_error("QuickSort: the sum of two integer keys overflows 32 bits");
  return static_cast<std::int32_t>(sum / 2);  // truncates toward zero
}
double Mean(double a, double b) { return (a + b) / 2; }
Real Mean(Real a, Real b) { return (a + b) / 2; }

// 1.-4. Partition around the pivot value and recurse on both sides.
template <typename Key>
void Quick(int l, int r, const Key* keys, SortIndex& index) {
  auto key = [&](int p) { return keys[index[p]]; };
  const Key pivot = Mean(key(l), key(r));
  int i = l;
  int j = r;
  do {
    while (key(i) < pivot) ++i;
    while (key(j) > pivot) --j;
    if (i <= j) {
      std::swap(index[i], index[j]);
      ++i;
      --j;
    }
  } while (i <= j);
  if (l < j) Quick(l, j, keys, index);
  if (i < r) Quick(i, r, keys, index);
}

// Ordinal order: byte by byte over the common length, a proper prefix first.
bool Greater(const ShortString& a, const ShortString& b) {
  const int common = std::min(a.length, b.length);
  for (int c = 0; c < common; ++c) {
    const auto x = static_cast<unsigned char>(a.chars[c]);
    const auto y = static_cast<unsigned char>(b.chars[c]);
    if (x != y) return x > y;
  }
  return a.length > b.length;
}

void Shell(int lo, int hi, const ShortString* keys, SortIndex& index) {
  for (int gap = (hi - lo + 1) / 2; gap > 0; gap /= 2)
    for (int i = lo + gap; i <= hi; ++i)
      for (int j = i - gap; j >= lo && Greater(keys[index[j]], keys[index[j + gap]]); j -= gap)
        std::swap(index[j], index[j + gap]);
}

// Dispatcher steps 1-2 after the empty-range test: checked positions, identity order.
void Prepare(int lo, int hi, SortIndex& index) {
  if (lo < 1 || hi >= kSortSlots)
    throw std::out_of_range("QuickSort: positions must lie in 1..252");
  for (int p = lo; p <= hi; ++p) index[p] = static_cast<std::uint16_t>(p);
}

template <typename Key>
void QuickAs(int lo, int hi, const void* keys, SortIndex& index) {
  Quick(lo, hi, static_cast<const Key*>(keys), index);
}

}  // namespace

bool QuickSort(int lo, int hi, const void* keys, char kind, SortIndex& index, UserInterface& ui) {
  if (hi < lo) return true;
  Prepare(lo, hi, index);
  switch (std::toupper(static_cast<unsigned char>(kind))) {
    case 'B':
      QuickAs<std::uint8_t>(lo, hi, keys, index);
      return true;
    case 'W':
      QuickAs<std::uint16_t>(lo, hi, keys, index);
      return true;
    case 'I':
    case 'L':
      QuickAs<std::int32_t>(lo, hi, keys, index);
      return true;
    case 'R':
      QuickAs<double>(lo, hi, keys, index);
      return true;
    case 'E':
      QuickAs<Real>(lo, hi, keys, index);
      return true;
    case 'S':
      Shell(lo, hi, static_cast<const ShortString*>(keys), index);
      return true;
    default:
      ui.message(MessageKind::Information, kFatalSortMessage);
      return false;
  }
}

SortIndex RankAscending(const ExtendedKeys& keys, int count) {
  SortIndex index{};
  if (count < 1) return index;
  Prepare(1, count, index);
  Quick(1, count, keys.data(), index);
  return index;
}

}  // namespace morvane

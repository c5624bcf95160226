// The index sort the optimisation ranks with: it orders item numbers by a
// caller's keys without moving the keys. The key type is chosen at run time by
// a one-letter kind, so one routine serves bytes, words, integers, doubles,
// extended reals and short strings.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/real.h"
#include "base/user_interface.h"

namespace morvane {

// Positions 0..252 of the caller's key and index arrays.
inline constexpr int kSortSlots = 253;

using SortIndex = std::array<std::uint16_t, kSortSlots>;
using ExtendedKeys = std::array<Real, kSortSlots>;

// A key of kind S: a length byte, then at most 12 characters (13 bytes a slot).
struct ShortString {
  std::uint8_t length = 0;
  std::array<char, 12> chars{};
};

inline const std::string kFatalSortMessage =
    "*** FATAL ERROR ... INCORRECT SORT TYPE IN QUICK_SORT ***";

// Writes into index[lo..hi] a permutation of lo..hi such that the keys read
// through it ascend. `keys` points at the caller's array of 253 elements of the
// type `kind` names: B uint8, W uint16, I and L int32, R double, E long double,
// S ShortString (upper or lower case). An unknown kind shows the fatal message
// and returns false: the host then ends the program. Positions outside 1..252
// throw std::out_of_range; I/L keys whose sum overflows 32 bits throw
// std::overflow_error.
bool QuickSort(int lo, int hi, const void* keys, char kind, SortIndex& index, UserInterface& ui);

// Kind E over positions 1..count, the ranking every caller of the optimisation uses.
SortIndex RankAscending(const ExtendedKeys& keys, int count);

}  // namespace morvane

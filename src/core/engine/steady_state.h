// Steady-state M/M/s probabilities, truncated at MaxStates, for one minute
// or for every minute of the day.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/model.h"
#include "base/user_interface.h"

namespace morvane {

// The most servers a stabilised queue may need: entries stop at 501.
inline constexpr std::int32_t kMaxRaisedServers = kHighestIndex;
// No service rate an entry allows serves a higher arrival rate (per hour).
inline constexpr Real kHighestServedRate = kMaxRaisedServers * InputRanges::kServiceRateHigh;

// The overload rule: arrivals reach the service capacity (lambda >= servers * mu).
// Such a queue has no steady state; it is given the placeholder distribution or
// more servers.
bool Overloaded(std::int64_t servers, Real lambda, Real mu);

// Past this many servers a count only says "far too many": StableServers stops there.
inline constexpr std::int64_t kServerCountCeiling = std::int64_t{1} << 40;

// Smallest s' >= s with s' * mu > lambda (the overload rule's raised servers), or
// kServerCountCeiling when that is more, or not a number (a rate that is infinite,
// not a number, or a service rate of 0).
std::int64_t StableServers(std::int32_t servers, Real lambda, Real mu);

// Fills `vector` with the M/M/s distribution of the number in system conditioned on
// at most maxStates in system. An overloaded queue
// (lambda >= s * mu) is given more servers when raiseServers, else the placeholder
// distribution (all probability on state 1). The caller guarantees that a raised
// queue needs at most kMaxRaisedServers servers. T is Real or double: the
// servers are raised in Real either way.
// With callers who hang up (abandonRate theta > 0 per waiting caller) the queue
// is M/M/s+M: in state n the death rate is min(n, s) mu + max(n - s, 0) theta, a
// steady state exists at any load, and neither rule above applies.
template <typename T>
void SteadyStateProbs(std::int32_t servers, bool raiseServers, BasicProbVector<T>& vector,
                      Real lambda, Real mu, std::int32_t maxStates, Real abandonRate = 0);

// Mean of entries 0..maxStates (in extended precision summed in increasing n).
template <typename T>
T MeanOf(const BasicProbVector<T>& vector, std::int32_t maxStates);

// A reason the engine cannot compute the scenario (negative arrival rates, more
// servers than the state space holds), or nothing when it can.
std::optional<std::string> ComputationRefusal(const Model& model);

// The steady-state computation of every minute (the "&Compute Steady State Probs"
// command): ArrivalRate, ServiceCapacity, SteadyVectors, SteadyMean. Returns false,
// with a message, when the scenario is refused.
bool ComputeSteadyState(Model& model, UserInterface& ui);

}  // namespace morvane

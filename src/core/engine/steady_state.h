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

// Smallest s' >= s with s' * mu > lambda (the overload rule's raised servers).
std::int64_t StableServers(std::int32_t servers, Real lambda, Real mu);

// Fills `vector` with the M/M/s distribution of the number in system conditioned on
// at most maxStates in system, and `mean` with its mean. An overloaded queue
// (lambda >= s * mu) is given more servers when raiseServers, else the placeholder
// distribution (all probability on state 1). The caller guarantees that a raised
// queue needs at most kMaxRaisedServers servers. T is Real or double: the
// servers are raised in Real either way.
template <typename T>
void SteadyStateProbs(std::int32_t servers, bool raiseServers, BasicProbVector<T>& vector,
                      Real lambda, Real mu, T& mean, std::int32_t maxStates);

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

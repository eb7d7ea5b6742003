#pragma once
// What every fuzz target shares: a rule of the reader that the input broke
// stops the run at once, so that libFuzzer keeps the input as a crash.

namespace kv::fuzz {

inline void Require(bool holds) {
  if (!holds) __builtin_trap();
}

} // namespace kv::fuzz

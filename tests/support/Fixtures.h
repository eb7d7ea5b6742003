#pragma once
// Small builders for the engine tests.

#include "engine/Feltetel.h"
#include "engine/OszlopGenerator.h"
#include "engine/Tippek.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace kv::test {

// A column text from 13 sign characters, the +1 and 13 letters.
TOszlopSzoveg Szoveg(const std::string& jelek13, char plus = ' ', const std::string& betuk13 = "");

TFeltetel Feltetel(char tipus, const std::string& tippresz, int min, int max, std::uint16_t halmaz = 0x1FFF);

// A random bet with random conditions of every kind (for comparing the engine with the literal rules).
TTippek RandomTippek(std::mt19937& rng, bool hibapont);

// Every column of the run the generator delivers, accepted by the literal rule, in order.
std::vector<TOszlop> LiteralPass(TOszlopGenerator& g, const TTippek& t);

} // namespace kv::test

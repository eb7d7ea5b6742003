#pragma once
// The fuzz input of the Tippek page checks and parser, shared by the target
// and the seed generator: an 8-byte head (byte 0 bit 0 key play, bytes 1..4
// the marked matches, then the size of the key list and the selected key's
// triples and doubles), then one record per grid cell: grid, cell, text
// length, text. A cell takes any bytes up to 255 of them, more than any
// grid keeps; a later record of the same cell replaces the earlier one.

#include "engine/Bevitel.h"
#include "engine/FileIo.h"

#include <cstdint>
#include <span>

namespace kv::fuzz {

struct TRacsBemenet {
  TBevitel bevitel;
  int keyListCount = 0;
  int keyHarmas = 0;
  int keyKettes = 0;
};

TRacsBemenet DecodeRacsBemenet(std::span<const std::uint8_t> data);

// The input that decodes to in, its non-empty cells in grid order; texts
// longer than a record holds are cut.
TBytes EncodeRacsBemenet(const TRacsBemenet& in);

} // namespace kv::fuzz

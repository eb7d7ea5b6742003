// toto.cfg: whatever the bytes, every value the program acts on loads within
// the range the settings dialog allows, and a loaded record saved and loaded
// again is the same record.

#include "fuzz/FuzzCheck.h"
#include "ui/Settings.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>

namespace kv::fuzz {
namespace {

bool In(std::int32_t v, int lo, int hi) { return v >= lo && v <= hi; }

bool InRanges(const TGameSetup& g) {
  const bool price = std::isfinite(g.OszlopAr) && g.OszlopAr >= MinOszlopAr && g.OszlopAr <= MaxOszlopAr &&
                     std::floor(g.OszlopAr) == g.OszlopAr;
  return price && In(g.Osszevonas, MinOsszevonas, MaxOsszevonas) && In(g.LineWidth, MinLineWidth, MaxLineWidth) &&
         In(g.KLeftMargin, MinMargin, MaxMargin) && In(g.KTopMargin, MinMargin, MaxMargin) &&
         In(g.NLeftMargin, MinMargin, MaxMargin) && In(g.NTopMargin, MinMargin, MaxMargin) &&
         In(g.Orientation, MinOrientation, MaxOrientation) && In(g.TicketKind, MinTicketKind, MaxTicketKind);
}

bool InRanges(const TSetupData& s) {
  return std::all_of(s.Games.begin(), s.Games.end(), [](const TGameSetup& g) { return InRanges(g); }) &&
         std::all_of(s.Colors.begin(), s.Colors.end(), [](TColor c) { return (c >> 24) == 0; });
}

} // namespace
} // namespace kv::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kv;
  using fuzz::Require;
  std::span<const std::uint8_t> bytes(data, size);
  const TSetupData s = DecodeSettings(bytes);
  Require(fuzz::InRanges(s));

  // Only the record's bytes count, and a shorter file reads as if zero-filled.
  TBytes record(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(std::min(size, SettingsFileSize)));
  record.resize(SettingsFileSize, 0);
  Require(DecodeSettings(record) == s);

  // Saving writes version 6, which loads without a conversion.
  TSetupData saved = s;
  saved.Version = SettingsVersion;
  Require(DecodeSettings(EncodeSettings(s)) == saved);
  return 0;
}

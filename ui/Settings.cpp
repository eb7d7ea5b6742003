#include "ui/Settings.h"

#include <algorithm>
#include <cmath>

#include "engine/ByteReader.h"
#include "ui/Real48.h"

namespace kv {
namespace {

constexpr std::size_t LegacyOszlopArOffset = 0;
constexpr std::size_t ColorsOffset = 4;
constexpr std::size_t GamesOffset = 84;
constexpr std::size_t GameSize = 40;
constexpr std::size_t VersionOffset = 404;
constexpr std::size_t LegacyLeftMarginOffset = 408;
constexpr std::size_t LegacyTopMarginOffset = 412;
constexpr std::size_t LegacyOsszevonasOffset = 416;
constexpr std::size_t LegacyLineWidthOffset = 420;

// Within one TGameSetup.
constexpr std::size_t OsszevonasAt = 0;
constexpr std::size_t OszlopArAt = 2;
constexpr std::size_t LineWidthAt = 8;
constexpr std::size_t KLeftMarginAt = 10;
constexpr std::size_t KTopMarginAt = 12;
constexpr std::size_t NLeftMarginAt = 14;
constexpr std::size_t NTopMarginAt = 16;
constexpr std::size_t OrientationAt = 18;
constexpr std::size_t TicketKindAt = 20;

// A settings file is a few hundred bytes; anything far larger is not one.
constexpr std::size_t SettingsReadCap = 1 << 20;

constexpr int SinceSelectionColor = 2;
constexpr int SinceLineColor = 3;
constexpr int SinceLegacyMargins = 4;
constexpr int SinceLegacyLineWidth = 5;

// The two hidden variants' own prices and margins. They hold for the
// defaults and for every converted file, but a version-6 file keeps its own.
void ApplyFixedValues(TSetupData& s) {
  s.Games[2].Osszevonas = 0;
  s.Games[1].OszlopAr = 7;
  s.Games[2].OszlopAr = 1;
  TGameSetup& g1 = s.Games[1];
  g1.KLeftMargin = 5;
  g1.KTopMargin = 180;
  g1.NLeftMargin = 5;
  g1.NTopMargin = 180;
  TGameSetup& g2 = s.Games[2];
  g2.KLeftMargin = 150;
  g2.KTopMargin = 220;
  g2.NLeftMargin = 150;
  g2.NTopMargin = 220;
}

// Before version 6 the file held one set of ticket settings in the legacy
// fields; every variant starts from that set.
void ConvertOlderVersion(TSetupData& s) {
  if (s.Version < SinceSelectionColor) s.Colors[SzinKivalasztas] = ColorYellow;
  if (s.Version < SinceLineColor) s.Colors[SzinVonal] = ColorGrey;
  if (s.Version < SinceLegacyMargins) {
    s.LegacyLeftMargin = 180;
    s.LegacyTopMargin = 100;
    s.LegacyOsszevonas = 0;
  }
  if (s.Version < SinceLegacyLineWidth) s.LegacyLineWidth = 5;
  const std::int32_t left = std::min(s.LegacyLeftMargin, std::int32_t{MaxMargin});
  const std::int32_t top = std::min(s.LegacyTopMargin, std::int32_t{MaxMargin});
  for (TGameSetup& g : s.Games)
    g = TGameSetup{2, static_cast<double>(s.LegacyOszlopAr), s.LegacyLineWidth, left, top, left, top, 0, 0};
  s.Games[0].Osszevonas = s.LegacyOsszevonas;
  ApplyFixedValues(s);
}

bool InRange(std::int32_t v, int lo, int hi) { return v >= lo && v <= hi; }

bool PriceInRange(double p) { return std::isfinite(p) && p >= MinOszlopAr && p <= MaxOszlopAr && std::floor(p) == p; }

void KeepInRange(std::int32_t& v, int lo, int hi, std::int32_t def) {
  if (!InRange(v, lo, hi)) v = def;
}

TGameSetup ReadGame(TByteReader& r, std::size_t base) {
  auto i16 = [&](std::size_t at) {
    r.Seek(base + at);
    return static_cast<std::int32_t>(static_cast<std::int16_t>(r.U16()));
  };
  TGameSetup g;
  g.Osszevonas = i16(OsszevonasAt);
  r.Seek(base + OszlopArAt);
  TReal48 price{};
  for (std::uint8_t& b : price) b = r.U8();
  g.OszlopAr = DecodeReal48(price);
  g.LineWidth = i16(LineWidthAt);
  g.KLeftMargin = i16(KLeftMarginAt);
  g.KTopMargin = i16(KTopMarginAt);
  g.NLeftMargin = i16(NLeftMarginAt);
  g.NTopMargin = i16(NTopMarginAt);
  g.Orientation = i16(OrientationAt);
  g.TicketKind = i16(TicketKindAt);
  return g;
}

// The record as the bytes hold it; bytes beyond the data read as zero.
TSetupData ReadRecord(std::span<const std::uint8_t> data) {
  TByteReader r(data.first(std::min(data.size(), SettingsFileSize)));
  auto i32 = [&](std::size_t at) {
    r.Seek(at);
    return r.I32();
  };
  TSetupData s;
  s.LegacyOszlopAr = i32(LegacyOszlopArOffset);
  for (std::size_t i = 0; i < ColorCount; ++i) s.Colors[i] = static_cast<TColor>(i32(ColorsOffset + 4 * i));
  for (std::size_t g = 0; g < GameCount; ++g) s.Games[g] = ReadGame(r, GamesOffset + GameSize * g);
  s.Version = i32(VersionOffset);
  s.LegacyLeftMargin = i32(LegacyLeftMarginOffset);
  s.LegacyTopMargin = i32(LegacyTopMarginOffset);
  s.LegacyOsszevonas = i32(LegacyOsszevonasOffset);
  s.LegacyLineWidth = i32(LegacyLineWidthOffset);
  return s;
}

void WriteGame(TByteWriter& w, std::size_t base, const TGameSetup& g) {
  auto i16 = [&](std::size_t at, std::int32_t v) { w.U16(base + at, static_cast<std::uint16_t>(v)); };
  i16(OsszevonasAt, g.Osszevonas);
  TReal48 price = EncodeReal48(g.OszlopAr);
  for (std::size_t i = 0; i < price.size(); ++i) w.U8(base + OszlopArAt + i, price[i]);
  i16(LineWidthAt, g.LineWidth);
  i16(KLeftMarginAt, g.KLeftMargin);
  i16(KTopMarginAt, g.KTopMargin);
  i16(NLeftMarginAt, g.NLeftMargin);
  i16(NTopMarginAt, g.NTopMargin);
  i16(OrientationAt, g.Orientation);
  i16(TicketKindAt, g.TicketKind);
}

} // namespace

TSetupData DefaultSettings(const TSystemColors& system) {
  TSetupData s;
  s.Colors = {system.window,     system.buttonFace, system.windowText, system.buttonFace, system.buttonFace,
              system.windowText, ColorRed,          ColorRed,          ColorYellow,       ColorGrey};
  for (TGameSetup& g : s.Games) g = TGameSetup{2, 70, 5, 180, 100, 180, 100, 0, 0};
  s.Games[0].Osszevonas = 0;
  ApplyFixedValues(s);
  return s;
}

void ApplySettingRanges(TSetupData& s, const TSystemColors& system) {
  const TSetupData d = DefaultSettings(system);
  for (std::size_t i = 0; i < GameCount; ++i) {
    TGameSetup& g = s.Games[i];
    const TGameSetup& def = d.Games[i];
    KeepInRange(g.Osszevonas, MinOsszevonas, MaxOsszevonas, def.Osszevonas);
    if (!PriceInRange(g.OszlopAr)) g.OszlopAr = def.OszlopAr;
    KeepInRange(g.LineWidth, MinLineWidth, MaxLineWidth, def.LineWidth);
    KeepInRange(g.KLeftMargin, MinMargin, MaxMargin, def.KLeftMargin);
    KeepInRange(g.KTopMargin, MinMargin, MaxMargin, def.KTopMargin);
    KeepInRange(g.NLeftMargin, MinMargin, MaxMargin, def.NLeftMargin);
    KeepInRange(g.NTopMargin, MinMargin, MaxMargin, def.NTopMargin);
    KeepInRange(g.Orientation, MinOrientation, MaxOrientation, def.Orientation);
    KeepInRange(g.TicketKind, MinTicketKind, MaxTicketKind, def.TicketKind);
  }
  for (std::size_t i = 0; i < ColorCount; ++i)
    if ((s.Colors[i] >> 24) != 0) s.Colors[i] = d.Colors[i];
}

TSetupData DecodeSettings(std::span<const std::uint8_t> data, const TSystemColors& system) {
  TSetupData s = ReadRecord(data);
  if (s.Version < SettingsVersion) ConvertOlderVersion(s);
  ApplySettingRanges(s, system);
  return s;
}

TBytes EncodeSettings(const TSetupData& s) {
  TBytes out(SettingsFileSize, 0);
  TByteWriter w(out);
  w.I32(LegacyOszlopArOffset, s.LegacyOszlopAr);
  for (std::size_t i = 0; i < ColorCount; ++i) w.I32(ColorsOffset + 4 * i, static_cast<std::int32_t>(s.Colors[i]));
  for (std::size_t g = 0; g < GameCount; ++g) WriteGame(w, GamesOffset + GameSize * g, s.Games[g]);
  w.I32(VersionOffset, SettingsVersion);
  w.I32(LegacyLeftMarginOffset, s.LegacyLeftMargin);
  w.I32(LegacyTopMarginOffset, s.LegacyTopMargin);
  w.I32(LegacyOsszevonasOffset, s.LegacyOsszevonas);
  w.I32(LegacyLineWidthOffset, s.LegacyLineWidth);
  return out;
}

TSetupData LoadSettings(const std::filesystem::path& programDir, const TSystemColors& system) {
  const std::filesystem::path path = programDir / SettingsFileName;
  if (FileSizeOf(path) < 0) return DefaultSettings(system);
  std::optional<TBytes> data = ReadFileBytes(path, SettingsReadCap);
  if (!data) return DefaultSettings(system);
  return DecodeSettings(*data, system);
}

TWriteResult SaveSettings(const std::filesystem::path& programDir, const TSetupData& setup, const TWriteFault& fault) {
  const TBytes bytes = EncodeSettings(setup);
  return ReplaceFileSafely(programDir / SettingsFileName, bytes, fault);
}

std::int64_t OszlopArFt(const TGameSetup& game) {
  const double p = game.OszlopAr;
  if (!std::isfinite(p) || std::fabs(p) > 9.0e15) return 0; // never after loading; keeps the cast defined
  double whole = std::floor(p);
  const double rest = p - whole;
  if (rest > 0.5 || (rest == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  return static_cast<std::int64_t>(whole);
}

} // namespace kv

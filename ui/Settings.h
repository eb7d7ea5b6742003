#pragma once
// The settings record and toto.cfg, the file in the program's folder that
// holds it: the record written raw, 468 bytes, little-endian. Files of every
// older version are converted on loading; saving always writes version 6.
//
// Loading holds every value the program acts on to the range the settings
// dialog lets the user enter, because a damaged or foreign file would
// otherwise carry it straight into ticket making and the printer. A value
// outside its range is replaced by the default of that field:
//
//   field                 range                  why
//   Osszevonas            0..2                   the three merging modes
//   OszlopAr              whole numbers 1..440   what the price edit accepts
//   LineWidth             1..10                  what the line-width edit accepts
//   K/NLeftMargin         0..9999                what a margin edit accepts
//   K/NTopMargin          0..9999                what a margin edit accepts
//   Orientation           0..1                   portrait, landscape
//   TicketKind            0..3                   the hidden ticket-kind buttons
//   Colors[i]             top byte 0             plain RGB; anything else is no colour
//
// The legacy fields and Version are kept as read: they are only the source
// of a conversion and are written back as they are.

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>

#include "engine/FileIo.h"

namespace kv {

inline constexpr std::string_view SettingsFileName = "toto.cfg";
constexpr std::size_t SettingsFileSize = 468;
constexpr std::int32_t SettingsVersion = 6;
constexpr std::size_t GameCount = 5; // pools variants; this program plays Games[0]
constexpr std::size_t ColorCount = 10;

constexpr int MinOsszevonas = 0, MaxOsszevonas = 2;
constexpr int MinOszlopAr = 1, MaxOszlopAr = 440;
constexpr int MinLineWidth = 1, MaxLineWidth = 10;
constexpr int MinMargin = 0, MaxMargin = 9999;
constexpr int MinOrientation = 0, MaxOrientation = 1;
constexpr int MinTicketKind = 0, MaxTicketKind = 3;

// 0x00BBGGRR: red in the low byte, the top byte 0.
using TColor = std::uint32_t;

constexpr TColor ColorRed = 0x0000FF;
constexpr TColor ColorYellow = 0x00FFFF;
constexpr TColor ColorGrey = 0x808080;

// Indexes of Colors, in the order of the settings dialog's list.
constexpr std::size_t SzinBevitel = 0;         // background of the input grids
constexpr std::size_t SzinBevitelFejlec = 1;   // their fixed cells
constexpr std::size_t SzinBevitelTartalom = 2; // their text
constexpr std::size_t SzinInfo = 3;            // background of the information grids
constexpr std::size_t SzinInfoFejlec = 4;
constexpr std::size_t SzinInfoTartalom = 5;
constexpr std::size_t SzinHibakereses = 6; // error-search marks
constexpr std::size_t SzinNyertes = 7;     // winning ticket numbers, hit panels
constexpr std::size_t SzinKivalasztas = 8; // selected ticket, marked matches, selected key
constexpr std::size_t SzinVonal = 9;       // separator lines of the ticket grids

inline constexpr std::array<std::string_view, ColorCount> ColorItemNames = {
    "Adatbeviteli táblázatok",     "Adatbeviteli táblázatok fejléce", "Adatbeviteli táblázatok tartalma",
    "Információs táblázatok",      "Információs táblázatok fejléce",  "Információs táblázatok tartalma",
    "Hibakeresés eredménye",       "Nyertes szelvények sorszáma",     "Kiválasztás",
    "Szelvények vízszintes vonala"};

inline constexpr std::array<std::string_view, 3> OsszevonasNames = {"Oszlopszámra minimalizálva",
                                                                    "Szelvényszámra minimalizálva", "Nincs összevonás"};

inline constexpr std::array<std::string_view, 2> OrientationNames = {"Álló (hosszabbik oldal vízszintesen)",
                                                                     "Fekvő (hosszabbik oldal függőlegesen)"};

// The system colours the grids are drawn with by default, as RGB; the window
// passes its own, the values here are those of a standard Windows desktop.
struct TSystemColors {
  TColor window = 0xFFFFFF;
  TColor buttonFace = 0xF0F0F0;
  TColor windowText = 0x000000;
};

// Field values are kept in 32 bits so that a legacy value beyond 16 bits is
// range-checked as it was written, not after being cut.
struct TGameSetup {
  std::int32_t Osszevonas = 0;  // 0 by column count, 1 by ticket count, 2 no merging
  double OszlopAr = 0;          // Ft per column; readers use OszlopArFt
  std::int32_t LineWidth = 0;   // pen width of the paper-ticket marks
  std::int32_t KLeftMargin = 0; // collective tickets
  std::int32_t KTopMargin = 0;
  std::int32_t NLeftMargin = 0; // normal tickets
  std::int32_t NTopMargin = 0;
  std::int32_t Orientation = 0; // 0 portrait, 1 landscape
  std::int32_t TicketKind = 0;  // kept for the other variants, never shown

  bool operator==(const TGameSetup&) const = default;
};

// Zero-initialised like the record before a file is read into it.
struct TSetupData {
  std::int32_t LegacyOszlopAr = 0;
  std::array<TColor, ColorCount> Colors{};
  std::array<TGameSetup, GameCount> Games{};
  std::int32_t Version = 0; // as read; saving writes SettingsVersion
  std::int32_t LegacyLeftMargin = 0;
  std::int32_t LegacyTopMargin = 0;
  std::int32_t LegacyOsszevonas = 0;
  std::int32_t LegacyLineWidth = 0;

  bool operator==(const TSetupData&) const = default;
};

// The record made when there is no toto.cfg.
TSetupData DefaultSettings(const TSystemColors& system = {});

// Replaces every value outside the ranges above by the default of its field.
void ApplySettingRanges(TSetupData& setup, const TSystemColors& system = {});

// What loading makes of the bytes of an existing file: the first 468 bytes
// read into a zero record (a shorter file leaves the rest zero), an older
// version converted, then the ranges applied.
TSetupData DecodeSettings(std::span<const std::uint8_t> data, const TSystemColors& system = {});

// The 468 bytes of the file, with Version 6 and the reserved bytes zero.
TBytes EncodeSettings(const TSetupData& setup);

// Reads programDir/toto.cfg; the defaults when it is missing or cannot be
// read, silently, as the file is only made by the first confirmed dialog.
TSetupData LoadSettings(const std::filesystem::path& programDir, const TSystemColors& system = {});

// Writes programDir/toto.cfg as version 6; a failed write leaves the old file whole.
TWriteResult SaveSettings(const std::filesystem::path& programDir, const TSetupData& setup,
                          const TWriteFault& fault = {});

// The price of one column as the readers use it: rounded to a whole number,
// halves to even.
std::int64_t OszlopArFt(const TGameSetup& game);

} // namespace kv

#include "ui/TipsFile.h"

#include "engine/ByteReader.h"
#include "engine/Cp1250.h"
#include "engine/Szoveg.h"

namespace kv {
namespace {

// Where one text field lies: a string[capacity] at offset, of which the
// writer fills at most `written` characters; files older than `since` lack it.
struct TMezo {
  std::size_t offset;
  std::size_t capacity;
  std::size_t written;
  int since;
};

constexpr std::size_t MagicOffset = 0;
constexpr std::size_t VersionOffset = 12;
constexpr std::size_t ZeroWordOffset = 2000;
constexpr std::size_t MarkerOffset = 2002;
constexpr std::uint8_t MarkerByte = 88;
constexpr std::size_t AlaptippekOffset = 2652;
constexpr std::size_t JelzokOffset = 3352;
constexpr std::size_t IndexModeOffset = 3402;
constexpr std::size_t BaseCountOffset = 4508;
constexpr std::size_t FilteredCountOffset = 4512;
constexpr std::size_t PlayModeOffset = 4516;
constexpr std::size_t FixOffset = 4520;
constexpr std::size_t KulcsOffset = 4524;
constexpr std::size_t TotoFajtaOffset = 4548;

constexpr int SinceDistribution = 2;
constexpr int SinceCounts = 3;
constexpr int SinceBlock2 = 4;
constexpr int SinceAlaptippek = 5;
constexpr int SinceReduction = 6;
constexpr int SincePlayMode = 8;
constexpr int SinceTotoFajta = 10;

constexpr std::size_t BlockRows = 20; // condition rows in block 1

std::size_t ConditionOffset(std::size_t row0) {
  return row0 < BlockRows ? 594 + 70 * row0 : TipsBlock1Size + 70 * (row0 - BlockRows);
}

// Every text field of the file, in file order within each group. One walk
// serves the writer and the reader, so the two cannot drift apart.
template <class Bevitel, class F>
void ForEachText(Bevitel& b, F&& f) {
  for (std::size_t m = 0; m < 13; ++m) {
    f(TMezo{14 + 4 * m, 3, 3, 0}, b.alaptipp[m]);
    f(TMezo{118 + 2 * m, 1, 1, 0}, b.eredmeny[m]);
    for (std::size_t c = 0; c < 3; ++c) f(TMezo{144 + 78 * c + 6 * m, 5, 3, 0}, b.eselyek[c][m]);
  }
  for (std::size_t g = 0; g < 3; ++g)
    for (std::size_t k = 0; k < 2; ++k)
      for (std::size_t s = 0; s < 6; ++s) f(TMezo{378 + 72 * g + 36 * k + 6 * s, 5, 3, 0}, b.globalis[g][k][s]);
  for (std::size_t r = 0; r < static_cast<std::size_t>(ConditionRows); ++r) {
    std::size_t o = ConditionOffset(r);
    int since = r < BlockRows ? 0 : SinceBlock2;
    f(TMezo{o, 30, 20, since}, b.feltetelek[r].merkozesek);
    f(TMezo{o + 31, 20, 10, since}, b.feltetelek[r].feltetel);
    f(TMezo{o + 52, 3, 3, since}, b.feltetelek[r].t);
    f(TMezo{o + 56, 6, 5, since}, b.feltetelek[r].min);
    f(TMezo{o + 63, 6, 5, since}, b.feltetelek[r].max);
  }
  f(TMezo{1994, 3, 3, 0}, b.plusTipp);
  f(TMezo{1998, 1, 1, 0}, b.plusEredmeny);
  f(TMezo{3403, 2, 2, SinceAlaptippek}, b.indexszam[0]);
  f(TMezo{3406, 2, 2, SinceAlaptippek}, b.indexszam[1]);
  f(TMezo{3409, 3, 2, SinceReduction}, b.szHiba);
  for (std::size_t r = 0; r < 5; ++r) f(TMezo{3413 + 12 * r, 11, 9, SinceReduction}, b.nyeremeny[r]);
  for (std::size_t c = 0; c < 3; ++c) f(TMezo{4493 + 4 * c, 3, 3, SinceDistribution}, b.plusEloszlas[c]);
}

std::size_t AlaptippOffset(std::size_t column, std::size_t match0) { return AlaptippekOffset + 14 * column + match0; }

int SignCode(char ch) {
  switch (ch) {
  case '1': return 0;
  case 'x': return 1;
  case 'X': return 2;
  case '2': return 3;
  default: return -1;
  }
}

void WriteKulcs(TByteWriter& w, const TKulcsAzonosito& k) {
  const std::int32_t values[] = {k.sortCode, k.oszlopszam, k.kollektivDb, k.normalDb, k.oszlopHossz, k.ellenorzo};
  for (std::size_t i = 0; i < 6; ++i) w.I32(KulcsOffset + 4 * i, values[i]);
}

TKulcsAzonosito ReadKulcs(TByteReader& rd) {
  rd.Seek(KulcsOffset);
  TKulcsAzonosito k;
  k.sortCode = rd.I32();
  k.oszlopszam = rd.I32();
  k.kollektivDb = rd.I32();
  k.normalDb = rd.I32();
  k.oszlopHossz = rd.I32();
  k.ellenorzo = rd.I32();
  return k;
}

std::int32_t ReadI32At(TByteReader& rd, std::size_t offset) {
  rd.Seek(offset);
  return rd.I32();
}

void ReadAlaptippek(TByteReader& rd, TBevitel& b) {
  for (std::size_t c = 0; c < static_cast<std::size_t>(AlaptippekColumns); ++c)
    for (std::size_t m = 0; m < 14; ++m) {
      rd.Seek(AlaptippOffset(c, m));
      b.alaptippek[c][m] = UnpackAlaptipp(rd.U8());
    }
  rd.Seek(JelzokOffset);
  for (auto& jelzo : b.alaptippJelzok) jelzo = rd.U8();
  rd.Seek(IndexModeOffset);
  b.adottIndexszam = rd.U8() != 0;
}

void ReadPlayMode(TByteReader& rd, TBevitel& b) {
  b.jatekTipus = ReadI32At(rd, PlayModeOffset) == 2 ? 2 : 1;
  b.fixMerkozesek = static_cast<std::uint32_t>(ReadI32At(rd, FixOffset));
  b.kulcs = ReadKulcs(rd);
}

// Older tips files may hold the kind as a bare "String", in any case; it is
// read as "String3", whatever the file's version.
void RenameOldStringKind(TBevitel& b) {
  for (auto& sor : b.feltetelek)
    if (UpperAscii(sor.feltetel) == "STRING") sor.feltetel += "3";
}

TTipsLoad Refusal(std::string message) {
  TTipsLoad r;
  r.hiba.uzenet = std::move(message);
  return r;
}

std::string DisplayName(const std::filesystem::path& path) {
  auto u8 = path.filename().u8string();
  return std::string(u8.begin(), u8.end());
}

} // namespace

// The typing filter lets only "1", "x", "X", "2" and at most three of them
// into a cell, but a cell set otherwise (a paste, a mirrored grid) may hold
// more. Such a cell is packed from its valid signs, the first three of them,
// so the byte is always well formed; the Alaptippek check refuses the cell
// before any computation, so nothing is computed from the shortened tip.
std::uint8_t PackAlaptipp(std::string_view cell) {
  unsigned count = 0;
  unsigned codes = 0;
  for (char ch : cell) {
    int code = SignCode(ch);
    if (code < 0) continue;
    if (count == 3) break;
    codes = (codes << 2) | static_cast<unsigned>(code);
    ++count;
  }
  if (count == 0) return 0;
  return static_cast<std::uint8_t>((count << 6) | (codes << (6 - 2 * count)));
}

std::string UnpackAlaptipp(std::uint8_t packed) {
  static constexpr char kSigns[] = {'1', 'x', 'X', '2'};
  std::string cell;
  unsigned count = packed >> 6;
  for (unsigned i = 0; i < count; ++i) cell += kSigns[(packed >> (4 - 2 * i)) & 3];
  return cell;
}

TBytes EncodeTipsFile(const TBevitel& b) {
  TBytes out(TipsFileSize, 0);
  TByteWriter w(out);
  w.ShortString(MagicOffset, 10, "Kvartello");
  w.U16(VersionOffset, TipsFileVersion);
  ForEachText(b, [&](const TMezo& mezo, const std::string& text) {
    std::string bytes = Utf8ToCp1250(LimitLength(text, mezo.written));
    // Malformed UTF-8 may give more bytes than characters were counted.
    if (bytes.size() > mezo.written) bytes.resize(mezo.written);
    w.ShortString(mezo.offset, mezo.capacity, bytes);
  });
  w.U16(ZeroWordOffset, 0);
  w.U8(MarkerOffset, MarkerByte);
  for (std::size_t c = 0; c < static_cast<std::size_t>(AlaptippekColumns); ++c)
    for (std::size_t m = 0; m < 14; ++m) w.U8(AlaptippOffset(c, m), PackAlaptipp(b.alaptippek[c][m]));
  for (std::size_t c = 0; c < b.alaptippJelzok.size(); ++c) w.U8(JelzokOffset + c, b.alaptippJelzok[c]);
  w.U8(IndexModeOffset, b.adottIndexszam ? 1 : 0);
  w.I32(BaseCountOffset, b.baseColumnCount);
  w.I32(FilteredCountOffset, b.filteredColumnCount);
  w.I32(PlayModeOffset, b.jatekTipus);
  w.I32(FixOffset, static_cast<std::int32_t>(b.fixMerkozesek));
  WriteKulcs(w, b.kulcs);
  w.I32(TotoFajtaOffset, b.totoFajta);
  return out;
}

TTipsLoad DecodeTipsFile(std::span<const std::uint8_t> data) {
  if (data.size() != TipsBlock1Size && data.size() != TipsFileSize) return Refusal(std::string(TipsWrongSizeMessage));
  TTipsLoad r;
  r.ok = true;
  TByteReader rd(data);
  rd.Seek(VersionOffset);
  const int v = rd.U16();
  r.version = v;
  TBevitel& b = r.bevitel;
  ForEachText(b, [&](const TMezo& mezo, std::string& text) {
    // A version-4 file cut to block 1 simply has no rows 21..99.
    if (v < mezo.since || mezo.offset + mezo.capacity + 1 > data.size()) return;
    rd.Seek(mezo.offset);
    text = Cp1250ToUtf8(rd.ShortString(mezo.capacity));
  });
  if (v >= SinceCounts) {
    b.baseColumnCount = ReadI32At(rd, BaseCountOffset);
    b.filteredColumnCount = ReadI32At(rd, FilteredCountOffset);
  }
  if (v >= SinceAlaptippek) ReadAlaptippek(rd, b);
  RenameOldStringKind(b);
  if (v >= SincePlayMode) ReadPlayMode(rd, b);
  if (v >= SinceTotoFajta) r.storedTotoFajta = ReadI32At(rd, TotoFajtaOffset);
  b.totoFajta = 0;
  return r;
}

TTipsLoad LoadTipsFile(const std::filesystem::path& path) {
  // The size is judged from the directory entry first, as a file far too
  // large must be refused for its size and not read.
  std::int64_t size = FileSizeOf(path);
  if (size >= 0 && size != static_cast<std::int64_t>(TipsBlock1Size) && size != static_cast<std::int64_t>(TipsFileSize))
    return Refusal(std::string(TipsWrongSizeMessage));
  auto bytes = ReadFileBytes(path, TipsFileSize + 1);
  if (!bytes) return Refusal("A fájl nem olvasható: " + DisplayName(path));
  return DecodeTipsFile(*bytes);
}

TWriteResult WriteTipsFile(const std::filesystem::path& path, const TBevitel& bevitel, const TWriteFault& fault) {
  TBytes content = EncodeTipsFile(bevitel);
  return ReplaceFileSafely(path, content, fault);
}

} // namespace kv

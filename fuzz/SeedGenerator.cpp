// Writes the seed corpus of every fuzz target with the program's own writers
// (and, for the foreign import formats, small files built by their layout),
// so that the seeds follow the formats as they change.
//
//   kvfuzz_seeds OUTDIR DATADIR
//
// OUTDIR/<target>/ is emptied and refilled; DATADIR holds the example bet.

#include "engine/Tippek.h"
#include "fuzz/RacsBemenet.h"
#include "keys/KeyFile.h"
#include "ui/Settings.h"
#include "ui/TipsFile.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kv::fuzz {
namespace {

namespace fs = std::filesystem;

// A bet that passes every check: base tips in key play, a marked match, the
// +1 distribution, chances, global restrictions, one condition of every
// kind and a few Alaptippek columns.
TBevitel PeldaBevitel() {
  TBevitel b;
  b.jatekTipus = JatekKulcs;
  b.alaptipp = {"1X2", "1", "X2", "2", "1x", "1", "X", "12", "2", "1", "X", "1X2", "2"};
  b.fixMerkozesek = 1u << MatchRow(4);
  b.plusTipp = "1X";
  b.plusEloszlas = {"45", "30", "25"};
  for (int m = 0; m < MatchCount; ++m) {
    b.eselyek[0][m] = "50";
    b.eselyek[1][m] = "30";
    b.eselyek[2][m] = "20";
  }
  b.globalis[GlobDarabszam][0][0] = "2";
  b.globalis[GlobDarabszam][1][0] = "9";
  b.globalis[GlobRagadas][1][1] = "4";
  b.globalis[GlobTavolsag][0][5] = "1";
  b.feltetelek[0] = {"1-6", "Darabszám", "1", "1", "5"};
  b.feltetelek[1] = {"", "Ragadás", "x", "", "3"};
  b.feltetelek[2] = {"7,9-13", "Távolság", "A", "0", "4"};
  b.feltetelek[3] = {"", "Esélyek", "", "300", "1100"};
  b.feltetelek[4] = {"", "Találatok", "2", "8", "13"};
  b.feltetelek[5] = {"", "Átlag", "", "3,5", "9.25"};
  b.feltetelek[6] = {"1-13", "Ismét", "11", "", "6"};
  b.feltetelek[7] = {"", "Ismétlődés", "1X", "1", "4"};
  b.feltetelek[8] = {"", "String2", "AB", "", "3"};
  b.feltetelek[9] = {"", "String3", "12X", "0", "2"};
  b.feltetelek[10] = {"", "Hibapont", "", "", "2"};
  b.szHiba = "1";
  b.alaptippek[0] = {"1", "X", "2", "1", "X", "2", "1", "X", "2", "1", "X", "2", "1", "X"};
  b.alaptippek[1][0] = "1X";
  b.alaptippek[1][12] = "X2";
  b.alaptippek[7][3] = "2";
  b.indexszam = {"2", "3"};
  b.kulcs = {3108, 81, 2, 7, 13, 4711};
  return b;
}

TRacsBemenet RacsBemenet(const TBevitel& b) {
  TRacsBemenet in;
  in.bevitel = b;
  in.keyListCount = b.jatekTipus == JatekKulcs ? 3 : 0;
  for (int m = 0; m < MatchCount; ++m) {
    if ((b.fixMerkozesek >> MatchRow(m + 1)) & 1u) continue;
    if (b.alaptipp[m].size() == 3) ++in.keyHarmas;
    if (b.alaptipp[m].size() == 2) ++in.keyKettes;
  }
  return in;
}

TKulcs PeldaKulcs(TKeyColumns& columns, int length) {
  TKulcs k;
  k.nev = "Saját kulcs";
  k.egyeb = "első sor\r\nmásodik";
  k.alaptipp[0] = "1X2";
  k.alaptipp[2] = "X2";
  k.alaptipp[static_cast<std::size_t>(length - 1)] = "12";
  columns = {TOszlop{1, 0, 2}, TOszlop{7, 0, 6}, TOszlop{4, 0, 4}};
  columns[1][static_cast<std::size_t>(length - 1)] = 5;
  ComputeKeyCounts(k, columns);
  return k;
}

void Put16(TBytes& b, std::size_t off, std::uint32_t v) {
  b[off] = static_cast<std::uint8_t>(v);
  b[off + 1] = static_cast<std::uint8_t>(v >> 8);
}

// A dBASE table: 32-byte header and terminator, the records (each starting
// with its deletion flag), the end-of-file byte.
TBytes Dbf(const std::vector<std::string>& records, std::uint16_t recordLength) {
  TBytes b(33, 0);
  b[0] = 3;
  Put16(b, 4, static_cast<std::uint32_t>(records.size()));
  Put16(b, 8, 33);
  Put16(b, 10, recordLength);
  b[32] = 0x0D;
  for (std::string r : records) {
    r.resize(recordLength, ' ');
    b.insert(b.end(), r.begin(), r.end());
  }
  b.push_back(0x1A);
  return b;
}

// A .tot file: match count, column count, then one block of codes per match.
TBytes Tot(int matches, int count) {
  TBytes b(6, 0);
  b[0] = static_cast<std::uint8_t>(matches);
  Put16(b, 2, static_cast<std::uint32_t>(count));
  for (int p = 0; p < matches; ++p)
    for (int c = 0; c < count; ++c) {
      b.push_back(static_cast<std::uint8_t>((p + c) % 8));
      b.push_back(0);
    }
  return b;
}

TBytes Text(std::string_view s) { return TBytes(s.begin(), s.end()); }

// An older file: the version field rewritten, the file cut to what it held.
TBytes OlderTips(TBytes b, std::uint16_t version, std::size_t size) {
  Put16(b, 12, version);
  b.resize(size);
  return b;
}

// toto.cfg of an older version: the version field is at byte 404.
TBytes OlderSettings(std::uint32_t version) {
  TBytes b = EncodeSettings(DefaultSettings());
  Put16(b, 404, version);
  Put16(b, 406, 0);
  return b;
}

class TSeeds {
public:
  explicit TSeeds(fs::path root) : root_(std::move(root)) {}

  void Target(const std::string& name) {
    dir_ = root_ / name;
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void Put(const std::string& name, const TBytes& bytes) {
    std::ofstream f(dir_ / name, std::ios::binary);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!f) throw std::runtime_error("cannot write " + (dir_ / name).string());
  }

private:
  fs::path root_;
  fs::path dir_;
};

void WriteSeeds(TSeeds& s, const fs::path& dataDir) {
  const TBevitel pelda = PeldaBevitel();
  const TTipsLoad shipped = LoadTipsFile(dataDir / "pelda.dat");
  if (!shipped.ok) throw std::runtime_error("cannot load " + (dataDir / "pelda.dat").string());
  const TBytes tips = EncodeTipsFile(pelda);
  s.Target("tipsfile");
  s.Put("ures.dat", EncodeTipsFile(TBevitel{}));
  s.Put("pelda.dat", tips);
  s.Put("szallitott.dat", EncodeTipsFile(shipped.bevitel));
  s.Put("v4.dat", OlderTips(tips, 4, TipsBlock1Size));
  s.Put("v2.dat", OlderTips(tips, 2, TipsFileSize));

  TKeyColumns columns;
  const TKulcs kulcs = PeldaKulcs(columns, 3);
  TKeyColumns longColumns;
  const TKulcs longKulcs = PeldaKulcs(longColumns, MatchCount);
  for (const char* target : {"keyfile", "import_key"}) {
    s.Target(target);
    s.Put("kulcs.key", EncodeKeyFile(kulcs, columns));
    s.Put("hosszu.key", EncodeKeyFile(longKulcs, longColumns));
  }

  s.Target("settings");
  s.Put("alap.cfg", EncodeSettings(DefaultSettings()));
  s.Put("v3.cfg", OlderSettings(3));
  s.Put("v5.cfg", OlderSettings(5));

  s.Target("import_dbf");
  s.Put("kulcs.dbf", Dbf({" 1X2", "*2221", " 0345", " 671x"}, 5));
  s.Put("hosszu.dbf", Dbf({" 1X21X21X21X21", " 2222222222222"}, 14));
  s.Target("import_tot");
  s.Put("kulcs.tot", Tot(3, 4));
  s.Put("hosszu.tot", Tot(MatchCount, 6));
  s.Target("import_txt");
  s.Put("kulcs.txt", Text("1X2 1X2 1X2 1\r\n2 2 2 X\n0 3 x\r\n"));
  s.Put("bom.txt", Text("\xEF\xBB\xBF" "1X21X21X21X21\r\r2"));

  s.Target("tippek");
  s.Put("pelda", EncodeRacsBemenet(RacsBemenet(pelda)));
  s.Put("szallitott", EncodeRacsBemenet(RacsBemenet(shipped.bevitel)));
  TBevitel egyesek;
  egyesek.alaptipp.fill("1");
  s.Put("egyesek", EncodeRacsBemenet(RacsBemenet(egyesek)));
}

} // namespace
} // namespace kv::fuzz

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: kvfuzz_seeds OUTDIR DATADIR\n");
    return 2;
  }
  try {
    kv::fuzz::TSeeds seeds{std::filesystem::path(argv[1])};
    kv::fuzz::WriteSeeds(seeds, argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "kvfuzz_seeds: %s\n", e.what());
    return 1;
  }
  return 0;
}

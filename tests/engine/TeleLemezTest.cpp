#include "app/batch/BatchKey.h"
#include "app/batch/BatchKeyImport.h"
#include "app/batch/BatchTickets.h"
#include "keys/KeyCommands.h"
#include "keys/KeyFile.h"
#include "keys/KeyList.h"
#include "keys/KeyTestDir.h"
#include "output/TextExport.h"
#include "ui/Settings.h"
#include "ui/TipsFile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <sstream>

#include <sys/resource.h>

namespace kv {
namespace {

namespace fs = std::filesystem;

// A disk that fills up while a file is written. The file size limit of the
// process stops every write at the given size as a full disk stops it; with
// SIGXFSZ ignored the write fails with EFBIG instead of ending the process.
// The limit holds for the whole process, so nothing but the write runs under it.
class TTeleLemez {
public:
  explicit TTeleLemez(std::size_t bytes) {
    struct sigaction ignore{};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    jelzes_ = ::sigaction(SIGXFSZ, &ignore, &regiJelzes_) == 0;
    if (!jelzes_ || ::getrlimit(RLIMIT_FSIZE, &regi_) != 0 || bytes > regi_.rlim_max) return;
    rlimit uj = regi_;
    uj.rlim_cur = bytes;
    korlat_ = ::setrlimit(RLIMIT_FSIZE, &uj) == 0;
  }
  ~TTeleLemez() {
    if (korlat_) ::setrlimit(RLIMIT_FSIZE, &regi_);
    if (jelzes_) ::sigaction(SIGXFSZ, &regiJelzes_, nullptr);
  }
  TTeleLemez(const TTeleLemez&) = delete;
  TTeleLemez& operator=(const TTeleLemez&) = delete;

  bool Aktiv() const { return korlat_; }

private:
  rlimit regi_{};
  struct sigaction regiJelzes_{};
  bool jelzes_ = false;
  bool korlat_ = false;
};

// How each caller words a write that the disk stopped.
constexpr std::string_view Oka = "A fájl írása nem sikerült: a fájl túl nagy";

// One writer of the program, driven through the caller that reports its
// failure. The write returns what that caller shows the user, empty when the
// file was written.
struct TIro {
  const char* neve;
  std::function<void(const fs::path& dir)> regi; // what the folder holds before the write
  std::function<std::string(const fs::path& dir)> ir;
  std::string cel;   // the file the write makes or replaces
  std::size_t hatar; // a field boundary inside the new content
  std::function<std::string(const fs::path& dir)> uzenet;
};

void PrintTo(const TIro& iro, std::ostream* os) { *os << iro.neve; }

void WriteText(const fs::path& p, std::string_view s) { std::ofstream(p, std::ios::binary) << s; }

TBevitel Tippek(const char* elso) {
  TBevitel be;
  for (auto& a : be.alaptipp) a = "1";
  be.alaptipp[0] = elso;
  be.alaptipp[1] = "1X";
  return be;
}

std::string KeyCommandOutput(const fs::path& dir, const TKeyCommandResult& r) {
  std::ostringstream out, err;
  batch::ReportKeyCommand(batch::TBatchEnv{dir, false, out, err}, r);
  return err.str();
}

TIro TipsFile() {
  return {"TipsFile",
          [](const fs::path& d) { ASSERT_TRUE(WriteTipsFile(d / "tippek.dat", Tippek("1")).ok); },
          [](const fs::path& d) { return WriteTipsFile(d / "tippek.dat", Tippek("1X2")).error; },
          "tippek.dat",
          4560, // block 2 starts
          [](const fs::path&) { return std::string(Oka); }};
}

TIro Settings() {
  return {"Settings",
          [](const fs::path& d) { ASSERT_TRUE(SaveSettings(d, DefaultSettings()).ok); },
          [](const fs::path& d) {
            TSetupData s = DefaultSettings();
            s.Games[0].OszlopAr = 100;
            return SaveSettings(d, s).error;
          },
          "toto.cfg",
          84, // the first variant's settings start
          [](const fs::path&) { return std::string(Oka); }};
}

// `key import`: a new key file beside the one the folder has.
TIro KeyCreate() {
  return {"KeyCreate",
          [](const fs::path& d) {
            TKeyColumns c;
            ASSERT_TRUE(CreateKeyFile(d, test::KeyWithIndex(1, 1, c), c).ok);
            WriteText(d / "harom.txt", "1X2\r\nX21\r\n21X\r\n");
          },
          [](const fs::path& d) {
            std::ostringstream out, err;
            batch::CmdKeyImport(batch::TBatchEnv{d, false, out, err}, {"txt", (d / "harom.txt").string()});
            return err.str();
          },
          "k0000002.key",
          1000, // the columns start
          [](const fs::path&) { return std::string(Oka) + "\n"; }};
}

// The key commands' modify: the key's file replaced.
TIro KeyRewrite() {
  return {"KeyRewrite",
          [](const fs::path& d) {
            TKeyColumns c;
            ASSERT_TRUE(CreateKeyFile(d, test::KeyWithIndex(2, 1, c, "Régi"), c).ok);
          },
          [](const fs::path& d) {
            TKeyColumns store;
            auto rename = [](std::string_view, TKulcs& h, TKeyColumns&, THiba&) {
              h.nev = "Átnevezett";
              return true;
            };
            return KeyCommandOutput(d, ModifyKeyCommand(d, LoadKeyList(d), 1, store, rename));
          },
          "k0000001.key",
          1000,
          [](const fs::path&) { return std::string(Oka) + "\n"; }};
}

// `tickets TIPS OUT`: the text export over an older export.
TIro TextExport() {
  return {
      "TextExport",
      [](const fs::path& d) {
        ASSERT_TRUE(WriteTipsFile(d / "bet.dat", Tippek("1X2")).ok);
        WriteText(d / "ki.txt", "regi\r\n");
      },
      [](const fs::path& d) {
        std::ostringstream out, err;
        batch::CmdTickets(batch::TBatchEnv{d, false, out, err}, {(d / "bet.dat").string(), (d / "ki.txt").string()});
        return err.str();
      },
      "ki.txt",
      4, // after the first tip, "1X2,"
      [](const fs::path& d) { return SzovegfajlIrasHiba((d / "ki.txt").string()) + " (" + std::string(Oka) + ")\n"; }};
}

std::map<std::string, TBytes> Tartalom(const fs::path& dir) {
  std::map<std::string, TBytes> files;
  for (const auto& e : fs::directory_iterator(dir)) {
    std::ifstream in(e.path(), std::ios::binary);
    files[e.path().filename().string()] = TBytes(std::istreambuf_iterator<char>(in), {});
  }
  return files;
}

class TeleLemez : public ::testing::TestWithParam<TIro> {
protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("kvtele_" + std::to_string(std::random_device{}()) + "_" + GetParam().neve);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  fs::path dir_;
};

TEST_P(TeleLemez, TheOldFilesStayWholeAndTheCallerSaysWhy) {
  const TIro& iro = GetParam();
  // On a disk with room the writer makes the file: the limits below are inside it.
  const fs::path proba = dir_ / "proba";
  fs::create_directory(proba);
  iro.regi(proba);
  ASSERT_EQ(iro.ir(proba), "");
  const std::size_t meret = fs::file_size(proba / iro.cel);
  ASSERT_GT(meret, iro.hatar + 1);

  for (std::size_t korlat : {std::size_t{0}, iro.hatar, meret - 1}) {
    SCOPED_TRACE(korlat);
    const fs::path d = dir_ / ("tele" + std::to_string(korlat));
    fs::create_directory(d);
    iro.regi(d);
    const auto elotte = Tartalom(d);
    bool aktiv = false;
    std::string uzenet;
    {
      TTeleLemez tele(korlat);
      aktiv = tele.Aktiv();
      if (aktiv) uzenet = iro.ir(d);
    }
    ASSERT_TRUE(aktiv) << "the file size limit could not be set";
    EXPECT_EQ(uzenet, iro.uzenet(d));
    EXPECT_EQ(Tartalom(d), elotte) << "the old files whole, no temporary file left";
  }
}

INSTANTIATE_TEST_SUITE_P(Writers, TeleLemez,
                         ::testing::Values(TipsFile(), Settings(), KeyCreate(), KeyRewrite(), TextExport()),
                         [](const auto& row) { return std::string(row.param.neve); });

} // namespace
} // namespace kv

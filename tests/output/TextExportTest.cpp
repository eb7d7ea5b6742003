#include "output/TextExport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>

namespace kv {
namespace {

namespace fs = std::filesystem;

TOszlop Oszlop(std::initializer_list<TTipp> tippek) {
  TOszlop o{};
  std::size_t i = 0;
  for (TTipp t : tippek) o[i++] = t;
  return o;
}

TEST(SzelvenySzovegSor, SignsInOrderJoinedByCommas) {
  // 1 X 2 1 1 X 2 2 1 X 1 2 1, +1 "2"
  EXPECT_EQ(SzelvenySzovegSor(Oszlop({1, 2, 4, 1, 1, 2, 4, 4, 1, 2, 1, 4, 1, 4})), "1,X,2,1,1,X,2,2,1,X,1,2,1,2");
  // every tip value at match 1; no tip writes nothing, so the +1 missing ends the line with a comma
  const char* jelek[] = {"", "1", "X", "1X", "2", "12", "X2", "1X2"};
  for (TTipp t = 0; t < 8; ++t) {
    TOszlop o = Oszlop({t, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0});
    EXPECT_EQ(SzelvenySzovegSor(o), std::string(jelek[t]) + ",1,1,1,1,1,1,1,1,1,1,1,1,") << int(t);
  }
}

class SzovegfajlDir : public ::testing::Test {
protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("kvtxt_" + std::to_string(std::random_device{}()));
    fs::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  static std::string Read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  static void Write(const fs::path& p, const std::string& s) { std::ofstream(p, std::ios::binary) << s; }
  fs::path dir_;
};

// Three collective records and seven normal columns: ten lines, the
// collective ones first, each ended by CR LF.
TSzelvenyek Tar() {
  TSzelvenyek sz;
  for (TTipp t : {3, 7, 6}) sz.rekordok.push_back(Oszlop({t, 7, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
  for (TTipp t = 0; t < 7; ++t)
    sz.rekordok.push_back(Oszlop({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, t % 2 ? TTipp{2} : TTipp{4}, 1}));
  sz.kollektivCount = 3;
  sz.normalCount = 7;
  return sz;
}

TEST_F(SzovegfajlDir, EveryColumnALineCollectiveFirst) {
  const fs::path f = dir_ / "hetfo.txt";
  ASSERT_TRUE(SzelvenyekSzovegfajlba(f, Tar()).ok);
  std::string vart = "1X,1X2,1,1,1,1,1,1,1,1,1,1,1,1\r\n"
                     "1X2,1X2,1,1,1,1,1,1,1,1,1,1,1,1\r\n"
                     "X2,1X2,1,1,1,1,1,1,1,1,1,1,1,1\r\n";
  for (int i = 0; i < 7; ++i) vart += std::string("1,1,1,1,1,1,1,1,1,1,1,1,") + (i % 2 ? "X" : "2") + ",1\r\n";
  EXPECT_EQ(Read(f), vart);
}

TEST_F(SzovegfajlDir, EmptyStoreGivesAnEmptyFile) {
  const fs::path f = dir_ / "ures.txt";
  Write(f, "regi\r\n");
  ASSERT_TRUE(SzelvenyekSzovegfajlba(f, TSzelvenyek{}).ok);
  EXPECT_TRUE(fs::exists(f));
  EXPECT_EQ(fs::file_size(f), 0u);
}

// The tests run as root, who may write a read-only file anyway; what holds
// for every user is that the file is replaced through its writable folder.
TEST_F(SzovegfajlDir, ReadOnlyFileIsReplaced) {
  const fs::path f = dir_ / "vedett.txt";
  Write(f, "regi\r\n");
  fs::permissions(f, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  ASSERT_TRUE(SzelvenyekSzovegfajlba(f, Tar()).ok);
  const TBytes vart = SzelvenySzovegfajl(Tar());
  EXPECT_EQ(Read(f), std::string(vart.begin(), vart.end()));
}

// Whatever byte the write stops at (the first one, the end of the first
// line, the last one), the old file stays and the reason comes back for the
// caller to put after SzovegfajlIrasHiba.
TEST_F(SzovegfajlDir, FailedWriteLeavesNothingOfTheNewContent) {
  const fs::path f = dir_ / "hiba.txt";
  Write(f, "regi\r\n");
  const std::size_t size = SzelvenySzovegfajl(Tar()).size();
  for (std::size_t failAfter : {std::size_t{0}, std::size_t{32}, size - 1}) {
    TWriteResult r = SzelvenyekSzovegfajlba(f, Tar(), TWriteFault{failAfter});
    EXPECT_FALSE(r.ok) << failAfter;
    EXPECT_EQ(r.error, "A fájl írása nem sikerült: nincs elég szabad hely a lemezen");
    EXPECT_EQ(Read(f), "regi\r\n") << failAfter;
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1); // no temporary left
  }

  TWriteResult nincs = SzelvenyekSzovegfajlba(dir_ / "nincs" / "ilyen.txt", Tar());
  EXPECT_FALSE(nincs.ok);
  EXPECT_EQ(nincs.error, "A fájl nem hozható létre: a mappa nem létezik");
  EXPECT_FALSE(fs::exists(dir_ / "nincs"));
}

TEST(SzovegfajlIrasHiba, NamesThePathWithItsArticle) {
  EXPECT_EQ(SzovegfajlIrasHiba("C:\\Toto\\hetfo.txt"),
            "Hiba történt a C:\\Toto\\hetfo.txt fájl írásakor! A szelvényeket nem sikerült szövegfájlba elmenteni.");
  EXPECT_EQ(SzovegfajlIrasHiba("/home/toto/hetfo.txt"),
            "Hiba történt az /home/toto/hetfo.txt fájl írásakor! A szelvényeket nem sikerült szövegfájlba "
            "elmenteni.");
}

TEST(SzovegfajlJavasoltNev, TipsFileNameWithTxt) {
  EXPECT_EQ(SzovegfajlJavasoltNev(fs::path("tippek") / "hetfo.dat"), fs::path("hetfo.txt"));
  EXPECT_EQ(SzovegfajlJavasoltNev("kedd.DAT"), fs::path("kedd.txt"));
}

} // namespace
} // namespace kv

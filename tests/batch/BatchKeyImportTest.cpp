#include "app/batch/BatchKeyImport.h"

#include "keys/KeyFile.h"
#include "keys/KeyImport.h"
#include "keys/KeyList.h"
#include "keys/KeyTestDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace kv {
namespace {

struct TRun {
  int status;
  std::string out, err;
};

// The files to import live in a folder of their own, so that only the
// written key can appear in the program folder's key list.
class BatchKeyImportTest : public test::TKeyDirTest {
protected:
  void SetUp() override {
    TKeyDirTest::SetUp();
    std::filesystem::create_directories(dir_ / "be");
  }
  std::string Source(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    WriteRaw("be/" + name, bytes);
    return (dir_ / "be" / name).string();
  }
  TRun Run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    batch::TBatchEnv env{dir_, false, out, err};
    int status = batch::CmdKeyImport(env, args);
    return {status, out.str(), err.str()};
  }
  std::vector<std::string> KeyFiles() const {
    std::vector<std::string> n = Names();
    n.erase(std::remove(n.begin(), n.end(), "be"), n.end());
    return n;
  }
};

std::vector<std::uint8_t> Text(std::string_view s) { return {s.begin(), s.end()}; }

TEST_F(BatchKeyImportTest, TextBecomesAListedKey) {
  TRun r = Run({"txt", Source("harom.txt", Text("1X2\r\nX21\r\n21X\r\n"))});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "k0000001.key\n");

  TKeyList list = LoadKeyList(dir_);
  ASSERT_EQ(list.size(), 1u);
  TKulcs k;
  TKeyColumns c;
  ASSERT_TRUE(ReadKeyFile(dir_, list[0].fileName, k, c));
  EXPECT_EQ(k.nev, "harom");
  EXPECT_EQ(k.egyeb, "Import fájl: harom.txt");
  EXPECT_EQ(k.alaptipp[0], "1X2");
  EXPECT_EQ(k.harmas, 3);
  EXPECT_EQ(k.normalDb, 3);
  EXPECT_EQ(c, (TKeyColumns{TOszlop{1, 2, 4}, TOszlop{2, 4, 1}, TOszlop{4, 1, 2}}));
}

TEST_F(BatchKeyImportTest, KeyFileWithoutTheMagicIsListedAfterImport) {
  TKeyColumns c{TOszlop{3}, TOszlop{4}};
  TKulcs k;
  k.nev = "Idegen";
  k.alaptipp[0] = "1X2";
  ComputeKeyCounts(k, c);
  std::vector<std::uint8_t> bytes = EncodeKeyFile(k, c);
  std::fill(bytes.begin(), bytes.begin() + 20, 0x41);
  TRun r = Run({"key", Source("idegen.key", bytes)});
  ASSERT_EQ(r.status, 0) << r.err;
  TKeyList list = LoadKeyList(dir_);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].fileName + "\n", r.out);
  EXPECT_EQ(KeyListRowTexts(dir_, list)[0][0], "Idegen");
}

TEST_F(BatchKeyImportTest, RefusalsWriteNothing) {
  struct TEset {
    std::vector<std::string> args;
    int status;
    std::string err;
  };
  std::vector<std::uint8_t> tot = {14, 0, 1, 0, 0, 0};
  std::vector<TEset> esetek = {
      {{"tot", Source("sok.tot", tot)},
       1,
       "-:-:-:-: Az importálandó fájl 13-nál több mérkőzést tartalmaz! Egy kulcs legfeljebb 13 mérkőzésre "
       "szólhat.\n"},
      {{"dbf", Source("rovid.dbf", Text("short"))},
       1,
       "-:-:-:-: Az importálandó fájl nem felel meg a kiválasztott formátumnak!\n"},
      // The second line lacks match 3, where the first has a sign: the editor's refusal.
      {{"txt", Source("hianyos.txt", Text("1X2\r\n1X\r\n"))},
       1,
       "1:OszlopSG:1:3: Az oszlopok kitöltése hiányos. Adja meg a kurzornál lévő tippet! (Fix alaptipp esetén az "
       "alaptippet sem kell kitölteni.)\n"},
      {{"txt", Source("ures.txt", Text("abc\r\n"))},
       1,
       "1:AlaptippSG:0:1: Az alaptippben a kétesélyeket és a háromesélyeket ki kell tölteni!\n"},
      {{"txt", (dir_ / "be" / "nincs.txt").string()}, 2, ""},
      {{"csv", Source("a.csv", Text("1"))}, 2, ""},
      {{"txt"}, 2, ""},
  };
  for (const TEset& e : esetek) {
    TRun r = Run(e.args);
    EXPECT_EQ(r.status, e.status) << e.args[0];
    EXPECT_EQ(r.out, "");
    if (!e.err.empty())
      EXPECT_EQ(r.err, e.err);
    else
      EXPECT_FALSE(r.err.empty());
  }
  EXPECT_TRUE(KeyFiles().empty());
}

} // namespace
} // namespace kv

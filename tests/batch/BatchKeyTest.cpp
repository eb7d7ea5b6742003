#include "app/batch/BatchKey.h"
#include "app/batch/BatchKeys.h"

#include "keys/KeyBuilders.h"
#include "keys/KeyEditorCheck.h"
#include "keys/KeyFile.h"
#include "keys/KeyTestDir.h"

#include "ui/TipsFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <sstream>

namespace kv {
namespace {

namespace fs = std::filesystem;
using test::Col;
using test::Tips;
using test::TTips;

struct TRun {
  int status;
  std::string out, err;
};

const TTips Four = Tips({{1, "1X2"}, {2, "1X2"}, {3, "1X2"}, {4, "1X2"}});

class BatchKeyTest : public test::TKeyDirTest {
protected:
  TRun Key(std::vector<std::string> args) {
    std::ostringstream out, err;
    batch::TBatchEnv env{dir_, false, out, err};
    int status = batch::CmdKey(env, args);
    return {status, out.str(), err.str()};
  }
  TRun Keys(const std::vector<std::string>& args, const fs::path& dir) {
    std::ostringstream out, err;
    batch::TBatchEnv env{dir, false, out, err};
    int status = batch::CmdKeys(env, args);
    return {status, out.str(), err.str()};
  }
  // Key files with names no other folder holds, so a bare name resolves in DIR.
  std::string Write(const std::string& name, const TKulcs& k, const TKeyColumns& c) {
    WriteRaw(name, EncodeKeyFile(k, c));
    return name;
  }
  std::string Write(const std::string& name, const TTips& tips, int n) {
    TKeyColumns c;
    TKulcs k = test::KeyOfColumns(tips, n, c);
    return Write(name, k, c);
  }
  std::vector<std::string> KeyFiles() const {
    std::vector<std::string> n;
    for (const std::string& f : Names())
      if (f.rfind("k00", 0) == 0) n.push_back(f);
    std::sort(n.begin(), n.end());
    return n;
  }
};

TEST_F(BatchKeyTest, SumIsWrittenIntoTheFirstFreeName) {
  std::string a = Write("kvbatch_a.key", Four, 3), b = Write("kvbatch_b.key", Four, 4);
  TKeyColumns c;
  ASSERT_TRUE(CreateKeyFile(dir_, test::KeyWithIndex(1, 0, c), c).ok);
  ASSERT_TRUE(CreateKeyFile(dir_, test::KeyWithIndex(1, 0, c), c).ok);
  fs::remove(dir_ / "k0000001.key");

  TRun r = Key({"add", a, (dir_ / b).string()}); // a bare name is looked for in DIR
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "k0000001.key\n");
  EXPECT_EQ(r.err, "");
  TKulcs k;
  TKeyColumns cols;
  ASSERT_TRUE(ReadKeyFile(dir_, "k0000001.key", k, cols));
  EXPECT_EQ(cols.size(), 7u);
  EXPECT_EQ(k.nev, "Új kulcs");
  EXPECT_EQ(k.egyeb, "kvbatch_a.key + kvbatch_b.key");
  EXPECT_EQ(IndexszamText({k.harmas, k.kettes, k.fix}), "4-0-9");
  EXPECT_EQ(k.normalDb, 7);
}

TEST_F(BatchKeyTest, ProductAndDifferenceAreWritten) {
  TKeyColumns ca, cb;
  std::string a = Write("kvbatch_a.key", test::KeyWithIndex(3, 4, ca), ca);
  std::string b = Write("kvbatch_b.key", test::KeyWithIndex(2, 4, cb), cb);
  TRun mul = Key({"mul", a, b});
  ASSERT_EQ(mul.status, 0) << mul.err;
  EXPECT_EQ(mul.out, "k0000001.key\n");
  TKulcs k;
  ASSERT_TRUE(ReadKeyHeader(dir_, "k0000001.key", k));
  EXPECT_EQ(IndexszamText({k.harmas, k.kettes, k.fix}), "5-8-0");

  std::string c = Write("kvbatch_c.key", Four, 9), d = Write("kvbatch_d.key", Four, 4);
  TRun sub = Key({"sub", c, d});
  ASSERT_EQ(sub.status, 0) << sub.err;
  EXPECT_EQ(sub.out, "k0000002.key\n");
  ASSERT_TRUE(ReadKeyHeader(dir_, "k0000002.key", k));
  EXPECT_EQ(k.normalDb, 5);
}

// ---- Refusals: the arithmetic's own boxes and the editor's OK ----

using TFilePair = std::pair<std::string, std::string>;

std::string Put(const fs::path& dir, const std::string& name, const TKulcs& k, const TKeyColumns& c) {
  TBytes bytes = EncodeKeyFile(k, c);
  std::ofstream(dir / name, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return name;
}

std::string Put(const fs::path& dir, const std::string& name, const TTips& tips, int n) {
  TKeyColumns c;
  TKulcs k = test::KeyOfColumns(tips, n, c);
  return Put(dir, name, k, c);
}

struct TRefusalCase {
  const char* name;
  const char* op;
  std::function<TFilePair(const fs::path&)> files;
  std::string line;
};

void PrintTo(const TRefusalCase& c, std::ostream* os) { *os << c.name; }

class BatchKeyRefusal : public BatchKeyTest, public ::testing::WithParamInterface<TRefusalCase> {};

TEST_P(BatchKeyRefusal, PrintsTheLineAndWritesNothing) {
  auto [a, b] = GetParam().files(dir_);
  TRun r = Key({GetParam().op, a, b});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, GetParam().line + "\n");
  EXPECT_TRUE(KeyFiles().empty());
}

TFilePair SumOver50(const fs::path& dir) {
  return {Put(dir, "kvbatch_a.key", Four, 30), Put(dir, "kvbatch_b.key", Four, 21)};
}

TFilePair ProductOver13Matches(const fs::path& dir) {
  TKeyColumns c;
  TKulcs k = test::KeyWithIndex(3, 4, c);
  return {Put(dir, "kvbatch_a.key", k, c), Put(dir, "kvbatch_b.key", k, c)};
}

TFilePair ProductOver50(const fs::path& dir) {
  return {Put(dir, "kvbatch_a.key", Tips({{1, "1X2"}, {2, "1X"}}), 5),
          Put(dir, "kvbatch_b.key", Tips({{1, "1X2"}, {2, "1X2"}, {3, "12"}}), 11)};
}

TFilePair SelfMinusSelf(const fs::path& dir) {
  std::string a = Put(dir, "kvbatch_a.key", Four, 20);
  return {a, a};
}

// A key file whose 12th column lacks its sign at match 7.
TFilePair GapInColumn12(const fs::path& dir) {
  TTips tips = Four;
  tips[6] = "1X";
  TKeyColumns c;
  TKulcs k = test::KeyOfColumns(tips, 12, c);
  c[11][6] = 0;
  return {Put(dir, "kvbatch_a.key", k, c), Put(dir, "kvbatch_b.key", tips, 3)};
}

// B's second column holds X at match 13, where B's base tip is only 1.
TFilePair ForeignSignInColumn16(const fs::path& dir) {
  TTips tips = Four;
  tips[12] = "1";
  TKeyColumns c;
  TKulcs k = test::KeyOfColumns(tips, 2, c);
  c[1][12] = 2;
  return {Put(dir, "kvbatch_a.key", Four, 14), Put(dir, "kvbatch_b.key", k, c)};
}

TFilePair NoBaseTip(const fs::path& dir) {
  TKeyColumns c = {Col({{1, "1"}})};
  TKulcs k;
  ComputeKeyCounts(k, c);
  k.oszlopHossz = 1;
  return {Put(dir, "kvbatch_a.key", k, c), Put(dir, "kvbatch_b.key", Tips({{2, "X2"}}), 1)};
}

INSTANTIATE_TEST_SUITE_P(
    Table, BatchKeyRefusal,
    ::testing::Values(
        TRefusalCase{"SumOver50", "add", SumOver50,
                     "-:-:-:-: A kiválasztott két kulcs összeadásával létrejövő új kulcs oszlopszáma túllépné a "
                     "maximális méretet, amely 50."},
        TRefusalCase{"ProductOver13Matches", "mul", ProductOver13Matches,
                     "-:-:-:-: A kiválasztott két kulcs nem szorozható össze, mert a háromesélyek és kétesélyek "
                     "számának összege meghaladja a 13-at."},
        TRefusalCase{"ProductOver50", "mul", ProductOver50,
                     "-:-:-:-: A kiválasztott két kulcs szorzásával létrejövő új kulcs oszlopszáma túllépné a "
                     "maximális méretet, amely 50."},
        TRefusalCase{"EmptyDifference", "sub", SelfMinusSelf, "1:OszlopSG:0:1: " + std::string(KeyMsgNoColumn)},
        TRefusalCase{"GapScrolledIntoView", "add", GapInColumn12, "1:OszlopSG:6:9: " + std::string(KeyMsgIncomplete)},
        TRefusalCase{"ForeignSignScrolledIntoView", "add", ForeignSignInColumn16,
                     "1:OszlopSG:9:16: " + std::string(KeyMsgForeignSign)},
        TRefusalCase{"DifferenceWithoutBaseTip", "sub", NoBaseTip,
                     "1:AlaptippSG:0:1: " + std::string(KeyMsgNoBaseTip)}),
    [](const ::testing::TestParamInfo<TRefusalCase>& p) { return std::string(p.param.name); });

TEST_F(BatchKeyTest, UnusableArguments) {
  std::string a = Write("kvbatch_a.key", Four, 2);
  WriteRaw("kvbatch_not.key", {1, 2, 3});
  const std::vector<std::vector<std::string>> cases = {
      {}, {"add", a}, {"add", a, a, a}, {"add", a, "kvbatch_missing.key"}, {"mul", "kvbatch_not.key", a}, {"div", a, a},
  };
  for (const auto& args : cases) {
    TRun r = Key(args);
    EXPECT_EQ(r.status, 2) << (args.empty() ? "" : args[0]);
    EXPECT_NE(r.err, "");
    EXPECT_EQ(r.out, "");
  }
  EXPECT_TRUE(KeyFiles().empty());

  EXPECT_EQ(Key({"tickets", (dir_ / "missing.dat").string()}).status, 2);
}

// The tickets of a bet saved as a key: one collective record standing for
// the whole base tip (1X on match 1, X2 on match 3) becomes a one-column key.
TEST_F(BatchKeyTest, TicketsOfABetBecomeAKey) {
  TBevitel be;
  for (auto& a : be.alaptipp) a = "1";
  be.alaptipp[0] = "1X";
  be.alaptipp[2] = "X2";
  ASSERT_TRUE(WriteTipsFile(dir_ / "het.dat", be).ok);
  TRun r = Key({"tickets", (dir_ / "het.dat").string()});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "k0000001.key\n");
  TKulcs k;
  TKeyColumns cols;
  ASSERT_TRUE(ReadKeyFile(dir_, "k0000001.key", k, cols));
  ASSERT_EQ(cols.size(), 1u);
  EXPECT_EQ(cols[0][0], 3);
  EXPECT_EQ(cols[0][2], 6);
  EXPECT_EQ(k.oszlopszam, 4);
}

TEST_F(BatchKeyTest, ImportIsHostedHere) {
  fs::create_directory(dir_ / "be");
  WriteRaw("be/harom.txt", {'1', 'X', '2', '\r', '\n', 'X', '2', '1', '\r', '\n'});
  TRun r = Key({"import", "txt", (dir_ / "be" / "harom.txt").string()});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "k0000001.key\n");
  EXPECT_EQ(Key({"import"}).status, 2);
}

// ---- keys ----

TEST_F(BatchKeyTest, KeysListsTheFolderInListOrder) {
  TKeyColumns c;
  ASSERT_TRUE(CreateKeyFile(dir_, test::KeyWithIndex(7, 0, c, "Első"), c).ok);
  ASSERT_TRUE(CreateKeyFile(dir_, test::KeyWithIndex(0, 3, c, "Má\tsodik"), c).ok);
  WriteRaw("zaj.key", {1, 2, 3});
  TRun r = Keys({}, dir_);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "1\tk0000002.key\tMá sodik\t0-3-10\t8\n"
                   "2\tk0000001.key\tElső\t7-0-6\t2187\n");

  fs::remove(dir_ / "k0000001.key");
  fs::remove(dir_ / "k0000002.key");
  EXPECT_EQ(Keys({}, dir_).out, "");
  EXPECT_EQ(Keys({}, dir_ / "nincs").status, 2);
  EXPECT_EQ(Keys({"x"}, dir_).status, 2);
}

} // namespace
} // namespace kv

#include "keys/KeyList.h"

#include "KeyTestDir.h"
#include "keys/KeyFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>

namespace kv {
namespace {

namespace fs = std::filesystem;

class KeyListTest : public test::TKeyDirTest {
protected:
  TKulcs WriteKey(const std::string& name, int harmas, int kettes, const std::string& nev = "K") {
    TKeyColumns columns;
    TKulcs k = test::KeyWithIndex(harmas, kettes, columns, nev);
    WriteRaw(name, EncodeKeyFile(k, columns));
    return k;
  }
  // The ".key" files of the folder in the order the folder scan returns them.
  std::vector<std::string> ScanOrder() const {
    std::vector<std::string> names;
    for (const std::string& n : Names())
      if (n.size() > 4 && n.substr(n.size() - 4) == ".key") names.push_back(n);
    return names;
  }
  static std::vector<std::string> FileNames(const TKeyList& list) {
    std::vector<std::string> names;
    for (const TKeyListRec& e : list) names.push_back(e.fileName);
    return names;
  }
};

TEST_F(KeyListTest, EmptyOrMissingFolderGivesAnEmptyList) {
  EXPECT_TRUE(LoadKeyList(dir_).empty());
  EXPECT_TRUE(LoadKeyList(dir_ / "nincs").empty());
}

TEST_F(KeyListTest, AscendingBySortCodeWithTiesInScanOrder) {
  const std::pair<int, int> indexes[] = {{3, 4}, {2, 5}, {3, 4}, {3, 0}, {1, 1}, {3, 4}, {0, 3}, {2, 5}, {3, 4}};
  std::map<std::string, std::uint16_t> codes;
  for (std::size_t i = 0; i < std::size(indexes); ++i) {
    std::string name = "key" + std::to_string(i) + ".key";
    codes[name] = WriteKey(name, indexes[i].first, indexes[i].second).SortCode();
  }
  std::vector<std::string> expected = ScanOrder();
  std::stable_sort(expected.begin(), expected.end(),
                   [&](const std::string& a, const std::string& b) { return codes[a] < codes[b]; });

  TKeyList list = LoadKeyList(dir_);
  EXPECT_EQ(FileNames(list), expected);
  for (const TKeyListRec& e : list) EXPECT_EQ(e.sortCode, codes[e.fileName]);

  auto row = [&](const std::string& name) { return FindKeyInList(list, name); };
  EXPECT_LT(row("key1.key"), row("key3.key")) << "2-5-6 comes before 3-0-10";
}

TEST_F(KeyListTest, OnlyRegularKeyFilesWithAValidHeader) {
  WriteKey("good.key", 2, 2);
  WriteKey("UPPER.KEY", 2, 2);
  WriteKey("renamed.Key", 2, 2);
  WriteKey("valid.dat", 2, 2);
  WriteKey("noextension", 2, 2);
  TKeyColumns columns;
  TBytes bad = EncodeKeyFile(test::KeyWithIndex(2, 2, columns), columns);
  bad[5] = 'x';
  WriteRaw("badmagic.key", bad);
  WriteRaw("tiny.key", {19, 'K', 'V'});
  fs::create_directory(dir_ / "folder.key");

  std::vector<std::string> listed = FileNames(LoadKeyList(dir_));
  std::sort(listed.begin(), listed.end());
  EXPECT_EQ(listed, (std::vector<std::string>{"UPPER.KEY", "good.key", "renamed.Key"}));
}

TEST_F(KeyListTest, TheThousandthKeyIsNotListed) {
  for (int i = 0; i < 1000; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "m%04d.key", i);
    WriteKey(name, 1, 1);
  }
  std::vector<std::string> scanned = ScanOrder();
  ASSERT_EQ(scanned.size(), 1000u);
  scanned.pop_back();
  EXPECT_EQ(FileNames(LoadKeyList(dir_)), scanned);
}

TEST_F(KeyListTest, RowTextsShowNameIndexAndAlignedColumnCount) {
  const std::pair<std::int32_t, std::string> counts[] = {
      {1234567, "1 234 567"},
      {1234, std::string(7, ' ') + "1 234"},
      {24, std::string(12, ' ') + "24"},
      {12345678, "12 345 678"},
  };
  TKeyList list;
  for (std::size_t i = 0; i < std::size(counts); ++i) {
    TKeyColumns columns;
    TKulcs k = test::KeyWithIndex(3, 4, columns, "Próba " + std::to_string(i));
    k.oszlopszam = counts[i].first;
    std::string name = "r" + std::to_string(i) + ".key";
    WriteRaw(name, EncodeKeyFile(k, columns));
    list.push_back({name, k.SortCode()});
  }
  list.push_back({"removed.key", 0});

  auto rows = KeyListRowTexts(dir_, list);
  ASSERT_EQ(rows.size(), list.size());
  for (std::size_t i = 0; i < std::size(counts); ++i) {
    EXPECT_EQ(rows[i][0], "Próba " + std::to_string(i));
    EXPECT_EQ(rows[i][1], "3-4-6");
    EXPECT_EQ(rows[i][2], counts[i].second) << counts[i].first;
  }
  EXPECT_EQ(rows.back(), (std::array<std::string, 3>{}));
}

TEST(KeyListFind, ByFileNameIgnoringAsciiCase) {
  TKeyList list = {{"k0000001.key", 1}, {"Abc.KEY", 2}, {"abc.key", 3}, {"é.key", 4}};
  EXPECT_EQ(FindKeyInList(list, "K0000001.KEY"), 1);
  EXPECT_EQ(FindKeyInList(list, "aBC.key"), 2);
  EXPECT_EQ(FindKeyInList(list, "abd.key"), 0);
  EXPECT_EQ(FindKeyInList(list, "É.key"), 0) << "accented letters keep their case";
  EXPECT_EQ(FindKeyInList({}, "abc.key"), 0);
}

TEST_F(KeyListTest, BySignatureFindsTheKeyAndMissesAChangedOne) {
  WriteKey("other.key", 2, 3);
  WriteKey("first.key", 2, 2);
  TKeyColumns columns;
  TKulcs target = test::KeyWithIndex(2, 2, columns);
  columns = {{7, 7, 3, 3}, {1, 2, 1, 2}};
  ComputeKeyCounts(target, columns);
  WriteRaw("second.key", EncodeKeyFile(target, columns));
  TKeyList list = LoadKeyList(dir_);
  const TKulcsAzonosito id = KeyIdentity(target);

  EXPECT_EQ(FindKeyBySignature(dir_, list, id), FindKeyInList(list, "second.key"));
  TKulcsAzonosito otherCode = id;
  otherCode.sortCode += 32;
  EXPECT_EQ(FindKeyBySignature(dir_, list, otherCode), 0);

  // The same counts, one cell changed: only the checksum tells them apart.
  columns[1][0] = 4;
  TKulcs changed = target;
  ComputeKeyCounts(changed, columns);
  ASSERT_NE(changed.ellenorzo, target.ellenorzo);
  ASSERT_TRUE(RewriteKeyFile(dir_, "second.key", changed, columns).ok);
  EXPECT_EQ(FindKeyBySignature(dir_, list, id), 0);
  EXPECT_EQ(FindKeyBySignature(dir_, list, KeyIdentity(changed)), FindKeyInList(list, "second.key"));
}

} // namespace
} // namespace kv

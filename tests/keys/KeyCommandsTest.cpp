#include "keys/KeyCommands.h"

#include "KeyBuilders.h"
#include "KeyTestDir.h"
#include "keys/KeyArithmetic.h"
#include "keys/KeyEditorCheck.h"
#include "keys/KeyFile.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kv {
namespace {

namespace fs = std::filesystem;
using test::Col;
using test::Tips;

class KeyCommandsTest : public test::TKeyDirTest {
protected:
  // Writes key files named k0000001.key ... with the given indexes, in order.
  void WriteKeys(std::initializer_list<std::pair<int, int>> indexes) {
    for (auto [h, k] : indexes) {
      TKeyColumns c;
      ASSERT_TRUE(CreateKeyFile(dir_, test::KeyWithIndex(h, k, c), c).ok);
    }
  }
  std::vector<std::string> SortedNames() const {
    std::vector<std::string> n = Names();
    std::sort(n.begin(), n.end());
    return n;
  }
  std::string RowName(const TKeyCommandResult& r, int row) const {
    return row >= 1 && row <= static_cast<int>(r.list.size()) ? r.list[static_cast<std::size_t>(row) - 1].fileName : "";
  }

  std::vector<std::string> captions_;
  // The user writes one 1-1-11 key with three columns and presses OK.
  TKeyEditor TypeAKey() {
    return [this](std::string_view caption, TKulcs& h, TKeyColumns& c, THiba& hiba) {
      captions_.emplace_back(caption);
      TKeyEditorModel m = OpenKeyEditor(h, c);
      m.nev = "Begépelt";
      m.alaptipp = Tips({{1, "1X2"}, {2, "1X"}});
      m.oszlopok[0] = Col({{1, "1"}, {2, "1X"}});
      m.oszlopok[1] = Col({{1, "X"}, {2, "1"}});
      m.oszlopok[2] = Col({{1, "2"}, {2, "X"}});
      if (!KeyEditorCheck(m, h, hiba)) return false;
      c = m.oszlopok;
      return true;
    };
  }
  TKeyEditor Cancel() {
    return [this](std::string_view caption, TKulcs&, TKeyColumns&, THiba&) {
      captions_.emplace_back(caption);
      return false;
    };
  }
};

// ---- New keys ----

TEST_F(KeyCommandsTest, NewKeyTakesTheFirstFreeNameAndIsSelected) {
  WriteKeys({{0, 3}, {2, 2}, {3, 3}});
  fs::remove(dir_ / "k0000002.key");
  TKeyColumns store = {Col({{4, "1"}})};
  TKeyCommandResult r = NewKeyCommand(dir_, store, PrepareEmptyKey, TypeAKey());
  ASSERT_EQ(r.status, TKeyCommandStatus::Done) << r.error;
  EXPECT_EQ(r.fileName, "k0000002.key");
  EXPECT_EQ(captions_, std::vector<std::string>{"Új kulcs"});
  EXPECT_TRUE(store.empty());
  ASSERT_TRUE(r.reloaded);
  ASSERT_EQ(r.list.size(), 3u);
  EXPECT_EQ(r.selectRow, 2) << "1-1-11 sorts between 0-3-10 and 3-3-7";
  EXPECT_EQ(RowName(r, r.selectRow), "k0000002.key");

  TKulcs back;
  TKeyColumns cols;
  ASSERT_TRUE(ReadKeyFile(dir_, r.fileName, back, cols));
  EXPECT_EQ(back.nev, "Begépelt");
  EXPECT_EQ(back.oszlopszam, 2 + 1 + 1);
  EXPECT_EQ(cols.size(), 3u) << "the empty records the editor added are not written";
}

TEST_F(KeyCommandsTest, TheEmptyKeyGoesToTheEditorBlank) {
  TKeyColumns store = {Col({{4, "1"}})};
  TKulcs seen;
  TKeyColumns seenColumns = {Col({{1, "1"}})};
  auto look = [&](std::string_view, TKulcs& h, TKeyColumns& c, THiba&) {
    seen = h;
    seenColumns = c;
    return false;
  };
  TKeyCommandResult r = NewKeyCommand(dir_, store, PrepareEmptyKey, look);
  EXPECT_EQ(r.status, TKeyCommandStatus::Cancelled);
  EXPECT_FALSE(r.reloaded);
  TKulcs blank;
  blank.nev = "Új kulcs";
  EXPECT_EQ(seen, blank);
  EXPECT_EQ(seen.azonosito, KeyMagic);
  EXPECT_TRUE(seenColumns.empty());
  EXPECT_TRUE(Names().empty());
  EXPECT_TRUE(store.empty());
}

TEST_F(KeyCommandsTest, ARefusedPreparationOrEditWritesNothing) {
  THiba tooLarge;
  tooLarge.uzenet = "túl nagy";
  auto failing = [&](TKulcs&, TKeyColumns&, THiba& h) {
    h = tooLarge;
    return false;
  };
  TKeyColumns store;
  TKeyCommandResult r = NewKeyCommand(dir_, store, failing, TypeAKey());
  EXPECT_EQ(r.status, TKeyCommandStatus::Refused);
  EXPECT_EQ(r.hiba.uzenet, "túl nagy");
  EXPECT_TRUE(captions_.empty()) << "the editor does not open";

  // A difference of a key with itself is empty: the editor's OK refuses it.
  WriteKeys({{1, 1}});
  auto selfMinusSelf = [&](TKulcs& h, TKeyColumns& c, THiba& hiba) {
    return SubtractKeys(h, c, dir_ / "k0000001.key", dir_ / "k0000001.key", hiba);
  };
  r = NewKeyCommand(dir_, store, selfMinusSelf, OkWithoutEdit);
  EXPECT_EQ(r.status, TKeyCommandStatus::Refused);
  EXPECT_EQ(r.hiba.uzenet, KeyMsgNoColumn);
  EXPECT_EQ(Names(), std::vector<std::string>{"k0000001.key"});
  EXPECT_TRUE(store.empty());
}

TEST_F(KeyCommandsTest, AFailedWriteLeavesNoFileAndNoReload) {
  WriteKeys({{1, 1}});
  for (std::size_t failAfter : {0u, 1u, 999u, 1000u, 1001u}) {
    SCOPED_TRACE(failAfter);
    TKeyColumns store;
    TKeyCommandResult r = NewKeyCommand(dir_, store, PrepareEmptyKey, TypeAKey(), TWriteFault{failAfter});
    EXPECT_EQ(r.status, TKeyCommandStatus::Failed);
    EXPECT_EQ(r.error, "A fájl írása nem sikerült: nincs elég szabad hely a lemezen");
    EXPECT_FALSE(r.reloaded);
    EXPECT_EQ(SortedNames(), std::vector<std::string>{"k0000001.key"});
    EXPECT_TRUE(store.empty());
  }
}

// ---- Modify ----

TEST_F(KeyCommandsTest, ModifiedKeyMovesInTheListAndStaysSelected) {
  WriteKeys({{0, 1}, {0, 2}, {3, 3}});
  TKeyList list = LoadKeyList(dir_);
  ASSERT_EQ(list[0].fileName, "k0000001.key");
  TKeyColumns store;
  TKeyCommandResult r = ModifyKeyCommand(dir_, list, 1, store, TypeAKey());
  ASSERT_EQ(r.status, TKeyCommandStatus::Done) << r.error;
  EXPECT_EQ(captions_, std::vector<std::string>{"Kulcs módosítása"});
  EXPECT_EQ(r.fileName, "k0000001.key");
  EXPECT_EQ(r.selectRow, 2) << "1-1-11 now sorts after 0-2-11";
  EXPECT_EQ(RowName(r, r.selectRow), "k0000001.key");
  EXPECT_EQ(SortedNames(), (std::vector<std::string>{"k0000001.key", "k0000002.key", "k0000003.key"}));
  TKulcs back;
  ASSERT_TRUE(ReadKeyHeader(dir_, "k0000001.key", back));
  EXPECT_EQ(back.nev, "Begépelt");
  EXPECT_TRUE(store.empty());
}

TEST_F(KeyCommandsTest, TheEditorSeesTheKeyAsStored) {
  TKeyColumns c = {Col({{3, "X2"}}), Col({{3, "2"}})};
  TKulcs k;
  k.nev = "Régi";
  k.alaptipp[2] = "X2";
  ComputeKeyCounts(k, c);
  ASSERT_TRUE(CreateKeyFile(dir_, k, c).ok);
  const TBytes before = ReadRaw("k0000001.key");

  TKulcs seen;
  TKeyColumns seenColumns;
  auto look = [&](std::string_view, TKulcs& h, TKeyColumns& cols, THiba&) {
    seen = h;
    seenColumns = cols;
    return false;
  };
  TKeyColumns store;
  TKeyCommandResult r = ModifyKeyCommand(dir_, LoadKeyList(dir_), 1, store, look);
  EXPECT_EQ(r.status, TKeyCommandStatus::Cancelled);
  EXPECT_EQ(seen, k);
  EXPECT_EQ(seenColumns, c);
  EXPECT_EQ(ReadRaw("k0000001.key"), before);
  EXPECT_TRUE(store.empty());
}

// The old file stays whole whatever byte the write fails at; the list is
// reloaded from the disk and the key stays selected.
TEST_F(KeyCommandsTest, AFailedRewriteKeepsTheOldFile) {
  WriteKeys({{0, 1}, {0, 2}});
  const TBytes before = ReadRaw("k0000001.key");
  for (std::size_t failAfter : {0u, 20u, 999u, 1000u, 1004u}) {
    SCOPED_TRACE(failAfter);
    TKeyColumns store;
    TKeyCommandResult r = ModifyKeyCommand(dir_, LoadKeyList(dir_), 1, store, TypeAKey(), TWriteFault{failAfter});
    EXPECT_EQ(r.status, TKeyCommandStatus::Failed);
    EXPECT_EQ(r.error, "A fájl írása nem sikerült: nincs elég szabad hely a lemezen");
    EXPECT_EQ(ReadRaw("k0000001.key"), before);
    EXPECT_EQ(SortedNames(), (std::vector<std::string>{"k0000001.key", "k0000002.key"}));
    ASSERT_TRUE(r.reloaded);
    EXPECT_EQ(RowName(r, r.selectRow), "k0000001.key");
  }
}

TEST_F(KeyCommandsTest, AReadOnlyKeyIsRewritten) {
  WriteKeys({{0, 1}});
  fs::permissions(dir_ / "k0000001.key", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  TKeyColumns store;
  TKeyCommandResult r = ModifyKeyCommand(dir_, LoadKeyList(dir_), 1, store, TypeAKey());
  ASSERT_EQ(r.status, TKeyCommandStatus::Done) << r.error;
  TKulcs back;
  ASSERT_TRUE(ReadKeyHeader(dir_, "k0000001.key", back));
  EXPECT_EQ(back.nev, "Begépelt");
}

// ---- Delete ----

TEST_F(KeyCommandsTest, DeleteSelectsTheSameRowOrTheNewLastOne) {
  struct {
    int keys, row, selected;
  } cases[] = {{5, 5, 4}, {5, 2, 2}, {5, 1, 1}, {1, 1, 0}};
  for (auto c : cases) {
    SCOPED_TRACE(std::to_string(c.keys) + " keys, row " + std::to_string(c.row));
    for (const std::string& n : Names()) fs::remove(dir_ / n);
    for (int i = 0; i < c.keys; ++i) WriteKeys({{0, i + 1}}); // k000000i sorts at row i
    TKeyList list = LoadKeyList(dir_);
    const std::string gone = list[static_cast<std::size_t>(c.row) - 1].fileName;
    const std::string next = c.row < c.keys ? list[static_cast<std::size_t>(c.row)].fileName : "";
    TKeyCommandResult r = DeleteKeyCommand(dir_, list, c.row);
    ASSERT_EQ(r.status, TKeyCommandStatus::Done);
    EXPECT_EQ(r.fileName, gone);
    EXPECT_FALSE(fs::exists(dir_ / gone));
    EXPECT_EQ(r.list.size(), static_cast<std::size_t>(c.keys - 1));
    EXPECT_EQ(r.selectRow, c.selected);
    if (!next.empty()) {
      EXPECT_EQ(RowName(r, r.selectRow), next) << "the row now shows the next key";
    }
  }
}

TEST_F(KeyCommandsTest, AReadOnlyKeyIsNotDeleted) {
  WriteKeys({{0, 1}, {0, 2}});
  fs::permissions(dir_ / "k0000002.key", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  TKeyCommandResult r = DeleteKeyCommand(dir_, LoadKeyList(dir_), 2);
  EXPECT_TRUE(fs::exists(dir_ / "k0000002.key"));
  EXPECT_EQ(r.list.size(), 2u);
  EXPECT_EQ(r.selectRow, 2);
  EXPECT_TRUE(r.hiba.uzenet.empty() && r.error.empty());
}

TEST_F(KeyCommandsTest, NoSelectedKeyNoCommand) {
  TKeyColumns store;
  EXPECT_EQ(DeleteKeyCommand(dir_, {}, 0).status, TKeyCommandStatus::Cancelled);
  EXPECT_EQ(ModifyKeyCommand(dir_, {}, 1, store, TypeAKey()).status, TKeyCommandStatus::Cancelled);
  EXPECT_TRUE(captions_.empty());
}

} // namespace
} // namespace kv

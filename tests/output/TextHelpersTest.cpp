#include "output/TextHelpers.h"

#include <gtest/gtest.h>

#include <fstream>
#include <limits>
#include <random>

namespace kv {
namespace {

namespace fs = std::filesystem;

TEST(SpaceStr, CountsAndNothingBelowOne) {
  EXPECT_EQ(SpaceStr(3), "   ");
  EXPECT_EQ(SpaceStr(0), "");
  EXPECT_EQ(SpaceStr(-4), "");
}

TEST(RemoveSpaces, DropsOnlyTheSpaceCharacter) {
  EXPECT_EQ(RemoveSpaces("1 , X , 2"), "1,X,2");
  EXPECT_EQ(RemoveSpaces("   "), "");
  EXPECT_EQ(RemoveSpaces("\t\xE1 b\r\n"), "\t\xE1"
                                          "b\r\n"); // other bytes, code-page letters too, stay in order
}

struct TNumberCase {
  bool showZero, grouping;
  int spacesPerDigit;
  std::int64_t reference, value;
  const char* expected;
};

TEST(FormatNumber, Table) {
  const TNumberCase cases[] = {
      // as every caller uses it: grouped, no spaces in front
      {true, true, 2, 0, 0, "0"},
      {false, true, 2, 0, 0, ""},
      {false, true, 2, 0, 5, "5"},
      {true, true, 2, 0, 999, "999"},
      {true, true, 2, 0, 1000, "1 000"},
      {true, true, 2, 0, 100000, "100 000"},
      {true, true, 2, 0, 1234567, "1 234 567"},
      {true, true, 2, 0, -1234567, "-1 234 567"},
      {true, true, 2, 0, -123, "-123"},
      {true, true, 2, 0, std::numeric_limits<std::int64_t>::max(), "9 223 372 036 854 775 807"},
      {true, true, 2, 0, std::numeric_limits<std::int64_t>::min(), "-9 223 372 036 854 775 808"},
      {true, false, 2, 0, 1234567, "1234567"},
      // lined up under a reference: spacesPerDigit for each missing digit, one for each missing group space
      {true, true, 2, 1000000, 1000000, "1 000 000"},
      {true, true, 2, 1000000, 1234, "       1 234"},
      {true, true, 2, 1000000, 5, "              5"},
      {true, true, 2, 1000, 0, "       0"},
      {false, true, 2, 1000, 0, ""},
      {true, false, 2, 1000, 5, "      5"},
      {true, false, 1, 1000, 5, "   5"},
      {true, false, 0, 1000, 5, "5"},
      {true, true, 2, 999, 5, "    5"},
      {true, true, 2, 5, 123456, "123 456"}, // wider than the reference: nothing in front
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatNumber(c.showZero, c.grouping, c.spacesPerDigit, c.reference, c.value), c.expected)
        << c.showZero << c.grouping << " " << c.spacesPerDigit << " " << c.reference << " " << c.value;
}

TEST(ArticleFor, Table) {
  const std::pair<const char*, const char*> cases[] = {
      {"oszlop", "az"},     {"darabszám", "a"},
      {"egy", "az"},        {"nulla", "a"},
      {"Ötös", "az"},       {"Y", "az"},
      {"y", "az"},          {"W", "az"},
      {"w", "az"},          {"X", "a"},
      {"q", "a"},           {"Z", "a"},
      {"b", "a"},           {"Érték", "az"},
      {"ügy", "az"},        {"1", "az"},
      {"2", "az"},          {"5", "az"},
      {"50", "az"},         {"1000", "az"},
      {".txt", "az"},       {"eredmeny.txt", "az"},
      {"kimenet.txt", "a"}, {"_", "az"},
      {"\xC9rt", "az"},     {"", "az"},
  };
  for (auto [text, article] : cases) EXPECT_EQ(ArticleFor(text, false), article) << text;
}

TEST(ArticleFor, CapitalFlagRaisesTheFirstLetter) {
  EXPECT_EQ(ArticleFor("oszlop", true), "Az");
  EXPECT_EQ(ArticleFor("darabszám", true), "A");
  EXPECT_EQ(WithArticle("oszlop", false), "az oszlop");
  EXPECT_EQ(WithArticle("Darabszám", true), "A Darabszám");
  EXPECT_EQ(WithArticle("12.txt", true), "Az 12.txt");
}

class TextFileDir : public ::testing::Test {
protected:
  void SetUp() override {
    std::random_device rd;
    dir_ = fs::temp_directory_path() /
           ("kvtext_" + std::to_string(rd()) + "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  void Write(const fs::path& p, const std::string& bytes) const {
    std::ofstream out(p, std::ios::binary);
    out << bytes;
  }
  std::string Read(const fs::path& p) const {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  std::size_t FileCount() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
  }
  fs::path dir_;
};

TEST_F(TextFileDir, TryDeleteFileDeletesFilesOnly) {
  const fs::path file = dir_ / "a.txt";
  Write(file, "x");
  EXPECT_TRUE(TryDeleteFile(file));
  EXPECT_FALSE(fs::exists(file));
  EXPECT_FALSE(TryDeleteFile(file));
  fs::create_directory(dir_ / "sub");
  EXPECT_FALSE(TryDeleteFile(dir_ / "sub"));
  EXPECT_TRUE(fs::exists(dir_ / "sub"));
}

TEST_F(TextFileDir, CreateModeReplacesTheFileWithTheLinesAndCrLf) {
  const fs::path file = dir_ / "out.txt";
  Write(file, "old content that is longer than the new one\r\n");
  TFileWriter w(file);
  w.WriteLine("1. szelv\xE9ny"); // bytes in the disk's code page, written as they are
  w.WriteLine("");
  w.WriteLine("1X2");
  EXPECT_EQ(Read(file), "old content that is longer than the new one\r\n") << "nothing reaches the disk before Commit";
  TWriteResult r = w.Commit();
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(Read(file), "1. szelv\xE9ny\r\n\r\n1X2\r\n");
  EXPECT_EQ(FileCount(), 1u);
}

TEST_F(TextFileDir, AppendModeAddsAfterTheOldContentOrMakesTheFile) {
  const fs::path file = dir_ / "out.txt";
  Write(file, "elso\r\n");
  TFileWriter w(file, TOpenMode::Append);
  EXPECT_TRUE(w.Opened());
  w.WriteLine("masodik");
  ASSERT_TRUE(w.Commit().ok);
  EXPECT_EQ(Read(file), "elso\r\nmasodik\r\n");

  const fs::path fresh = dir_ / "uj.txt";
  TFileWriter n(fresh, TOpenMode::Append);
  n.WriteLine("a");
  ASSERT_TRUE(n.Commit().ok);
  EXPECT_EQ(Read(fresh), "a\r\n");
}

TEST_F(TextFileDir, AWriterDroppedBeforeCommitWritesNothing) {
  {
    TFileWriter w(dir_ / "out.txt");
    w.WriteLine("lost");
  }
  EXPECT_EQ(FileCount(), 0u);
}

TEST_F(TextFileDir, AFailedCommitLeavesTheOldFileWhole) {
  const fs::path file = dir_ / "out.txt";
  Write(file, "regi\r\n");
  for (TOpenMode mode : {TOpenMode::Create, TOpenMode::Append}) {
    TFileWriter w(file, mode);
    for (int i = 0; i < 100; ++i) w.WriteLine("sor " + std::to_string(i));
    TWriteResult r = w.Commit(TWriteFault{50});
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.empty());
    EXPECT_EQ(Read(file), "regi\r\n");
    EXPECT_EQ(FileCount(), 1u) << "no temporary file is left behind";
  }
}

TEST_F(TextFileDir, AppendingToSomethingUnreadableFailsAtCommitWithoutThrowing) {
  const fs::path folder = dir_ / "out.txt";
  fs::create_directory(folder);
  TFileWriter w(folder, TOpenMode::Append);
  EXPECT_FALSE(w.Opened());
  w.WriteLine("x");
  EXPECT_TRUE(w.Content().empty());
  TWriteResult r = w.Commit();
  EXPECT_FALSE(r.ok);
  EXPECT_FALSE(r.error.empty());
  EXPECT_TRUE(fs::is_directory(folder));
}

TEST_F(TextFileDir, AReadOnlyTargetIsWritten) {
  const fs::path file = dir_ / "out.txt";
  Write(file, "regi\r\n");
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  TFileWriter w(file, TOpenMode::Append);
  w.WriteLine("uj");
  ASSERT_TRUE(w.Commit().ok);
  EXPECT_EQ(Read(file), "regi\r\nuj\r\n");
}

} // namespace
} // namespace kv

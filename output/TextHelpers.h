#pragma once
// Small text helpers the dialogs and the text export share, and the line
// writer of text files. None of them keeps state between calls.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "engine/FileIo.h"

namespace kv {

// n spaces; empty when n is 0 or negative.
std::string SpaceStr(int n);

// The text without any space (32); every other byte stays, in order.
std::string RemoveSpaces(std::string_view text);

// The value in decimal. With grouping a space separates each group of three
// digits from the right. In front go the spaces that line the number up under
// the reference value when one digit is as wide as spacesPerDigit spaces and
// one group space as wide as a space. A zero value with showZero off is "".
std::string FormatNumber(bool showZero, bool grouping, int spacesPerDigit, std::int64_t reference, std::int64_t value);

// "a" before a text starting with one of the consonants B C D F G H J K L M N
// P Q R S T V X Z (either case), "az" before anything else: vowels, W, Y,
// digits, accented letters, punctuation and the empty text. capital gives
// "A" / "Az".
std::string_view ArticleFor(std::string_view text, bool capital);

// ArticleFor(text), one space, the text.
std::string WithArticle(std::string_view text, bool capital);

// Deletes the file; false on any failure, a folder or a missing file included.
bool TryDeleteFile(const std::filesystem::path& path);

enum class TOpenMode {
  Create, // the new content replaces the file
  Append  // the new lines follow what the file already holds
};

// Collects the lines of a text file in memory and puts them on the disk in one
// Commit, through ReplaceFileSafely: a failed write leaves the old file (or no
// file) as it was, never half of the new one. Lines are the bytes given,
// already in the disk's code page, each followed by CR LF. Nothing throws:
// when an existing file to append to cannot be read, WriteLine does nothing
// and Commit reports the failure. A writer destroyed before Commit writes
// nothing.
class TFileWriter {
public:
  explicit TFileWriter(std::filesystem::path path, TOpenMode mode = TOpenMode::Create);
  TFileWriter(const TFileWriter&) = delete;
  TFileWriter& operator=(const TFileWriter&) = delete;
  TFileWriter(TFileWriter&&) = default;
  TFileWriter& operator=(TFileWriter&&) = default;
  ~TFileWriter() = default;

  void WriteLine(std::string_view bytes);

  // Writes everything written so far; may be called again after more lines.
  TWriteResult Commit(const TWriteFault& fault = {});

  bool Opened() const { return error_.empty(); } // false when the file to append to could not be read
  const TBytes& Content() const { return content_; }

private:
  std::filesystem::path path_;
  TBytes content_;
  std::string error_;
};

} // namespace kv

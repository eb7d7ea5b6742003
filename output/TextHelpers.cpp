#include "output/TextHelpers.h"

#include <optional>
#include <utility>

namespace kv {

namespace fs = std::filesystem;

namespace {

// The largest text file a writer extends: far beyond any ticket export.
constexpr std::size_t AppendReadCap = std::size_t{256} << 20;

constexpr std::string_view ConsonantsBeforeA = "BCDFGHJKLMNPQRSTVXZ";

// The digits of text (after any sign) with a space before every group of three
// counted from the right; returns how many spaces went in.
int InsertGroupSpaces(std::string& text) {
  const std::size_t first = (!text.empty() && text[0] == '-') ? 1 : 0;
  const std::size_t digits = text.size() - first;
  std::string out = text.substr(0, first);
  int inserted = 0;
  for (std::size_t i = 0; i < digits; ++i) {
    if (i > 0 && (digits - i) % 3 == 0) {
      out += ' ';
      ++inserted;
    }
    out += text[first + i];
  }
  text = std::move(out);
  return inserted;
}

} // namespace

std::string SpaceStr(int n) { return n > 0 ? std::string(static_cast<std::size_t>(n), ' ') : std::string(); }

std::string RemoveSpaces(std::string_view text) {
  std::string r;
  r.reserve(text.size());
  for (char c : text)
    if (c != ' ') r += c;
  return r;
}

// The padding counts the digits of the value before grouping: a number lines
// up under the reference only when both are measured in digits, the group
// spaces being accounted for separately by G.
std::string FormatNumber(bool showZero, bool grouping, int spacesPerDigit, std::int64_t reference, std::int64_t value) {
  if (value == 0 && !showZero) return {};
  const std::string r = std::to_string(reference);
  std::string v = std::to_string(value);
  const auto rLength = static_cast<std::int64_t>(r.size());
  const auto vLength = static_cast<std::int64_t>(v.size());
  std::int64_t groups = 0;
  if (grouping) groups = (rLength - 1) / 3 - InsertGroupSpaces(v);
  const std::int64_t pad = groups + std::int64_t{spacesPerDigit} * (rLength - vLength);
  return (pad > 0 ? std::string(static_cast<std::size_t>(pad), ' ') : std::string()) + v;
}

std::string_view ArticleFor(std::string_view text, bool capital) {
  bool consonant = false;
  if (!text.empty()) {
    char c = text[0];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    consonant = ConsonantsBeforeA.find(c) != std::string_view::npos;
  }
  if (consonant) return capital ? "A" : "a";
  return capital ? "Az" : "az";
}

std::string WithArticle(std::string_view text, bool capital) {
  std::string r(ArticleFor(text, capital));
  r += ' ';
  r += text;
  return r;
}

bool TryDeleteFile(const fs::path& path) {
  std::error_code ec;
  const fs::file_status st = fs::symlink_status(path, ec);
  if (ec || !fs::exists(st) || fs::is_directory(st)) return false;
  return fs::remove(path, ec) && !ec;
}

TFileWriter::TFileWriter(fs::path path, TOpenMode mode) : path_(std::move(path)) {
  if (mode != TOpenMode::Append) return;
  std::error_code ec;
  const fs::file_status st = fs::status(path_, ec);
  if (st.type() == fs::file_type::not_found) return; // appending to nothing makes the file
  std::optional<TBytes> old;
  if (fs::is_regular_file(st)) old = ReadFileBytes(path_, AppendReadCap);
  if (old)
    content_ = std::move(*old);
  else
    error_ = "A meglévő fájl nem olvasható, ezért nem bővíthető.";
}

void TFileWriter::WriteLine(std::string_view bytes) {
  if (!error_.empty()) return;
  content_.insert(content_.end(), bytes.begin(), bytes.end());
  content_.push_back(13);
  content_.push_back(10);
}

TWriteResult TFileWriter::Commit(const TWriteFault& fault) {
  if (!error_.empty()) return {false, error_};
  return ReplaceFileSafely(path_, content_, fault);
}

} // namespace kv

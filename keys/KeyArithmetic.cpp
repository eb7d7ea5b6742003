#include "keys/KeyArithmetic.h"

#include "engine/Szoveg.h"
#include "keys/KeyEditorCheck.h"
#include "keys/KeyFile.h"

#include <algorithm>
#include <vector>

namespace kv {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view MsgAddTooLarge =
    "A kiválasztott két kulcs összeadásával létrejövő új kulcs oszlopszáma túllépné a maximális méretet, amely ";
constexpr std::string_view MsgMulTooManyMatches =
    "A kiválasztott két kulcs nem szorozható össze, mert a háromesélyek és kétesélyek számának összege "
    "meghaladja a 13-at.";
constexpr std::string_view MsgMulTooLarge =
    "A kiválasztott két kulcs szorzásával létrejövő új kulcs oszlopszáma túllépné a maximális méretet, amely ";
constexpr std::string_view MsgNoTickets = "A kulcsként történő mentés előtt szelvénykészítés szükséges!";
constexpr std::string_view MsgTicketsTooMany = "A szelvények oszlopai nem menthetők kulcsként, mert számuk (";
constexpr std::string_view MsgTicketsTooManyEnd = ") meghaladja a kulcs maximális méretét, amely ";
constexpr std::string_view KeyFromTicketsNotes = "Szelvények mentése kulcsként";

struct TOperand {
  TKulcs header;
  TKeyColumns columns; // KollektivDb + NormalDb records, each zeroed beyond OszlopHossz
  std::string fileName;
};

// A file that is not a readable key gives no columns and an empty base tip,
// so the result is empty and the editor refuses it.
TOperand ReadOperand(const fs::path& file) {
  TOperand op;
  op.fileName = file.filename().string();
  if (!ReadKeyFile(file.parent_path(), op.fileName, op.header, op.columns)) {
    op.header = TKulcs{};
    op.columns.clear();
  }
  return op;
}

int Count(const TOperand& op) { return static_cast<int>(op.columns.size()); }

THiba ErrorBox(std::string uzenet) {
  THiba h;
  h.uzenet = std::move(uzenet);
  return h;
}

std::string WithMaximum(std::string_view text) { return std::string(text) + std::to_string(MaxKeyColumns) + "."; }

void NameResult(TKulcs& header, const TOperand& a, const TOperand& b, std::string_view op) {
  header.nev = std::string(KeyNewName);
  header.egyeb = a.fileName + std::string(op) + b.fileName;
}

// The characters of a UTF-8 text, each as its own byte sequence.
std::vector<std::string_view> Characters(std::string_view s) {
  std::vector<std::string_view> out;
  for (std::size_t i = 0; i < s.size();) {
    std::size_t n = 1;
    while (i + n < s.size() && (static_cast<unsigned char>(s[i + n]) & 0xC0) == 0x80) ++n;
    out.push_back(s.substr(i, n));
    i += n;
  }
  return out;
}

TTipp FirstSign(const std::string& tip) { return TextToTipp(std::string_view(tip).substr(0, 1)); }

// B's signs that the sum's base tip lacks are appended, at most three
// characters in all. The sign is compared and appended upper-cased: a lower
// "x" appended beside an "X" would leave the tip with a sign twice and push
// out the one it lacks, and the editor would then refuse B's columns.
void MergeBaseTip(std::string& tip, const std::string& b) {
  for (std::string_view c : Characters(b)) {
    std::string u = UpperAscii(c);
    if (Utf8Length(tip) < KeyAlaptippCapacity && UpperAscii(tip).find(u) == std::string::npos) tip += u;
  }
}

} // namespace

bool AddKeys(TKulcs& header, TKeyColumns& columns, const fs::path& fileA, const fs::path& fileB, THiba& hiba) {
  columns.clear();
  TOperand a = ReadOperand(fileA), b = ReadOperand(fileB);
  const int nA = Count(a), nB = Count(b);
  if (nA + nB > MaxKeyColumns) {
    hiba = ErrorBox(WithMaximum(MsgAddTooLarge));
    return false;
  }
  columns = a.columns;
  columns.insert(columns.end(), b.columns.begin(), b.columns.end());

  header.alaptipp = a.header.alaptipp;
  for (int i = 0; i < MatchCount; ++i) {
    const std::string& ta = a.header.alaptipp[i];
    const std::string& tb = b.header.alaptipp[i];
    // A key that leaves a match out plays it as the other key's first sign.
    if (ta.empty() && !tb.empty())
      for (int r = 0; r < nA; ++r) columns[r][i] = FirstSign(tb);
    if (tb.empty() && !ta.empty())
      for (int r = nA; r < nA + nB; ++r) columns[r][i] = FirstSign(ta);
    MergeBaseTip(header.alaptipp[i], tb);
  }
  NameResult(header, a, b, " + ");
  return true;
}

bool SubtractKeys(TKulcs& header, TKeyColumns& columns, const fs::path& fileA, const fs::path& fileB, THiba&) {
  columns.clear();
  TOperand a = ReadOperand(fileA), b = ReadOperand(fileB);
  header.alaptipp = a.header.alaptipp;
  const auto length = static_cast<std::ptrdiff_t>(std::clamp<std::int32_t>(a.header.oszlopHossz, 0, MatchCount));
  for (const TOszlop& ca : a.columns) {
    bool inB = std::any_of(b.columns.begin(), b.columns.end(),
                           [&](const TOszlop& cb) { return std::equal(ca.begin(), ca.begin() + length, cb.begin()); });
    if (!inB) columns.push_back(ca);
  }
  NameResult(header, a, b, " - ");
  return true;
}

bool MultiplyKeys(TKulcs& header, TKeyColumns& columns, const fs::path& fileA, const fs::path& fileB, THiba& hiba) {
  columns.clear();
  TOperand a = ReadOperand(fileA), b = ReadOperand(fileB);
  if (a.header.harmas + a.header.kettes + b.header.harmas + b.header.kettes > MatchCount) {
    hiba = ErrorBox(std::string(MsgMulTooManyMatches));
    return false;
  }
  const int nA = Count(a), nB = Count(b);
  if (nA * nB > MaxKeyColumns) {
    hiba = ErrorBox(WithMaximum(MsgMulTooLarge));
    return false;
  }

  // B's doubled and tripled matches move, in order, onto A's matches that
  // hold at most one sign, in order.
  std::vector<int> fromB, toA;
  for (int m = 0; m < MatchCount; ++m) {
    if (SignCount(TextToTipp(b.header.alaptipp[m])) >= 2) fromB.push_back(m);
    if (SignCount(TextToTipp(a.header.alaptipp[m])) <= 1) toA.push_back(m);
  }
  const std::size_t pairs = std::min(fromB.size(), toA.size());
  header.alaptipp = a.header.alaptipp;
  for (std::size_t p = 0; p < pairs; ++p) header.alaptipp[toA[p]] = b.header.alaptipp[fromB[p]];

  columns.reserve(static_cast<std::size_t>(nA * nB));
  for (const TOszlop& ca : a.columns)
    for (const TOszlop& cb : b.columns) {
      TOszlop o = ca;
      for (std::size_t p = 0; p < pairs; ++p) o[toA[p]] = cb[fromB[p]];
      columns.push_back(o);
    }
  NameResult(header, a, b, " * ");
  return true;
}

bool KeyFromTickets(TKulcs& header, TKeyColumns& columns, const TTicketsForKey& tickets, THiba& hiba) {
  if (!tickets.made) {
    hiba = ErrorBox(std::string(MsgNoTickets));
    return false;
  }
  if (tickets.records.size() > static_cast<std::size_t>(MaxKeyColumns)) {
    hiba = ErrorBox(std::string(MsgTicketsTooMany) + std::to_string(tickets.records.size()) +
                    std::string(MsgTicketsTooManyEnd) + std::to_string(MaxKeyColumns) + ".");
    return false;
  }
  columns.clear();
  for (int m = 0; m < MatchCount; ++m) header.alaptipp[m] = LimitLength(tickets.alaptipp[m], KeyAlaptippCapacity);
  header.alaptipp[MatchCount] = "";
  for (TOszlop o : tickets.records) {
    o[MatchCount] = 0; // a key has no +1 match
    columns.push_back(o);
  }
  std::string stem = fs::path(tickets.tipsFileName).stem().string();
  header.nev = stem.empty() ? std::string(KeyNewName) : LimitLength(stem, KeyNevCapacity);
  header.egyeb = std::string(KeyFromTicketsNotes);
  return true;
}

} // namespace kv

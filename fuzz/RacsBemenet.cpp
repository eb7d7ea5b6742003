#include "fuzz/RacsBemenet.h"

#include <algorithm>
#include <string>
#include <vector>

namespace kv::fuzz {
namespace {

constexpr std::size_t HeadSize = 8;
constexpr std::size_t MaxText = 255;

using TRacs = std::vector<std::string*>;

// The cells the checks and the parser read, grid by grid; the Alaptippek
// list is one grid per match row so that a byte can name its column. The
// cells neither reads (results, prizes, index numbers) are left out, so no
// input is spent on them.
std::vector<TRacs> Racsok(TBevitel& b) {
  std::vector<TRacs> r;
  auto add = [&r](auto& cells) {
    TRacs g;
    for (std::string& s : cells) g.push_back(&s);
    r.push_back(std::move(g));
  };
  add(b.alaptipp);
  r.push_back({&b.plusTipp});
  add(b.plusEloszlas);
  for (auto& a : b.eselyek) add(a);
  for (auto& g : b.globalis)
    for (auto& k : g) add(k);
  for (std::string TFeltetelSor::*oszlop : {&TFeltetelSor::merkozesek, &TFeltetelSor::feltetel, &TFeltetelSor::t,
                                             &TFeltetelSor::min, &TFeltetelSor::max}) {
    TRacs g;
    for (TFeltetelSor& sor : b.feltetelek) g.push_back(&(sor.*oszlop));
    r.push_back(std::move(g));
  }
  r.push_back({&b.szHiba});
  for (std::size_t m = 0; m < b.alaptippek[0].size(); ++m) {
    TRacs g;
    for (auto& oszlop : b.alaptippek) g.push_back(&oszlop[m]);
    r.push_back(std::move(g));
  }
  return r;
}

} // namespace

TRacsBemenet DecodeRacsBemenet(std::span<const std::uint8_t> data) {
  TRacsBemenet in;
  auto at = [&](std::size_t i) -> std::uint32_t { return i < data.size() ? data[i] : 0; };
  in.bevitel.jatekTipus = (at(0) & 1) ? 2 : 1;
  in.bevitel.fixMerkozesek = at(1) | at(2) << 8 | at(3) << 16 | at(4) << 24;
  in.keyListCount = static_cast<int>(at(5));
  in.keyHarmas = static_cast<int>(at(6));
  in.keyKettes = static_cast<int>(at(7));

  std::vector<TRacs> racsok = Racsok(in.bevitel);
  for (std::size_t p = HeadSize; p + 3 <= data.size();) {
    const TRacs& racs = racsok[data[p] % racsok.size()];
    std::string& cella = *racs[data[p + 1] % racs.size()];
    const std::size_t len = std::min<std::size_t>(data[p + 2], data.size() - (p + 3));
    cella.assign(reinterpret_cast<const char*>(data.data() + p + 3), len);
    p += 3 + len;
  }
  return in;
}

TBytes EncodeRacsBemenet(const TRacsBemenet& in) {
  TBevitel b = in.bevitel;
  TBytes out(HeadSize, 0);
  out[0] = b.jatekTipus == 2 ? 1 : 0;
  for (int i = 0; i < 4; ++i) out[1 + i] = static_cast<std::uint8_t>(b.fixMerkozesek >> (8 * i));
  out[5] = static_cast<std::uint8_t>(in.keyListCount);
  out[6] = static_cast<std::uint8_t>(in.keyHarmas);
  out[7] = static_cast<std::uint8_t>(in.keyKettes);
  std::vector<TRacs> racsok = Racsok(b);
  for (std::size_t g = 0; g < racsok.size(); ++g)
    for (std::size_t c = 0; c < racsok[g].size(); ++c) {
      const std::string& text = *racsok[g][c];
      if (text.empty()) continue;
      const std::size_t len = std::min(text.size(), MaxText);
      out.push_back(static_cast<std::uint8_t>(g));
      out.push_back(static_cast<std::uint8_t>(c));
      out.push_back(static_cast<std::uint8_t>(len));
      out.insert(out.end(), text.begin(), text.begin() + static_cast<std::ptrdiff_t>(len));
    }
  return out;
}

} // namespace kv::fuzz

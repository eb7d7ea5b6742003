// Tips files: bytes of an accepted size always load, and what loads is a
// fixed point of saving, so a bet saved and loaded again saves the same bytes.

#include "engine/Tippek.h"
#include "fuzz/FuzzCheck.h"
#include "ui/TipsFile.h"

#include <cstdint>
#include <span>

namespace kv::fuzz {
namespace {

bool AcceptedSize(std::size_t n) { return n == TipsBlock1Size || n == TipsFileSize; }

// The fields the writer stores as they are; texts are cut to their written
// lengths and compared through the saved bytes instead.
bool SameStoredFields(const TBevitel& a, const TBevitel& b) {
  return a.alaptippek == b.alaptippek && a.alaptippJelzok == b.alaptippJelzok &&
         a.adottIndexszam == b.adottIndexszam && a.jatekTipus == b.jatekTipus && a.kulcs == b.kulcs &&
         a.fixMerkozesek == b.fixMerkozesek && a.baseColumnCount == b.baseColumnCount &&
         a.filteredColumnCount == b.filteredColumnCount && a.totoFajta == b.totoFajta;
}

void CheckLoad(std::span<const std::uint8_t> data) {
  TTipsLoad load = DecodeTipsFile(data);
  if (!AcceptedSize(data.size())) {
    Require(!load.ok && load.hiba.uzenet == TipsWrongSizeMessage && !load.hiba.VanCella());
    return;
  }
  const TBevitel& b = load.bevitel;
  Require(load.ok && b.totoFajta == 0 && (b.jatekTipus == JatekAlaptipp || b.jatekTipus == JatekKulcs));

  TBytes saved = EncodeTipsFile(b);
  Require(saved.size() == TipsFileSize);
  TTipsLoad again = DecodeTipsFile(saved);
  Require(again.ok && again.version == TipsFileVersion && again.storedTotoFajta == 0);
  Require(SameStoredFields(b, again.bevitel));
  Require(EncodeTipsFile(again.bevitel) == saved);
}

} // namespace
} // namespace kv::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kv;
  std::span<const std::uint8_t> bytes(data, size);
  fuzz::CheckLoad(bytes);
  // Most mutations change the size, which alone is refused; the same bytes
  // fitted to the nearer accepted size reach the fields as well.
  if (size != TipsBlock1Size && size != TipsFileSize) {
    TBytes fitted(bytes.begin(), bytes.end());
    fitted.resize(size <= TipsBlock1Size ? TipsBlock1Size : TipsFileSize, 0);
    fuzz::CheckLoad(fitted);
  }
  return 0;
}

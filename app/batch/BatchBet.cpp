#include "app/batch/BatchBet.h"

#include "engine/FileIo.h"
#include "keys/KulcsValasztas.h"
#include "ui/TipsFile.h"

#include <ostream>

namespace kv::batch {

TStderrProgress::~TStderrProgress() {
  if (shown_ >= 0) err_ << "\n";
}

void TStderrProgress::SetPercent(std::uint8_t percent) {
  if (percent == shown_) return;
  shown_ = percent;
  int filled = percent / 2;
  err_ << "\r[" << std::string(filled, '#') << std::string(50 - filled, ' ') << "] " << int(percent) << "%"
       << std::flush;
}

namespace {

constexpr const char* kKeyMissing = "Az elmentett tippekhez tartozó kulcs nem található vagy azóta megváltozott!";

bool Refuse(const TBatchEnv& env, const THiba& h, int& status) {
  env.err << h.Sor() << "\n";
  status = 1;
  return false;
}

} // namespace

std::unique_ptr<TBatchBet> PrepareBet(const TBatchEnv& env, const std::string& tipsPath, int& status) {
  if (FileSizeOf(tipsPath) < 0) {
    env.err << "A fájl nem található: " << tipsPath << "\n";
    status = 2;
    return nullptr;
  }
  TTipsLoad load = LoadTipsFile(tipsPath);
  if (!load.ok) {
    // A file of the wrong size is the loader's own refusal; anything else is unreadable.
    bool sizeRefusal = load.hiba.uzenet == TipsWrongSizeMessage;
    if (sizeRefusal) {
      Refuse(env, load.hiba, status);
    } else {
      env.err << load.hiba.uzenet << "\n";
      status = 2;
    }
    return nullptr;
  }
  auto bet = std::make_unique<TBatchBet>();
  bet->bevitel = std::move(load.bevitel);
  bet->keyList = LoadKeyList(env.dir);
  int row = bet->keyList.empty() ? 0 : 1; // the first key is selected at start
  if (bet->bevitel.jatekTipus == 2) {
    row = FindKeyBySignature(env.dir, bet->keyList, bet->bevitel.kulcs);
    if (row == 0) {
      THiba h;
      h.uzenet = kKeyMissing;
      h.tipus = TUzenetTipus::Informacio;
      Refuse(env, h, status);
      return nullptr;
    }
  }
  THiba hiba;
  if (!bet->jatek.Elokeszit(bet->bevitel, KulcsValasztas(env.dir, bet->keyList, row), hiba)) {
    Refuse(env, hiba, status);
    return nullptr;
  }
  bet->jatek.GeneratorInditas();
  status = 0;
  return bet;
}

} // namespace kv::batch

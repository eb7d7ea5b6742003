#include "app/batch/BatchBet.h"

#include "app/batch/Batch.h"
#include "app/batch/BatchLoadBet.h"

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

std::unique_ptr<TBatchBet> PrepareBet(const TBatchEnv& env, const std::string& tipsPath, int& status) {
  TKulcsValasztas kulcs;
  auto bet = LoadBet(env, tipsPath, kulcs, status);
  if (!bet) return nullptr;
  THiba hiba;
  if (!bet->jatek.Elokeszit(bet->bevitel, kulcs, hiba)) {
    env.err << hiba.Sor() << "\n";
    status = ExitRefused;
    return nullptr;
  }
  bet->jatek.GeneratorInditas();
  status = ExitOk;
  return bet;
}

} // namespace kv::batch

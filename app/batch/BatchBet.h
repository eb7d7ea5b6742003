#pragma once
// A saved bet made ready for a command: the tips file loaded, the key found,
// the pages checked and compiled, the generator reset.

#include "engine/Jatek.h"
#include "keys/KeyList.h"

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <string>

namespace kv::batch {

struct TBatchEnv {
  std::filesystem::path dir; // the program folder
  bool progress = false;
  std::ostream& out;
  std::ostream& err;
};

// Draws a bar of the running pass on standard error.
class TStderrProgress : public IProgress {
public:
  explicit TStderrProgress(std::ostream& err) : err_(err) {}
  ~TStderrProgress() override;
  void SetPercent(std::uint8_t percent) override;
  bool AbortRequested() override { return false; }

private:
  std::ostream& err_;
  int shown_ = -1;
};

struct TBatchBet {
  TBevitel bevitel;
  TKeyList keyList;
  TJatek jatek;
};

// Loads and prepares the bet; on failure prints the message and returns the exit status in status.
std::unique_ptr<TBatchBet> PrepareBet(const TBatchEnv& env, const std::string& tipsPath, int& status);

} // namespace kv::batch

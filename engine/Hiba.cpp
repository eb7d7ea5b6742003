#include "engine/Hiba.h"

namespace kv {

std::string THiba::Sor() const {
  if (!VanCella()) return "-:-:-:-: " + uzenet;
  return std::to_string(tab) + ":" + grid + ":" + std::to_string(oszlop) + ":" + std::to_string(sor) + ": " + uzenet;
}

} // namespace kv

#include "output/ClipboardText.h"

namespace kv {

int NormalSzelvenyDarab(const TSzelvenyek& sz) { return SzelvenyDarab(false, sz.normalCount, NColumnsPerTicket); }

std::string SzelvenyFeladasSzoveg(const TSzelvenyek& sz, int elso, int utolso) {
  const int n = sz.normalCount;
  if (elso < 1 || utolso < elso || utolso > NormalSzelvenyDarab(sz)) return {};
  auto jegy = [n](int k) { return SzelvenySzama(false, k, n, NColumnsPerTicket); };
  // The first column of ticket elso: where the ticket would start, or before
  // it when the last two tickets share their columns.
  int i = NColumnsPerTicket * elso - (NColumnsPerTicket - 1);
  while (jegy(i) > elso || SzelvenyHely(i, n, NColumnsPerTicket) != 1) --i;
  std::string s;
  for (bool sorEleje = true; i <= n && jegy(i) <= utolso; ++i) {
    s += sorEleje ? "TO," : ",,";
    for (TTipp t : sz.Normal(i)) s += TippToLetter(t);
    sorEleje = i == n || jegy(i + 1) != jegy(i);
    if (sorEleje) s += "\r\n";
  }
  return s;
}

} // namespace kv

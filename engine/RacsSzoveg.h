#pragma once
// The texts a result grid shows, cell by cell, in grid coordinates (column,
// row, the fixed row and column included), so that the window only copies
// them into its grid and the batch program and the tests read the same texts.

#include <string>
#include <vector>

namespace kv {

class TRacsSzoveg {
public:
  TRacsSzoveg(int oszlopok, int sorok)
      : oszlopok_(oszlopok), sorok_(sorok), cellak_(static_cast<std::size_t>(oszlopok * sorok)) {}

  int Oszlopok() const { return oszlopok_; }
  int Sorok() const { return sorok_; }
  std::string& Cella(int oszlop, int sor) { return cellak_[Index(oszlop, sor)]; }
  const std::string& Cella(int oszlop, int sor) const { return cellak_[Index(oszlop, sor)]; }

private:
  std::size_t Index(int oszlop, int sor) const { return static_cast<std::size_t>(sor * oszlopok_ + oszlop); }

  int oszlopok_;
  int sorok_;
  std::vector<std::string> cellak_;
};

} // namespace kv

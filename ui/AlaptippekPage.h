#pragma once
// The "Alaptippek" page: the list of 50 base tips, the index-number filter of
// the summary and the button that runs it.

#include "engine/Bevitel.h"
#include "ui/Keret.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>
#include <string>

class QRadioButton;
class QPainter;
class QRect;

namespace kv::gui {

class TStringGrid;

class TAlaptippekPage : public QWidget {
  Q_OBJECT

public:
  TAlaptippekPage(IKeret& keret, QWidget* parent = nullptr);

  void ToBevitel(TBevitel& be) const; // the list, its flags, the index-number mode and values
  void FromBevitel(const TBevitel& be);
  void ApplyColors(const TSetupData& s);
  // Error-search marks: every cell whose text lacks the result of its match
  // (14 texts, the +1 last) is drawn in the error colour; nullptr removes them.
  void SetHibaJelek(const std::array<std::string, 14>* eredmeny);

signals:
  void osszesitesRequested(); // the "Összesítés" button

private:
  void BuildList();
  void BuildIndexGroup();
  bool DrawListCell(QPainter& p, int col, int row, const QRect& r);

  IKeret& keret_;
  TStringGrid* merkozesSG_ = nullptr; // AMerkozesSG
  TStringGrid* alaptippekSG_ = nullptr;
  TStringGrid* talalatokSG_ = nullptr; // ATalalatokSG
  TStringGrid* atlagSG_ = nullptr;
  TStringGrid* indexszamSG_ = nullptr;
  QRadioButton* noIndexszamRB_ = nullptr;
  QRadioButton* indexszamRB_ = nullptr;
  std::array<std::uint8_t, AlaptippekColumns> jelzok_{}; // the tips file's flags, kept as loaded
  std::optional<std::array<std::string, 14>> hibaEredmeny_;
};

} // namespace kv::gui

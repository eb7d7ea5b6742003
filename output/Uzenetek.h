#pragma once
// The one door through which the window talks to the person: message boxes,
// file dialogs and the beep. The program uses the Qt dialogs; a test installs
// its own answers and records what would have been shown.

#include <QString>
#include <QStringList>

class QWidget;

namespace kv::gui {

enum class TDlgTipus { Figyelmeztetes = 0, Hiba = 1, Informacio = 2, Kerdes = 3 };
enum TDlgGomb : unsigned { GombIgen = 1u << 0, GombNem = 1u << 1, GombOk = 1u << 2, GombMegse = 1u << 3 };
constexpr int EredmenyIgen = 6; // the modal result of Yes
constexpr int EredmenyNem = 7;
constexpr int EredmenyOk = 1;
constexpr int EredmenyMegse = 2;

struct TFajlDialogus {
  QString cim;   // "Tippek betöltése"
  QString szuro; // "Tippek (*.dat);;Minden fájl (*.*)"
  QString kiterjesztes;
  QString mappa;
};

class IUzenetek {
public:
  virtual ~IUzenetek() = default;
  virtual void Beep() = 0;
  // Returns the modal result (EredmenyIgen, EredmenyOk, ...).
  virtual int Uzenet(QWidget* parent, TDlgTipus tipus, const QString& szoveg, unsigned gombok, int helpContext) = 0;
  // An empty text when cancelled.
  virtual QString Megnyitas(QWidget* parent, const TFajlDialogus& d) = 0;
  virtual QString Mentes(QWidget* parent, const TFajlDialogus& d) = 0;
};

// The Qt dialogs: the program's own implementation. The main window is
// given one at its creation and hands it to every page and dialog.
class TQtUzenetek final : public IUzenetek {
public:
  void Beep() override;
  int Uzenet(QWidget* parent, TDlgTipus tipus, const QString& szoveg, unsigned gombok, int helpContext) override;
  QString Megnyitas(QWidget* parent, const TFajlDialogus& d) override;
  QString Mentes(QWidget* parent, const TFajlDialogus& d) override;
};

// The Hungarian message dialog: captions "Hiba", "Információ", "Kérdés",
// buttons "Igen", "Nem", "Mégse", "Súgó".
int MessageDlgHun(IUzenetek& u, QWidget* parent, const QString& szoveg, TDlgTipus tipus, unsigned gombok,
                  int helpContext = 0);
void ErrorMsg(IUzenetek& u, QWidget* parent, const QString& szoveg, int helpContext = 0);
bool ConfirmMsg(IUzenetek& u, QWidget* parent, const QString& szoveg, int helpContext = 0);
// A beep, then the standard dialog of the type with OK.
void BeepMessage(IUzenetek& u, QWidget* parent, TDlgTipus tipus, const QString& szoveg);

} // namespace kv::gui

#pragma once
// The two reductions, each a value on a scroll bar: the minimum distance
// between kept columns (1..5) and the guarantee of the guaranteed reduction
// (0..4). A stored value out of range is corrected when the dialog opens.
// The two exclude each other: closing either while both are on warns and
// switches the other one off. The value is written on every closing.

#include "ui/conditions/DialogoCondizione.h"

class QLabel;
class QScrollBar;

namespace tlx::ui {

class DialogoRiduzione : public DialogoCondizione {
  Q_OBJECT
 protected:
  DialogoRiduzione(Sistema& sistema, Flag& interruttore, const char* nome, const QString& titolo,
                   const QString& titoloCondizione, const char* nomeRiquadro, const QString& titoloRiquadro,
                   const char* nomeBarra, const char* nomeEtichetta, int minimo, int massimo, int valore,
                   QWidget* parent);

  QScrollBar* barra_;
  QLabel* etichetta_;
};

class frmDistanzaMinima : public DialogoRiduzione {
  Q_OBJECT
 public:
  explicit frmDistanzaMinima(Sistema& sistema, QWidget* parent = nullptr);

 protected:
  bool Chiusura() override;
};

class frmRidotto : public DialogoRiduzione {
  Q_OBJECT
 public:
  explicit frmRidotto(Sistema& sistema, QWidget* parent = nullptr);

 protected:
  bool Chiusura() override;
};

}  // namespace tlx::ui

#pragma once
// "Distanza Numeri": the five number-distance filters one panel at a time.
// Its rules live in EditorFiltriDistanza; this window draws the panel and
// forwards the presses. Closing saves the panel and compacts the records.

#include <QDialog>

#include "conditions/EditorFiltriDistanza.h"
#include "core/Formato.h"
#include "core/Sistema.h"
#include "ui/conditions/ComponentiFiltri.h"

namespace tlx::ui {

class CoppiaOnOff;
class GrigliaEtichette;

class frmFiltriDistanzaNumeri : public QDialog {
  Q_OBJECT
 public:
  frmFiltriDistanzaNumeri(Sistema& sistema, const FormatoNumeri& formato, QWidget* parent = nullptr);

  const EditorFiltriDistanza& editor() const { return editor_; }

  ~frmFiltriDistanzaNumeri() override;

  void done(int esito) override;

 private:
  void MostraFiltroDistanza();

  FormatoNumeri formato_;
  EditorFiltriDistanza editor_;

  GrigliaEtichette* lbPFromPTo_ = nullptr;
  GrigliaEtichette* lbDistanzaMin_ = nullptr;
  GrigliaEtichette* lbDistanzaMax_ = nullptr;
  CoppiaOnOff* optCond_ = nullptr;
  ContatoriFiltri contatori_{};
};

}  // namespace tlx::ui

#pragma once
// What the windows of the two filter editors share: the editor whose panel
// they show, each row of toggle labels wired to one of its rules, the ON/OFF
// pair and the delete button of the shown record with the counters, and the
// closing, which saves the panel and compacts the table once however the
// window goes.

#include <QDialog>
#include <QPushButton>

#include "core/Formato.h"
#include "core/Sistema.h"
#include "ui/conditions/ComponentiFiltri.h"
#include "ui/conditions/IconeFiltri.h"
#include "ui/widgets/CoppiaOnOff.h"
#include "ui/widgets/GrigliaEtichette.h"

namespace tlx::ui {

template <typename Editor>
class FinestraEditorFiltri : public QDialog {
 public:
  const Editor& editor() const { return editor_; }

  // Every way of closing saves the panel and compacts the table once: the
  // close box, Escape, the program's end, or the window destroyed while open.
  void done(int esito) override {
    editor_.Chiudi();
    QDialog::done(esito);
  }
  ~FinestraEditorFiltri() override { editor_.Chiudi(); }

 protected:
  FinestraEditorFiltri(Sistema& sistema, const FormatoNumeri& formato, QWidget* parent)
      : QDialog(parent), formato_(formato), editor_(sistema) {}

  // The shown record, whole.
  virtual void MostraPannello() = 0;

  // A press on a label of `etichette` toggles that value of the record, then
  // shows it as the editor now holds it.
  void Collega(GrigliaEtichette* etichette, void (Editor::*cambia)(int), bool (Editor::*valore)(int) const) {
    connect(etichette, &GrigliaEtichette::etichettaAttivata, this, [this, etichette, cambia, valore](int k) {
      (editor_.*cambia)(k);
      etichette->Seleziona(k, (editor_.*valore)(k));
    });
  }

  // The shown record's ON/OFF pair (optCond_) and delete button
  // (cmdCancella_), wired to the editor, and the counters, in `cornice`.
  void CreaComandiRecord(QWidget* cornice, const QString& suggerimentoCancella) {
    optCond_ = new CoppiaOnOff(cornice);
    optCond_->setObjectName("optCond");
    connect(optCond_, &CoppiaOnOff::opzioneCliccata, this, [this](int indice) {
      editor_.ImpostaAttivo(indice == 0);
      optCond_->MostraStato(editor_.Attivo() ? 0 : 1);
      MostraContatori(contatori_, editor_, formato_);
    });
    contatori_ = CreaContatori(editor_, formato_, cornice);
    cmdCancella_ = PulsanteFigura("cmdCancella", suggerimentoCancella, IconaCancella(), cornice);
    connect(cmdCancella_, &QPushButton::clicked, this, [this] {
      editor_.Cancella();
      MostraPannello();
    });
  }

  FormatoNumeri formato_;
  Editor editor_;
  CoppiaOnOff* optCond_ = nullptr;
  ContatoriFiltri contatori_{};
  QPushButton* cmdCancella_ = nullptr;
};

}  // namespace tlx::ui

#pragma once
// The main window: the number grid, the commands and menus that open every
// other window, the two lock states and the status bar.

#include <QMainWindow>
#include <QMap>

#include "archive/Frequenze.h"
#include "core/Formato.h"
#include "core/Messaggio.h"
#include "core/Sistema.h"

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QToolButton;

namespace tlx::ui {

class GrigliaNumeri;
class frmSpoglio;
class frmSpoglioEstrazioni;
class frmArchivio;
class frmStatistiche;
class frmRidottiRandom;

class frmMAIN : public QMainWindow {
  Q_OBJECT
 public:
  explicit frmMAIN(Sistema& sistema, QWidget* parent = nullptr);

  // Operations other windows call.
  void GrigliaNumeriClick(int indice);
  void CancellaPronostico();
  void ViewStatusBar();
  void LockGUI();
  void UnlockGUI();
  void UnlockMenuConditions();
  void Sblocca_x_Ricalcolo();
  // The system reset with its window part (unlock, unchecked conditions,
  // grid, status bar).
  void CancellaSistema(bool MantieniPronostico);

  // The numbers ranked by frequency that the prediction menu picks from.
  void ImpostaFrequenze(const TabellaFrequenza& tabella) { frequenze_ = tabella; }

  // The archive and statistics windows, loaded hidden on first use (the
  // statistics after the archive they count) and kept for the whole run.
  frmArchivio* Archivio();
  frmStatistiche* Statistiche();

  void ElaboraSistema();
  // Opens a system file and shows it: numbers, check marks, lock state.
  void ApriFile(const QString& percorso);
  // Saves the system to NomeFileSistema, reporting a failure.
  void SalvaFile();
  void SelezionaTuttiNumeri();
  void SelezionaPiuFrequenti(int quanti);
  void SelezionaMenoFrequenti(int quanti);
  void PronosticoCruciverbaCasuale();

  Sistema& sistema() { return sistema_; }
  const FormatoNumeri& formato() const { return formato_; }
  // The text of a status-bar panel, 1..4.
  QString PannelloStato(int pannello) const;
  GrigliaNumeri* griglia() const { return griglia_; }
  // The checking windows, made on first use and kept for the whole run.
  frmSpoglio* Spoglio();
  frmSpoglioEstrazioni* SpoglioEstrazioni();

 protected:
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* oggetto, QEvent* evento) override;

 private:
  void CostruisciMenu();
  void CostruisciCorpo();
  void CostruisciStato();
  QAction* Voce(QMenu* menu, const char* nome, const QString& testo);
  QToolButton* Pulsante(const char* nome, const QString& suggerimento);
  void Collega(const char* pulsante, const char* voce);
  QAction* azione(const char* nome) const;
  QToolButton* pulsante(const char* nome) const;
  void AggiornaEtichettaNumeri(const QString& testo);
  void AbilitaComandiPronostico(bool abilita);
  void AggiornaColonneIntegrali();
  void ImpostaBlocco(bool bloccata);
  // Brings the window in line with the system in memory after a file
  // operation replaced it.
  void MostraSistema();
  void MostraMessaggi(const Messaggi& messaggi);

  // Handlers of the menu items and buttons.
  void menuapri_Click();
  void menusalva_Click();
  void menusalvacome_Click();
  void menuImportaColonne_Click();
  void menuEsportaColonne_Click();
  void menuMescola_Click();
  void menucalcolo_Click();
  void menumodifiche_Click();
  void menuadattamatrice_Click();
  void mnu_Elenco_Click();
  void menuvisualizza_Click();
  void cmdVisualizza_Click();
  void menuImpostazioni_Click();
  void menutabulato_Click();
  void menuschedine_Click();
  void cmdRidotti_Click();
  void menuinfo_Click();
  void menuColonnaFiltro_Click();
  void menuDistanzaNumeri_Click();
  void menuspoglio_Click();
  void menuSpoglioEstrazioni_Click();
  // While a check runs, the commands that replace, clear or reorder the
  // columns, and the archive update, are disabled; they get their state
  // back when it ends.
  void BloccaPerSpoglio(bool inCorso);
  void menuEstrazioni_Click();
  void menuStatistiche_Click();
  void menuSomma_Click();
  void menuPariDispari_Click();
  void menuFisse_Click();
  void menuConsecutivi_Click();
  void menuDistanzaMinima_Click();
  void menuRidotto_Click();
  void cmdCruciverba_MouseDown(Qt::MouseButton pulsante);
  void lbMnu_MouseDown();

  Sistema& sistema_;
  FormatoNumeri formato_;
  TabellaFrequenza frequenze_;
  frmArchivio* archivio_ = nullptr;
  frmStatistiche* statistiche_ = nullptr;
  GrigliaNumeri* griglia_ = nullptr;
  QFrame* frameNumeri_ = nullptr;
  QLabel* labnumeri_ = nullptr;
  QLabel* lbMnu_ = nullptr;
  QLabel* lblIntegrale_ = nullptr;
  QMenu* menuPopup_ = nullptr;
  QMap<QString, QAction*> menuPrincipali_;
  QLabel* pannelli_[4] = {};
  frmSpoglio* spoglio_ = nullptr;
  frmSpoglioEstrazioni* spoglioEstrazioni_ = nullptr;
  int spogliInCorso_ = 0;
  QList<QPair<QAction*, bool>> azioniBloccate_;
  QList<QPair<QWidget*, bool>> pulsantiBloccati_;
  frmRidottiRandom* ridotti_ = nullptr;
};

}  // namespace tlx::ui

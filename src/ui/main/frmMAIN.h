#pragma once
// The main window: the number grid, the commands and menus that open every
// other window (the modeless ones through CoordinatoreFinestre), the two
// lock states and the status bar.

#include <QHash>
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

class CoordinatoreFinestre;
class GrigliaNumeri;

class frmMAIN : public QMainWindow {
  Q_OBJECT
 public:
  explicit frmMAIN(Sistema& sistema, QWidget* parent = nullptr);

  void GrigliaNumeriClick(int indice);
  void CancellaPronostico();
  void ViewStatusBar();
  void LockGUI();
  void UnlockGUI();
  // The system reset with its window part (unlock, unchecked conditions,
  // grid, status bar).
  void CancellaSistema(bool MantieniPronostico);
  // The menu item of the check against the archive, hidden until start-up
  // has loaded the archive.
  void MostraVoceSpoglioEstrazioni();

  // The modeless windows the main window opens.
  CoordinatoreFinestre& finestre() { return *finestre_; }

  void ElaboraSistema();
  // Opens a system file and shows it: numbers, check marks, lock state.
  void ApriFile(const QString& percorso);
  // Saves the system to NomeFileSistema, reporting a failure.
  void SalvaFile();
  void SelezionaTuttiNumeri();
  void SelezionaPiuFrequenti(int quanti);
  void SelezionaMenoFrequenti(int quanti);
  void PronosticoCruciverbaCasuale();

  // The text of a status-bar panel, 1..4.
  QString PannelloStato(int pannello) const;
  GrigliaNumeri* griglia() const { return griglia_; }

 protected:
  void closeEvent(QCloseEvent* e) override;
  void changeEvent(QEvent* e) override;
  bool eventFilter(QObject* oggetto, QEvent* evento) override;

 private:
  void CostruisciMenu();
  void CostruisciCorpo();
  void CostruisciStato();
  QAction* Voce(QMenu* menu, const char* nome, const QString& testo);
  QToolButton* Pulsante(const char* nome, const QString& suggerimento);
  void Collega(const char* pulsante, const char* voce);
  QAction* azione(const QString& nome) const;
  QToolButton* pulsante(const QString& nome) const;
  void AggiornaEtichettaNumeri(const QString& testo);
  void AbilitaComandiPronostico(bool abilita);
  void AggiornaColonneIntegrali();
  void ImpostaBlocco(bool bloccata);
  // A command as the lock states want it; while a check runs the
  // coordinator may hold it back (AggiornaComandi applies that).
  void ImpostaComando(const QString& nome, bool abilitato);
  // The command as wanted, held back or not; AggiornaComandi does it for all.
  void MostraComando(const QString& nome);
  void AggiornaComandi();
  // Each condition's check mark follows its switch in the system.
  void AggiornaSegniCondizioni();
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
  void menuinfo_Click();
  void menuspoglio_Click();
  void menuSpoglioEstrazioni_Click();
  void cmdCruciverba_MouseDown(Qt::MouseButton pulsante);
  void lbMnu_MouseDown();

  Sistema& sistema_;
  FormatoNumeri formato_;
  TabellaFrequenza frequenze_;
  CoordinatoreFinestre* finestre_;
  QHash<QString, bool> comandiVoluti_;
  GrigliaNumeri* griglia_ = nullptr;
  QFrame* frameNumeri_ = nullptr;
  QLabel* labnumeri_ = nullptr;
  QLabel* lbMnu_ = nullptr;
  QLabel* lblIntegrale_ = nullptr;
  QMenu* menuPopup_ = nullptr;
  QMap<QString, QAction*> menuPrincipali_;
  QLabel* pannelli_[4] = {};
};

}  // namespace tlx::ui

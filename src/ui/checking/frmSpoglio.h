#pragma once
// Checking the system against one draw: the five drawn numbers, typed or
// chosen in the archive, and the winning columns by category with their
// counts, the best and worst hit count and the winnings.

#include <QAbstractListModel>
#include <array>
#include <vector>

#include "checking/Spoglio.h"
#include "core/Formato.h"
#include "core/Sistema.h"
#include "ui/checking/FinestraSpoglio.h"

class QLabel;
class QLineEdit;
class QListView;
class QToolButton;

namespace tlx::ui {

// The numbers of the winning columns of one category, "C. " and the number.
class ModelloColonneVincenti : public QAbstractListModel {
  Q_OBJECT
 public:
  using QAbstractListModel::QAbstractListModel;
  void Imposta(std::vector<int32_t> colonne);
  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  std::vector<int32_t> colonne_;
};

class frmSpoglio : public FinestraSpoglio {
  Q_OBJECT
 public:
  frmSpoglio(Sistema& sistema, const FormatoNumeri& formato, QWidget* parent = nullptr);

  // Shows ColonnaSpoglio in the boxes and empties the lists; while a check
  // runs it waits for the check's end.
  void init();
  void cmdSpoglio_Click();
  void cmdCancella_Click();

 protected:
  bool eventFilter(QObject* oggetto, QEvent* evento) override;

 private:
  void SvuotaListe();
  void MostraEsito(EsitoSpoglio& esito);

  Sistema& sistema_;
  const FormatoNumeri& formato_;
  std::array<QLineEdit*, 5> meSpoglio_{};
  std::array<QListView*, CATEGORIE> listVin_{};
  std::array<ModelloColonneVincenti*, CATEGORIE> modelli_{};
  std::array<QLabel*, CATEGORIE> labVincite_{};
  QLabel* lblMaxPunti_ = nullptr;
  QLabel* lblMinPunti_ = nullptr;
  QLabel* labTot_ = nullptr;
  QToolButton* cmdSpoglio_ = nullptr;
  bool initRinviato_ = false;
};

}  // namespace tlx::ui

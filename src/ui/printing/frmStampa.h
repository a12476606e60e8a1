#pragma once
// The slip window: prints the system's columns on 1-column or 5-column
// betting slips over a range of slips, one slip per page, at the positions
// of the chosen type's calibration. The main window stays disabled while it
// is open.

#include <QPointer>
#include <QWidget>

#include "core/Formato.h"
#include "core/Sistema.h"
#include "printing/Taratura.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedLayout;

namespace tlx::ui {

class AnteprimaScheda;

class frmStampa : public QWidget {
  Q_OBJECT
 public:
  // `nomeSistema` is the system's name printed on every slip (the main
  // window's first status panel); the window stays above `principale`.
  frmStampa(Sistema& sistema, const FormatoNumeri& formato, QString nomeSistema, QWidget* principale);

  void optTipoScheda_Click(int indice);
  void cmdStampa_Click();
  void cmdTaratura_Click();

  QLineEdit* txtDA() const { return txtDA_; }
  QLineEdit* txtA() const { return txtA_; }
  QLabel* labSchede() const { return labSchede_; }
  QPushButton* opzione(int indice) const;

 signals:
  // The window has closed: what it kept still may move again.
  void chiusa();

 protected:
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* oggetto, QEvent* evento) override;

 private:
  LayoutScheda Layout() const;

  Sistema& sistema_;
  FormatoNumeri formato_;
  QString nomeSistema_;
  QPointer<QWidget> principale_;
  int32_t SchedaMinima_ = 1;
  int32_t TotaleSchede_ = 0;
  QButtonGroup* optTipoScheda_;
  QStackedLayout* immagini_;
  AnteprimaScheda* imgScheda_[2];
  QLabel* labSchede_;
  QLineEdit* txtDA_;
  QLineEdit* txtA_;
  QPushButton* cmdStampa_;
  QPushButton* cmdTaratura_;
};

}  // namespace tlx::ui

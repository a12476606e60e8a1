#pragma once
// The matrix window: the list of the matrix files with the details of the
// entry clicked. Opened to adapt, it lists the matrices for the chosen
// numbers and a custom entry, and turns the one chosen (or the player's own
// text matrix) into the current system; opened as a plain list, it shows
// every matrix and offers the matrix folder and the download from the
// maker's web server.

#include <QDialog>
#include <string>
#include <vector>

#include "core/Sistema.h"
#include "matrices/ElencoMatrici.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace tlx::ui {

class frmMatr : public QDialog {
  Q_OBJECT
 public:
  enum class Modo { Adatta, Elenco };

  frmMatr(Sistema& sistema, Modo modo, QWidget* parent = nullptr);

  // True once an adaptation replaced the system: the opener then shows it.
  bool Adattata() const { return adattata_; }
  const std::vector<matrix::VoceElencoMatrici>& Elenco() const { return elenco_; }

  void PopolaElencoMatrici();
  // The line the user chose, -1 before any.
  int RigaScelta() const;
  void MostraInfoMatrice(int riga);
  void cmdAdatta_Click();
  void cmdMatriceTXT_Click();
  void cmdOpenDir_Click();
  void cmdUpdateMatrix_Click();

 public slots:
  void reject() override;

 protected:
  bool eventFilter(QObject* oggetto, QEvent* evento) override;

 private:
  void CostruisciFinestra();
  QString CartellaMatrici() const;
  void CaricaElenco(uint8_t V);
  // Asks for the fixed numbers, maps the matrix onto the arranged numbers;
  // false, after its box, when the system was left as it was.
  bool AdattaMatrice(const matrix::MatriceCaricata& m, std::vector<uint8_t>& fisse);
  std::vector<uint8_t> ChiediFisse(uint8_t F, std::string& elenco);
  void OrdinaPronostico();
  // While the window works its controls are disabled and it can't be closed,
  // but for a download, which a close request ends.
  void Occupato(bool occupato);
  // Downloads the list and each matrix it names; a name that can't be
  // downloaded whole, isn't a matrix or can't be stored is skipped.
  void ScaricaMatrici();

  Sistema& sistema_;
  Modo modo_;
  bool adattata_ = false;
  bool occupato_ = false;
  bool scaricando_ = false;
  bool interrotto_ = false;  // a close request came during the download
  std::vector<matrix::VoceElencoMatrici> elenco_;

  QWidget* corpo_ = nullptr;
  QListWidget* flQVX_ = nullptr;
  QLineEdit* txtNumMatrix_ = nullptr;
  QLineEdit* txtLenCol_ = nullptr;
  QLineEdit* txtGaranty_ = nullptr;
  QLineEdit* txtPickUp_ = nullptr;
  QLineEdit* txtFixedNum_ = nullptr;
  QLineEdit* txtColMatrix_ = nullptr;
  QLineEdit* txtPercentage_ = nullptr;
  QLineEdit* txtFileName_ = nullptr;
  QLineEdit* txtAuthor_ = nullptr;
  QPlainTextEdit* txtDescription_ = nullptr;
  QLabel* lblChkVersion_ = nullptr;
  QLabel* lblOK_ = nullptr;
  QWidget* frameInfo_ = nullptr;
  QPushButton* cmdAdatta_ = nullptr;
  QPushButton* cmdMatriceTXT_ = nullptr;
  QToolButton* cmdOpenDir_ = nullptr;
  QToolButton* cmdUpdateMatrix_ = nullptr;
};

}  // namespace tlx::ui

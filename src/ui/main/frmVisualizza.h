#pragma once
// The column viewer: pages through the system's columns ten at a time. The
// ten columns shown together form a panel: panel p shows columns 10p-9 to
// 10p. It only reads the system.

#include <QDialog>
#include <array>
#include <cstdint>

#include "core/Sistema.h"

class QLabel;

namespace tlx::ui {

class frmVisualizza : public QDialog {
  Q_OBJECT

 public:
  static constexpr int RIGHE = 10;

  explicit frmVisualizza(const Sistema& sistema, QWidget* parent = nullptr);

  // Steps clamp at the first and the last panel.
  void Avanti(int32_t passi);
  void Indietro(int32_t passi);
  void MostraPannello(int32_t pannello);

  int32_t PannelloCorrente() const { return pannelloCorrente_; }
  int32_t UltimoPannello() const { return ultimoPannello_; }
  QString TestoRiga(int riga) const;

 protected:
  bool eventFilter(QObject* oggetto, QEvent* evento) override;

 private:
  void AdattaCarattereRighe();

  const Sistema& sistema_;
  const int32_t primoPannello_ = 1;
  int32_t ultimoPannello_ = 1;
  int32_t pannelloCorrente_ = 1;

  QWidget* fraColonne_ = nullptr;
  std::array<QLabel*, RIGHE> labVisualizza_{};
  QLabel* labNscheda_ = nullptr;
};

}  // namespace tlx::ui

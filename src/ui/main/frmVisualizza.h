#pragma once
// The column viewer: pages through the system's columns ten at a time. The
// ten columns shown together form a panel: panel p shows columns 10p-9 to
// 10p. It only reads the system.

#include <QDialog>
#include <QFont>
#include <QVector>
#include <utility>
#include <array>
#include <cstdint>

#include "core/Sistema.h"

class QBoxLayout;
class QLabel;
class QPushButton;

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
  void resizeEvent(QResizeEvent* evento) override;

 private:
  void AdattaCarattereRighe();
  void Scala(qreal fattore);

  const Sistema& sistema_;
  const int32_t primoPannello_ = 1;
  int32_t ultimoPannello_ = 1;
  int32_t pannelloCorrente_ = 1;

  QWidget* fraColonne_ = nullptr;
  std::array<QLabel*, RIGHE> labVisualizza_{};
  QLabel* labNscheda_ = nullptr;
  // The controls scale with the window from their sizes at its minimum.
  QVector<std::pair<QLabel*, QFont>> etichette_;
  QVector<QPushButton*> pulsanti_;
  QBoxLayout* corpo_ = nullptr;
  QBoxLayout* filaPulsanti_ = nullptr;
  qreal fattore_ = 0;
};

}  // namespace tlx::ui

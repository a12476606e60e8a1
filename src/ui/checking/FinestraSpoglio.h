#pragma once
// What the two checking windows share: a check that yields to the event loop
// while it runs, that closing the window stops, and the signal that keeps
// the system still meanwhile.

#include <QWidget>
#include <functional>

#include "checking/Spoglio.h"

namespace tlx::ui {

class FinestraSpoglio : public QWidget {
  Q_OBJECT
 public:
  explicit FinestraSpoglio(QWidget* parent) : QWidget(parent, Qt::Window) {}

  bool SpoglioInCorso() const { return inCorso_; }

 signals:
  // A check starts (true) or ends (false): the system must not change meanwhile.
  void spoglioInCorso(bool inCorso);

 protected:
  // Runs `spoglio` with the yield that keeps the window live and that says
  // stop once the window is closed.
  void EseguiSpoglio(const std::function<void(const Cedi&)>& spoglio);
  void closeEvent(QCloseEvent* e) override;

 private:
  bool inCorso_ = false;
  bool interrompi_ = false;
};

}  // namespace tlx::ui

#pragma once
// The six picture buttons of a window that shows one panel at a time:
// first, back a long step, back one, forward one, forward a long step, last,
// with their tool tips. Any key pressed while one of the four step buttons
// has the focus steps as its click does, so a held key keeps stepping; the
// keys that move the focus or are only modifiers keep their meaning.

#include <QWidget>
#include <array>

class QPushButton;

namespace tlx::ui {

class BarraPannelli : public QWidget {
  Q_OBJECT
 public:
  enum class Mossa { Primo, IndietroLungo, Indietro1, Avanti1, AvantiLungo, Ultimo };

  explicit BarraPannelli(QWidget* parent = nullptr);

  QPushButton* Pulsante(Mossa m) const { return pulsanti_[static_cast<size_t>(m)]; }

 signals:
  void mossa(Mossa m);

 protected:
  bool eventFilter(QObject* oggetto, QEvent* evento) override;

 private:
  std::array<QPushButton*, 6> pulsanti_{};
};

}  // namespace tlx::ui

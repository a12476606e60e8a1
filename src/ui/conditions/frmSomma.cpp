#include "ui/conditions/frmSomma.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/MessageBox.h"
#include "ui/widgets/FiltroTastiNumerici.h"

namespace tlx::ui {

namespace {

// A box that selects its whole text on getting the focus, so typing replaces it.
class CasellaSomma : public QLineEdit {
 public:
  CasellaSomma(const char* nome, int valore, QWidget* parent) : QLineEdit(QString::number(valore), parent) {
    setObjectName(nome);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Room for a sum with decimals; longer texts could not be a sum anyway.
    setMaxLength(7);
    setFixedWidth(fontMetrics().horizontalAdvance("0000000") + 16);
  }

 protected:
  void focusInEvent(QFocusEvent* e) override {
    QLineEdit::focusInEvent(e);
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
  }
};

QLabel* Valore(const char* nome, int valore, QWidget* parent) {
  auto* l = new QLabel(QString::number(valore), parent);
  l->setObjectName(nome);
  l->setFrameShape(QFrame::Panel);
  l->setFrameShadow(QFrame::Sunken);
  l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  l->setMinimumWidth(l->fontMetrics().horizontalAdvance("0000000") + 16);
  return l;
}

}  // namespace

frmSomma::frmSomma(Sistema& sistema, QWidget* parent)
    : DialogoCondizione(sistema, sistema.Condizioni.SommaAttiva, "frmSomma", "  Somma", "optCondSomma", "Condizione",
                        parent),
      // From the grid in ascending order: the prediction itself keeps its own order.
      limiti_(CalcolaLimitiSomma(sistema.NumeriScelti)) {
  Cornice()->setObjectName("frameSomma");
  const auto& minMax = sistema_.Condizioni.SommaMinMax;
  txtDA_ = new CasellaSomma("txtDA", SommaMostrata(minMax[0], limiti_.Minima, limiti_), Cornice());
  txtA_ = new CasellaSomma("txtA", SommaMostrata(minMax[1], limiti_.Massima, limiti_), Cornice());

  auto* filtro = new FiltroTastiNumerici(true, this);
  filtro->Installa(txtDA_, txtA_);
  filtro->Installa(txtA_, txtDA_);

  auto* griglia = new QGridLayout;
  griglia->setHorizontalSpacing(10);
  griglia->setVerticalSpacing(8);
  griglia->addWidget(new QLabel("DA", Cornice()), 0, 0, Qt::AlignRight);
  griglia->addWidget(txtDA_, 0, 1);
  griglia->addWidget(new QLabel("A", Cornice()), 0, 2, Qt::AlignRight);
  griglia->addWidget(txtA_, 0, 3);
  griglia->addWidget(new QLabel("Minimo", Cornice()), 1, 0, Qt::AlignRight);
  griglia->addWidget(Valore("labMin", limiti_.Minima, Cornice()), 1, 1);
  griglia->addWidget(new QLabel("Massimo", Cornice()), 1, 2, Qt::AlignRight);
  griglia->addWidget(Valore("labMax", limiti_.Massima, Cornice()), 1, 3);
  Corpo()->addLayout(griglia);
  Completa();
}

bool frmSomma::Chiusura() {
  if (sistema_.GuiBloccata != 0) return true;
  const std::string da = txtDA_->text().toStdString(), a = txtA_->text().toStdString();
  const auto errori = ChiudiSomma(da, a, limiti_, sistema_.Condizioni);
  for (const ErroreSomma& e : errori) {
    QApplication::beep();
    platform::MessageBox::Mostra(e.messaggio, this);
    (e.FuocoSuA ? txtA_ : txtDA_)->setFocus();
  }
  return errori.empty();
}

}  // namespace tlx::ui

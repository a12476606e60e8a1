#include "ui/conditions/ComponentiFiltri.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "conditions/Pannelli.h"
#include "ui/conditions/DialogoCondizione.h"
#include "ui/widgets/BarraPannelli.h"

namespace tlx::ui {

QString TestoContatore(int32_t valore, const FormatoNumeri& formato) {
  return QString::fromStdString(Formatta(valore, MASCHERA_CONTATORE_FILTRI, formato));
}

namespace {
// Adds the caption (named nomeDidascalia) and the box (named nome) in
// column `colonna` of the layout and returns the box.
QLabel* AggiungiContatore(QGridLayout* layout, int colonna, const char* nomeDidascalia, const QString& didascalia,
                          const char* nome, QWidget* genitore) {
  auto* titolo = new QLabel(didascalia, genitore);
  titolo->setObjectName(nomeDidascalia);
  titolo->setAlignment(Qt::AlignCenter);
  auto* casella = new QLabel(genitore);
  casella->setObjectName(nome);
  casella->setAlignment(Qt::AlignCenter);
  casella->setFrameShape(QFrame::Panel);
  casella->setFrameShadow(QFrame::Sunken);
  casella->setAutoFillBackground(true);
  casella->setMinimumWidth(casella->fontMetrics().horizontalAdvance("0.000") + 14);
  QFont grassetto = casella->font();
  grassetto.setBold(true);
  casella->setFont(grassetto);
  layout->addWidget(titolo, 0, colonna);
  layout->addWidget(casella, 1, colonna);
  return casella;
}
}  // namespace

ContatoriFiltri CreaContatori(const EditorAPannelli& editor, const FormatoNumeri& formato, QWidget* genitore) {
  auto* griglia = new QGridLayout;
  griglia->setHorizontalSpacing(8);
  griglia->setVerticalSpacing(2);
  ContatoriFiltri c{griglia, AggiungiContatore(griglia, 0, "lblid", "ID", "lblnFiltro", genitore),
                    AggiungiContatore(griglia, 2, "lblon", "ON", "lblTotFiltriON", genitore),
                    AggiungiContatore(griglia, 3, "lbloff", "OFF", "lblTotFiltriOFF", genitore)};
  AggiungiContatore(griglia, 1, "lbltot", "TOT", "lblTotFiltri", genitore)
      ->setText(TestoContatore(editor.UltimoPannello(), formato));
  return c;
}

void MostraContatori(const ContatoriFiltri& contatori, const EditorAPannelli& editor, const FormatoNumeri& formato) {
  contatori.lblnFiltro->setText(TestoContatore(editor.Pannello(), formato));
  contatori.lblTotFiltriON->setText(TestoContatore(editor.TotaleOn(), formato));
  contatori.lblTotFiltriOFF->setText(TestoContatore(editor.TotaleOff(), formato));
}

QWidget* ImpaginaEditor(QWidget* finestra, QWidget* cornice, EditorAPannelli& editor, std::function<void()> mostra) {
  auto* barra = new BarraPannelli(finestra);
  auto* layout = new QVBoxLayout(finestra);
  layout->setContentsMargins(12, 12, 12, 12);
  layout->setSpacing(10);
  layout->addWidget(cornice);
  layout->addWidget(barra);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  QObject::connect(barra, &BarraPannelli::mossa, barra, [&editor, mostra = std::move(mostra)](BarraPannelli::Mossa m) {
    switch (m) {
      case BarraPannelli::Mossa::Primo: editor.VaiAlPrimo(); break;
      case BarraPannelli::Mossa::IndietroLungo: editor.Indietro(editor.PassoLungo()); break;
      case BarraPannelli::Mossa::Indietro1: editor.Indietro(1); break;
      case BarraPannelli::Mossa::Avanti1: editor.Avanti(1); break;
      case BarraPannelli::Mossa::AvantiLungo: editor.Avanti(editor.PassoLungo()); break;
      case BarraPannelli::Mossa::Ultimo: editor.VaiAllUltimo(); break;
    }
    mostra();
  });
  return barra;
}

QGroupBox* RiquadroCon(const char* nome, const QString& titolo, QWidget* contenuto, QWidget* genitore) {
  QGroupBox* riquadro = Riquadro(nome, titolo, genitore);
  auto* layout = new QHBoxLayout(riquadro);
  layout->addWidget(contenuto, 0, Qt::AlignLeft);
  layout->addStretch();
  return riquadro;
}

QPushButton* PulsanteFigura(const char* nome, const QString& suggerimento, const QIcon& icona, QWidget* genitore) {
  auto* b = new QPushButton(genitore);
  b->setObjectName(nome);
  b->setToolTip(suggerimento);
  b->setIcon(icona);
  b->setIconSize(QSize(28, 28));
  b->setAutoDefault(false);
  return b;
}

}  // namespace tlx::ui

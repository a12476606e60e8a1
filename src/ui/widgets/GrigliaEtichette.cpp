#include "ui/widgets/GrigliaEtichette.h"

#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>

#include "ui/widgets/Colori.h"
#include "ui/widgets/PitturaTrascinamento.h"

namespace tlx::ui {

namespace {
// A key names one label among the grids of a window: grid * kPerGruppo + position.
constexpr int kPerGruppo = 1000;
}  // namespace

GrigliaEtichette::GrigliaEtichette(int primo, int ultimo, int perRiga, int scartoDidascalia, QWidget* parent)
    : QWidget(parent), primo_(primo), sfondoSelezione_(colori::ROSSO), testoSelezione_(colori::BIANCO) {
  auto* griglia = new QGridLayout(this);
  griglia->setContentsMargins(0, 0, 0, 0);
  griglia->setSpacing(3);
  for (int i = primo; i <= ultimo; ++i) {
    auto* e = new QLabel(QString("%1").arg(i + scartoDidascalia, 2, 10, QChar('0')), this);
    e->setAlignment(Qt::AlignCenter);
    e->setFrameShape(QFrame::Box);
    e->setAutoFillBackground(true);
    e->setAttribute(Qt::WA_TransparentForMouseEvents);
    e->setProperty("Tag", QStringLiteral("0"));
    const QFontMetrics fm(e->font());
    e->setFixedSize(fm.horizontalAdvance("00") + 16, fm.height() + 10);
    const int posizione = i - primo;
    griglia->addWidget(e, posizione / perRiga, posizione % perRiga);
    etichette_.push_back(e);
  }
  pittura_ = std::make_unique<PitturaTrascinamento>(
      [this](QPoint p) {
        const QPoint globale = mapToGlobal(p);
        for (size_t g = 0; g < gruppi_.size(); ++g) {
          const GrigliaEtichette* gruppo = gruppi_[g];
          if (!gruppo || !gruppo->isVisible() || !gruppo->isEnabled()) continue;
          const int posizione = gruppo->CercaNelGruppo(gruppo->mapFromGlobal(globale));
          if (posizione >= 0) return static_cast<int>(g) * kPerGruppo + posizione;
        }
        return -1;
      },
      [this](int chiave) {
        GrigliaEtichette* gruppo = gruppi_[static_cast<size_t>(chiave / kPerGruppo)];
        if (gruppo) emit gruppo->etichettaAttivata(gruppo->primo_ + chiave % kPerGruppo);
      });
}

GrigliaEtichette::~GrigliaEtichette() = default;

QLabel* GrigliaEtichette::Etichetta(int indice) const { return etichette_.at(static_cast<size_t>(indice - primo_)); }

bool GrigliaEtichette::Selezionata(int indice) const { return Etichetta(indice)->property("Tag").toString() == "1"; }

void GrigliaEtichette::Seleziona(int indice, bool selezionata) {
  Etichetta(indice)->setProperty("Tag", selezionata ? QStringLiteral("1") : QStringLiteral("0"));
  if (selezionata)
    Colora(indice, sfondoSelezione_, testoSelezione_);
  else
    Colora(indice, colori::BIANCO, colori::NERO);
}

void GrigliaEtichette::ImpostaColoriSelezione(uint32_t sfondo, uint32_t testo) {
  sfondoSelezione_ = sfondo;
  testoSelezione_ = testo;
}

void GrigliaEtichette::Colora(int indice, uint32_t sfondo, uint32_t testo) {
  QLabel* e = Etichetta(indice);
  QPalette p = e->palette();
  p.setColor(QPalette::Window, ColoreBgr(sfondo));
  p.setColor(QPalette::WindowText, ColoreBgr(testo));
  // A disabled (read-only) window keeps showing the settings as they are.
  p.setColor(QPalette::Disabled, QPalette::Window, ColoreBgr(sfondo));
  p.setColor(QPalette::Disabled, QPalette::WindowText, ColoreBgr(testo));
  e->setPalette(p);
}

void GrigliaEtichette::Ingrigisci(int indice) {
  QLabel* e = Etichetta(indice);
  QPalette p = e->palette();
  p.setColor(QPalette::WindowText, ColoreBgr(colori::GRIGIO_INERTE));
  p.setColor(QPalette::Disabled, QPalette::WindowText, ColoreBgr(colori::GRIGIO_INERTE));
  e->setPalette(p);
  QFont f = e->font();
  f.setItalic(true);
  e->setFont(f);
}

int GrigliaEtichette::CercaNelGruppo(QPoint puntoLocale) const {
  for (size_t i = 0; i < etichette_.size(); ++i) {
    const QLabel* e = etichette_[i];
    if (!e->isHidden() && e->geometry().contains(puntoLocale)) return static_cast<int>(i);
  }
  return -1;
}

int GrigliaEtichette::EtichettaIn(QPoint punto) const {
  const int posizione = CercaNelGruppo(punto);
  return posizione < 0 ? -1 : primo_ + posizione;
}

void GrigliaEtichette::mousePressEvent(QMouseEvent* e) {
  if (pittura_->InCorso()) return;
  gruppi_.clear();
  gruppi_.push_back(this);
  for (GrigliaEtichette* altro : window()->findChildren<GrigliaEtichette*>())
    if (altro != this) gruppi_.push_back(altro);
  pittura_->Premi(e->position().toPoint());
}

void GrigliaEtichette::mouseMoveEvent(QMouseEvent* e) {
  if (e->buttons() != Qt::NoButton) pittura_->Muovi(e->position().toPoint());
}

void GrigliaEtichette::mouseReleaseEvent(QMouseEvent* e) {
  if (e->buttons() != Qt::NoButton) return;
  pittura_->Rilascia();
  gruppi_.clear();
}

}  // namespace tlx::ui

#include "ui/checking/frmSpoglio.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/Attesa.h"
#include "platform/Finestre.h"
#include "platform/MessageBox.h"
#include "ui/shared/Icone.h"

namespace tlx::ui {

namespace {

// Tab or a click into a box selects its text, so that typing replaces it.
class CasellaNumero : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;

 protected:
  void focusInEvent(QFocusEvent* e) override {
    QLineEdit::focusInEvent(e);
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
  }
};

QString DueCifre(int n) { return QString("%1").arg(n, 2, 10, QChar('0')); }

}  // namespace

void ModelloColonneVincenti::Imposta(std::vector<int32_t> colonne) {
  beginResetModel();
  colonne_ = std::move(colonne);
  endResetModel();
}

int ModelloColonneVincenti::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(colonne_.size());
}

QVariant ModelloColonneVincenti::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return {};
  return "C. " + QString::number(colonne_[static_cast<size_t>(index.row())]);
}

frmSpoglio::frmSpoglio(Sistema& sistema, const FormatoNumeri& formato, QWidget* parent)
    : FinestraSpoglio(parent), sistema_(sistema), formato_(formato) {
  setObjectName("frmSpoglio");
  setWindowTitle("Spoglio");
  setWindowIcon(IconaProgramma());

  auto* Label2 = new QLabel("Colonna vincente", this);
  Label2->setObjectName("Label2");
  Label2->setStyleSheet("font-weight: bold;");
  auto* caselle = new QHBoxLayout;
  QFont calibri("Calibri", 16, QFont::Bold);
  for (int i = 0; i < 5; ++i) {
    auto* c = new CasellaNumero(this);
    c->setObjectName(QString("meSpoglio_%1").arg(i));
    c->setInputMask("00;_");
    c->setFont(calibri);
    c->setAlignment(Qt::AlignCenter);
    c->setFixedWidth(QFontMetrics(calibri).horizontalAdvance("000") + 12);
    c->installEventFilter(this);
    caselle->addWidget(c);
    meSpoglio_[static_cast<size_t>(i)] = c;
  }
  caselle->addSpacing(12);
  auto pulsante = [this](const char* nome, const char* icona, const QString& suggerimento) {
    auto* b = new QToolButton(this);
    b->setObjectName(nome);
    b->setIcon(IconaPulsante(icona));
    b->setIconSize(QSize(32, 32));
    b->setToolTip(suggerimento);
    return b;
  };
  cmdSpoglio_ = pulsante("cmdSpoglio", "cmdSpoglio", "Esegui lo spoglio");
  QToolButton* cmdCancella = pulsante("cmdCancella", "cmdCancella", "Cancella colonna e risultati");
  connect(cmdSpoglio_, &QToolButton::clicked, this, &frmSpoglio::cmdSpoglio_Click);
  connect(cmdCancella, &QToolButton::clicked, this, &frmSpoglio::cmdCancella_Click);
  caselle->addWidget(cmdSpoglio_);
  caselle->addWidget(cmdCancella);
  caselle->addStretch();

  auto* categorie = new QGridLayout;
  const QFont courier("Courier New", 10);
  for (int k = 0; k < CATEGORIE; ++k) {
    auto* titolo = new QLabel(QString("Punti %1").arg(5 - k), this);
    titolo->setObjectName(QString("lblCategoria_%1").arg(k));
    titolo->setAlignment(Qt::AlignCenter);
    titolo->setStyleSheet("font-weight: bold; background: #123f5e; color: white; padding: 3px;");
    auto* lista = new QListView(this);
    lista->setObjectName(QString("listVin_%1").arg(k));
    lista->setFont(courier);
    lista->setUniformItemSizes(true);
    lista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lista->setMinimumWidth(QFontMetrics(courier).horizontalAdvance("C. 1850000") + 36);
    auto* modello = new ModelloColonneVincenti(lista);
    lista->setModel(modello);
    auto* conto = new QLabel("0", this);
    conto->setObjectName(QString("labVincite_%1").arg(k));
    conto->setAlignment(Qt::AlignCenter);
    conto->setStyleSheet("font-weight: bold;");
    categorie->addWidget(titolo, 0, k);
    categorie->addWidget(lista, 1, k);
    categorie->addWidget(conto, 2, k);
    listVin_[static_cast<size_t>(k)] = lista;
    modelli_[static_cast<size_t>(k)] = modello;
    labVincite_[static_cast<size_t>(k)] = conto;
  }
  categorie->setRowStretch(1, 1);

  auto etichetta = [this](const char* nome, const QString& testo) {
    auto* l = new QLabel(testo, this);
    l->setObjectName(nome);
    return l;
  };
  auto valore = [this](const char* nome) {
    auto* l = new QLabel(this);
    l->setObjectName(nome);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(40);
    l->setStyleSheet("font-weight: bold; padding: 2px 6px;");
    return l;
  };
  lblMaxPunti_ = valore("lblMaxPunti");
  lblMinPunti_ = valore("lblMinPunti");
  labTot_ = valore("labTot");
  labTot_->setMinimumWidth(150);
  auto* riepilogo = new QHBoxLayout;
  riepilogo->addWidget(etichetta("labMaxPunti", "Max"));
  riepilogo->addWidget(lblMaxPunti_);
  riepilogo->addSpacing(16);
  riepilogo->addWidget(etichetta("labMinPunti", "Min"));
  riepilogo->addWidget(lblMinPunti_);
  riepilogo->addStretch();
  riepilogo->addWidget(etichetta("lblTot", "Tot"));
  riepilogo->addWidget(labTot_);

  auto* tutto = new QVBoxLayout(this);
  tutto->addWidget(Label2);
  tutto->addLayout(caselle);
  tutto->addSpacing(6);
  tutto->addLayout(categorie, 1);
  tutto->addLayout(riepilogo);
  resize(560, 460);

  platform::CentraForm(this);
  init();
}

void frmSpoglio::SvuotaListe() {
  for (int k = 0; k < CATEGORIE; ++k) {
    modelli_[static_cast<size_t>(k)]->Imposta({});
    labVincite_[static_cast<size_t>(k)]->setText("0");
  }
}

void frmSpoglio::init() {
  // A draw picked in the archive while a check runs waits for its end, so
  // that the results never mix two draws.
  if (SpoglioInCorso()) {
    initRinviato_ = true;
    return;
  }
  SvuotaListe();
  for (size_t i = 0; i < 5; ++i) {
    const int n = sistema_.ColonnaSpoglio[i + 1];
    meSpoglio_[i]->setText(n == 0 ? QString() : DueCifre(n));
  }
}

void frmSpoglio::cmdCancella_Click() {
  SvuotaListe();
  for (size_t i = 0; i < 5; ++i) {
    sistema_.ColonnaSpoglio[i + 1] = 0;
    meSpoglio_[i]->clear();
  }
  for (QLabel* l : {lblMaxPunti_, lblMinPunti_, labTot_}) l->setText("-");
  meSpoglio_[0]->setFocus();
}

void frmSpoglio::cmdSpoglio_Click() {
  if (SpoglioInCorso()) return;
  std::array<int, 5> valori{};
  std::array<QString, 5> testi;
  for (size_t i = 0; i < 5; ++i) {
    testi[i] = meSpoglio_[i]->text();
    valori[i] = ValoreCasella(testi[i].toStdString());
  }
  const ControlloColonna controllo = ControllaColonnaSpoglio(valori);
  for (size_t i = 0; i < 5; ++i) meSpoglio_[i]->setText(testi[static_cast<size_t>(controllo.ordine[i])]);
  if (controllo.errore) {
    platform::MessageBox::Mostra(*controllo.errore, this);
    meSpoglio_[static_cast<size_t>(controllo.casellaErrata)]->setFocus();
    return;
  }
  for (size_t i = 0; i < 5; ++i) sistema_.ColonnaSpoglio[i + 1] = controllo.numeri[i];

  SvuotaListe();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  setEnabled(false);
  // The draw is the copy taken here: the archive may set another meanwhile.
  EsitoSpoglio esito;
  EseguiSpoglio([&](const Cedi& cedi) {
    esito = SpoglioColonne(sistema_.Colonne.Dati(), sistema_.NumeroColonne, controllo.numeri, cedi);
  });
  MostraEsito(esito);
  setEnabled(true);
  QApplication::restoreOverrideCursor();
  if (initRinviato_) {
    initRinviato_ = false;
    init();
  }
}

void frmSpoglio::MostraEsito(EsitoSpoglio& esito) {
  if (esito.Interrotto) {
    for (QLabel* l : {lblMaxPunti_, lblMinPunti_, labTot_}) l->setText("-");
    return;
  }
  // Without columns there is no best or worst column: "-" as after clearing.
  lblMaxPunti_->setText(esito.MaxPunti ? QString::number(*esito.MaxPunti) : "-");
  lblMinPunti_->setText(esito.MinPunti ? QString::number(*esito.MinPunti) : "-");
  labTot_->setText(QString::fromStdString(FormattaEuro(esito.Totale, formato_, "###,###,###,##0.00")));
  for (size_t k = 0; k < CATEGORIE; ++k) {
    modelli_[k]->Imposta(std::move(esito.Vincenti[k]));
    labVincite_[k]->setText(QString::number(esito.VincitePunti[5 - k]));
  }
}

bool frmSpoglio::eventFilter(QObject* oggetto, QEvent* evento) {
  const auto it = std::find(meSpoglio_.begin(), meSpoglio_.end(), oggetto);
  if (it == meSpoglio_.end()) return QWidget::eventFilter(oggetto, evento);
  const auto i = static_cast<size_t>(it - meSpoglio_.begin());
  if (evento->type() == QEvent::KeyPress) {
    const int tasto = static_cast<QKeyEvent*>(evento)->key();
    if (tasto == Qt::Key_Return || tasto == Qt::Key_Enter) {
      (i < 4 ? static_cast<QWidget*>(meSpoglio_[i + 1]) : cmdSpoglio_)->setFocus(Qt::TabFocusReason);
      return true;
    }
  } else if (evento->type() == QEvent::FocusOut) {
    // Only a drawable number is kept: the check refuses the others anyway.
    if (const int n = ValoreCasella(meSpoglio_[i]->text().toStdString()); n >= 1 && n <= 55)
      sistema_.ColonnaSpoglio[i + 1] = static_cast<uint8_t>(n);
  }
  return QWidget::eventFilter(oggetto, evento);
}

}  // namespace tlx::ui

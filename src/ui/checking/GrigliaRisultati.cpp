#include "ui/checking/GrigliaRisultati.h"

#include <QComboBox>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScrollBar>
#include <QSet>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace tlx::ui {

namespace {
const QColor kMax(255, 255, 192);
const QColor kMin(128, 255, 128);
const QColor kPt5(192, 255, 192);
const QColor kTotale(128, 255, 255);
// Beside the widest text of a column, over the cell's own padding: small
// enough for every column of a full system's check against a long archive
// to show whole on a 1024-pixel screen.
constexpr int kMargine = 10;

template <typename Testi>
QStringList Lista(const Testi& celle) {
  QStringList l;
  for (const auto& c : celle) l << QString::fromStdString(c);
  return l;
}
}  // namespace

ModelloRighe::ModelloRighe(Tipo tipo, QObject* parent) : QAbstractTableModel(parent), tipo_(tipo) {}

void ModelloRighe::Imposta(QStringList intestazione, std::vector<QStringList> righe) {
  beginResetModel();
  intestazione_ = std::move(intestazione);
  righe_ = std::move(righe);
  endResetModel();
}

int ModelloRighe::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(righe_.size());
}

int ModelloRighe::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(intestazione_.size());
}

QVariant ModelloRighe::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const auto riga = static_cast<size_t>(index.row());
  switch (role) {
    case Qt::DisplayRole:
      return riga < righe_.size() ? righe_[riga].value(index.column()) : QString();
    case Qt::BackgroundRole:
      if (tipo_ == Tipo::Totali) return kTotale;
      if (index.column() == 3) return kMax;
      if (index.column() == 4) return kMin;
      if (index.column() == 5) return kPt5;
      return {};
    case Qt::FontRole:
      if (tipo_ == Tipo::Totali) {
        QFont f;
        f.setBold(true);
        return f;
      }
      return {};
    case Qt::TextAlignmentRole:
      return index.column() <= 1 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter) : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
      return {};
  }
}

QVariant ModelloRighe::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role == Qt::DisplayRole && orientation == Qt::Horizontal && section >= 0 && section < intestazione_.size())
    return intestazione_[section];
  return QAbstractTableModel::headerData(section, orientation, role);
}

GrigliaRisultati::GrigliaRisultati(QWidget* parent)
    : QWidget(parent),
      modelloTotali_(new ModelloRighe(ModelloRighe::Tipo::Totali, this)),
      modelloEstrazioni_(new ModelloRighe(ModelloRighe::Tipo::Estrazioni, this)),
      totali_(new QTableView(this)),
      estrazioni_(new QTableView(this)),
      strisciaFiltri_(new QWidget(this)) {
  setObjectName("flexGrid");
  for (QTableView* v : {totali_, estrazioni_}) {
    v->verticalHeader()->hide();
    v->setFrameShape(QFrame::NoFrame);
    v->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    v->setEditTriggers(QAbstractItemView::NoEditTriggers);
    v->setWordWrap(false);
  }
  totali_->setObjectName("flexGridTotale");
  totali_->setModel(modelloTotali_);
  totali_->setSelectionMode(QAbstractItemView::NoSelection);
  totali_->setFocusPolicy(Qt::NoFocus);
  totali_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  totali_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  totali_->horizontalHeader()->setSectionsClickable(false);
  totali_->horizontalHeader()->setHighlightSections(false);

  estrazioni_->setObjectName("flexGridEstrazioni");
  estrazioni_->setModel(modelloEstrazioni_);
  estrazioni_->horizontalHeader()->hide();
  estrazioni_->setSelectionMode(QAbstractItemView::ContiguousSelection);
  estrazioni_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // Thousands of rows of one height: no measuring per row.
  const int altezza = QFontMetrics(font()).height() + 6;
  for (QTableView* v : {totali_, estrazioni_}) {
    v->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    v->verticalHeader()->setDefaultSectionSize(altezza);
  }

  // Both views share the column widths and the horizontal position.
  connect(estrazioni_->horizontalHeader(), &QHeaderView::sectionResized, this,
          [this](int sezione, int, int larghezza) { totali_->horizontalHeader()->resizeSection(sezione, larghezza); });
  connect(totali_->horizontalHeader(), &QHeaderView::sectionResized, this,
          [this](int sezione, int, int larghezza) { estrazioni_->horizontalHeader()->resizeSection(sezione, larghezza); });
  connect(estrazioni_->horizontalScrollBar(), &QScrollBar::valueChanged, totali_->horizontalScrollBar(), &QScrollBar::setValue);
  connect(totali_->horizontalHeader(), &QHeaderView::sectionResized, this, &GrigliaRisultati::PosizionaFiltri);
  connect(totali_->horizontalScrollBar(), &QScrollBar::valueChanged, this, &GrigliaRisultati::PosizionaFiltri);
  strisciaFiltri_->setObjectName("filtri");
  strisciaFiltri_->setFixedHeight(QComboBox().sizeHint().height());
  strisciaFiltri_->hide();

  auto* spazio = new QWidget(this);
  spazio->setFixedWidth(style()->pixelMetric(QStyle::PM_ScrollBarExtent));
  auto* alto = new QHBoxLayout;
  alto->setContentsMargins(0, 0, 0, 0);
  alto->setSpacing(0);
  alto->addWidget(totali_);
  alto->addWidget(spazio);
  auto* tutto = new QVBoxLayout(this);
  tutto->setContentsMargins(0, 0, 0, 0);
  tutto->setSpacing(0);
  tutto->addWidget(strisciaFiltri_);
  tutto->addLayout(alto);
  tutto->addWidget(estrazioni_, 1);
}

void GrigliaRisultati::Inizializza() {
  modelloTotali_->Imposta({"-"}, {});
  modelloEstrazioni_->Imposta({"-"}, {QStringList{QString()}});
  AdattaAltezzaFissa();
}

void GrigliaRisultati::Imposta(const std::vector<RigaSpoglio>& righe, const TotaliSpoglio& totali,
                               const FormatoNumeri& formato) {
  std::vector<QStringList> celle;
  celle.reserve(righe.size());
  for (const RigaSpoglio& r : righe) celle.push_back(Lista(CelleRiga(r, formato)));
  const QStringList intestazione = Lista(IntestazioneGriglia);
  modelloEstrazioni_->Imposta(intestazione, std::move(celle));
  modelloTotali_->Imposta(intestazione, {Lista(CelleTotali(totali, formato))});
  AdattaAltezzaFissa();
}

void GrigliaRisultati::AdattaAltezzaFissa() {
  totali_->setFixedHeight(totali_->horizontalHeader()->sizeHint().height() +
                          modelloTotali_->rowCount() * totali_->verticalHeader()->defaultSectionSize());
}

void GrigliaRisultati::AdattaColonne() {
  const QFontMetrics testo(estrazioni_->font());
  QFont grassetto = totali_->font();
  grassetto.setBold(true);
  const QFontMetrics totale(grassetto);
  const QFontMetrics intestazione(totali_->horizontalHeader()->font());
  for (int c = 0; c < Colonne(); ++c) {
    int larghezza = intestazione.horizontalAdvance(TestoCella(0, c));
    for (int r = 1; r < Righe(); ++r)
      larghezza = std::max(larghezza, (r < RigheFisse() ? totale : testo).horizontalAdvance(TestoCella(r, c)));
    estrazioni_->horizontalHeader()->resizeSection(c, larghezza + kMargine);
  }
}

void GrigliaRisultati::CreaFiltri() {
  RimuoviFiltri();
  for (int c = 0; c < Colonne(); ++c) {
    QStringList voci{"*"};
    QSet<QString> viste;
    for (int r = RigheFisse(); r < Righe(); ++r) {
      const QString testo = TestoCella(r, c);
      if (!viste.contains(testo)) {
        viste.insert(testo);
        voci << testo;
      }
    }
    auto* box = new QComboBox(strisciaFiltri_);
    box->setObjectName(QString("cmbFilter_%1").arg(c));
    box->addItems(voci);
    // The list as wide as its texts, however narrow the column.
    int larghezza = 0;
    for (const QString& v : voci) larghezza = std::max(larghezza, box->fontMetrics().horizontalAdvance(v));
    box->view()->setMinimumWidth(larghezza + 2 * kMargine);
    connect(box, &QComboBox::currentIndexChanged, this, &GrigliaRisultati::cmbFilter_Click);
    cmbFilter_.push_back(box);
  }
  strisciaFiltri_->show();
  PosizionaFiltri();
  for (QComboBox* box : cmbFilter_) box->show();
}

void GrigliaRisultati::PosizionaFiltri() {
  const QHeaderView* intestazione = totali_->horizontalHeader();
  const int origine = intestazione->mapTo(this, QPoint(0, 0)).x() - strisciaFiltri_->x();
  for (int c = 0; c < static_cast<int>(cmbFilter_.size()); ++c)
    cmbFilter_[static_cast<size_t>(c)]->setGeometry(origine + intestazione->sectionViewportPosition(c), 0,
                                                    intestazione->sectionSize(c), strisciaFiltri_->height());
}

void GrigliaRisultati::RimuoviFiltri() {
  for (QComboBox* box : cmbFilter_) delete box;
  cmbFilter_.clear();
  strisciaFiltri_->hide();
  ApplicaFiltri();
}

void GrigliaRisultati::ApplicaFiltri() {
  for (int r = 0; r < modelloEstrazioni_->rowCount(); ++r) {
    bool mostra = true;
    for (int c = 0; c < static_cast<int>(cmbFilter_.size()) && mostra; ++c) {
      const QComboBox* box = cmbFilter_[static_cast<size_t>(c)];
      mostra = box->currentIndex() <= 0 || box->currentText() == TestoCella(r + RigheFisse(), c);
    }
    estrazioni_->setRowHidden(r, !mostra);
  }
}

QComboBox* GrigliaRisultati::Filtro(int colonna) const {
  return colonna >= 0 && colonna < static_cast<int>(cmbFilter_.size()) ? cmbFilter_[static_cast<size_t>(colonna)] : nullptr;
}

std::vector<std::vector<std::string>> GrigliaRisultati::Celle() const {
  std::vector<std::vector<std::string>> celle(static_cast<size_t>(Righe()));
  for (int r = 0; r < Righe(); ++r)
    for (int c = 0; c < Colonne(); ++c) celle[static_cast<size_t>(r)].push_back(TestoCella(r, c).toStdString());
  return celle;
}

void GrigliaRisultati::resizeEvent(QResizeEvent* evento) {
  QWidget::resizeEvent(evento);
  PosizionaFiltri();
}

int GrigliaRisultati::RigheFisse() const { return 1 + modelloTotali_->rowCount(); }

int GrigliaRisultati::Righe() const { return RigheFisse() + modelloEstrazioni_->rowCount(); }

int GrigliaRisultati::Colonne() const { return modelloEstrazioni_->columnCount(); }

QString GrigliaRisultati::TestoCella(int riga, int colonna) const {
  if (riga == 0) return modelloTotali_->headerData(colonna, Qt::Horizontal, Qt::DisplayRole).toString();
  if (riga < RigheFisse()) return modelloTotali_->index(riga - 1, colonna).data().toString();
  return modelloEstrazioni_->index(riga - RigheFisse(), colonna).data().toString();
}

QString GrigliaRisultati::TestoSelezione() const {
  // Rows as the grid numbers them; the view's rows are the draws'.
  const int prima = RigheFisse();
  const QModelIndex corrente = estrazioni_->currentIndex();
  const int rigaIniziale = modelloTotali_->rowCount() == 0 ? 0 : prima;
  int r1 = corrente.isValid() ? prima + corrente.row() : rigaIniziale, r2 = r1;
  int c1 = corrente.isValid() ? corrente.column() : 0, c2 = c1;
  const QItemSelection selezione = estrazioni_->selectionModel()->selection();
  if (!selezione.isEmpty()) {
    r1 = c1 = INT32_MAX;
    r2 = c2 = -1;
    for (const QItemSelectionRange& s : selezione) {
      r1 = std::min(r1, prima + s.top()), r2 = std::max(r2, prima + s.bottom());
      c1 = std::min(c1, s.left()), c2 = std::max(c2, s.right());
    }
  }
  const std::string testo =
      TestoAppunti([this](int r, int c) { return TestoCella(r, c).toStdString(); }, r1, c1, r2, c2);
  return QString::fromStdString(testo);
}

}  // namespace tlx::ui

#include "ui/printing/frmTaratura.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <charconv>
#include <cmath>
#include <utility>

#include "core/Errori.h"
#include "platform/Finestre.h"
#include "platform/MessageBox.h"
#include "platform/StampanteQt.h"
#include "printing/Schede.h"
#include "ui/printing/AnteprimaScheda.h"
#include "ui/printing/ControlliStampa.h"
#include "ui/printing/frmPrnInCorso.h"

namespace tlx::ui {

namespace {

// Per field, in the key order: the scroll bar's and the value box's names.
constexpr std::array<std::pair<const char*, const char*>, 8> NOMI = {{{"VsX", "labX"},
                                                                      {"VsY", "labY"},
                                                                      {"VsTop", "labTop"},
                                                                      {"vsLeft", "labLeft"},
                                                                      {"vsWebX", "labWebX"},
                                                                      {"vsWebY", "labWebY"},
                                                                      {"vsNomeX", "labNomeX"},
                                                                      {"vsNomeY", "labNomeY"}}};
// The order in which loading sets the scroll bars.
constexpr std::array<size_t, 8> ORDINE_BARRE = {0, 1, 2, 3, 5, 4, 7, 6};

const QStringList QUALITA = {"BOZZA", "BASSA", "MEDIA", "ALTA"};

size_t Campo(std::string_view chiave) {
  for (size_t i = 0; i < CHIAVI_DISTANZE.size(); ++i)
    if (CHIAVI_DISTANZE[i] == chiave) return i;
  return 0;
}

// The shortest decimal form of the value, with the user's decimal separator.
QString TestoMm(float mm) {
  std::array<char, 32> cifre{};
  const auto fine = std::to_chars(cifre.data(), cifre.data() + cifre.size(), mm).ptr;
  return QString::fromLatin1(cifre.data(), static_cast<qsizetype>(fine - cifre.data()))
      .replace('.', QLocale().decimalPoint());
}

// Each layout's window: its object name and its title.
std::pair<const char*, const char*> NomeETitolo(LayoutScheda layout) {
  switch (layout) {
    case LayoutScheda::UnaColonna: return {"frmTaratura1", "Taratura Scheda 1 Colonna"};
    case LayoutScheda::CinqueColonne: return {"frmTaratura5", "Taratura Scheda 5 Colonne"};
    case LayoutScheda::Ridotti: return {"frmTaraturaRidotti", "Taratura Scheda Ridotti"};
  }
  return {"", ""};
}

void Avviso(const QString& testo, QWidget* parent) {
  platform::MessageBox::Mostra(Icona::Critica, Pulsanti::Ok, "Importante", testo, parent);
}

}  // namespace

frmTaratura::frmTaratura(Sistema& sistema, LayoutScheda layout, QWidget* parent)
    : QDialog(parent), sistema_(sistema), layout_(layout) {
  const auto [nome, titolo] = NomeETitolo(layout);
  setObjectName(nome);
  setWindowTitle(titolo);
  setModal(true);

  auto* griglia = new QGridLayout;
  griglia->addWidget(Riquadro("framePannelloNumeri", "Pannello Numeri", "kLeft", "kTop"), 0, 0);
  griglia->addWidget(Riquadro("framePosIntestazione", "Posiz. Intestazione", "kWebX", "kWebY"), 0, 1);
  griglia->addWidget(Riquadro("frameNomeSistema", "Nome Sistema", "kNomeX", "kNomeY"), 1, 0, 2, 1);

  auto* frameMarcatore = new QGroupBox("Marcatore di stampa", this);
  frameMarcatore->setObjectName("frameMarcatore");
  optColor_ = GruppoOpzioni(frameMarcatore, new QVBoxLayout(frameMarcatore), {"&Quadratino", "&Numero"}, "optColor_");
  connect(optColor_, &QButtonGroup::idClicked, this, &frmTaratura::optColor_Click);
  griglia->addWidget(frameMarcatore, 1, 1);

  auto* frameQualita = new QGroupBox("Qualità", this);
  frameQualita->setObjectName("frameQualita");
  cmbQualita_ = new QComboBox(frameQualita);
  cmbQualita_->setObjectName("cmbQualita");
  cmbQualita_->addItems(QUALITA);
  cmbQualita_->setCurrentIndex(-1);
  (new QVBoxLayout(frameQualita))->addWidget(cmbQualita_);
  griglia->addWidget(frameQualita, 2, 1);

  auto* frameStampante = new QGroupBox("&Stampante", this);
  frameStampante->setObjectName("frameStampante");
  cmbStampante_ = new QComboBox(frameStampante);
  cmbStampante_->setObjectName("cmbStampante");
  (new QVBoxLayout(frameStampante))->addWidget(cmbStampante_);
  griglia->addWidget(frameStampante, 3, 0, 1, 2);

  // The box spacings are not adjustable here: their frame stays disabled and
  // out of sight; the file's values are saved back as loaded.
  QGroupBox* frameDisTraNumeri = Riquadro("frameDisTraNumeri", "Distanza tra Numeri", "kX", "kY");
  frameDisTraNumeri->setEnabled(false);
  frameDisTraNumeri->setVisible(false);

  auto* Image1 = new AnteprimaScheda(layout, this);
  Image1->setObjectName("Image1");
  auto* cmdSalva = new QPushButton(style()->standardIcon(QStyle::SP_DialogSaveButton), "Salva Taratura", this);
  cmdSalva->setObjectName("cmdSalva");
  auto* cmdTest = new QPushButton(style()->standardIcon(QStyle::SP_FileDialogDetailedView), "Test Taratura", this);
  cmdTest->setObjectName("cmdTest");
  for (QPushButton* b : {cmdSalva, cmdTest}) {
    b->setAutoDefault(false);
    b->setMinimumHeight(44);
  }
  connect(cmdSalva, &QPushButton::clicked, this, &frmTaratura::cmdSalva_Click);
  connect(cmdTest, &QPushButton::clicked, this, &frmTaratura::cmdTest_Click);
  auto* pulsanti = new QHBoxLayout;
  pulsanti->addWidget(cmdSalva);
  pulsanti->addWidget(cmdTest);
  auto* destra = new QVBoxLayout;
  destra->addWidget(Image1, 1);
  destra->addLayout(pulsanti);

  auto* tutto = new QHBoxLayout(this);
  tutto->addLayout(griglia, 2);
  tutto->addLayout(destra, 1);

  // Form_Load.
  LeggiTaratura();
  for (const std::string& nome : platform::StampanteCorrente().Installate()) {
    cmbStampante_->addItem(QString::fromStdString(nome));
    if (nome == t_.NomeStampante) cmbStampante_->setCurrentIndex(cmbStampante_->count() - 1);
  }
  if (cmbStampante_->findText(QString::fromStdString(t_.NomeStampante)) < 0) cmbStampante_->setCurrentIndex(-1);

  connect(cmbQualita_, &QComboBox::activated, this, &frmTaratura::cmbQualita_Click);
  if (t_.Qualita >= qualita::Alta && t_.Qualita <= qualita::Bozza) {
    cmbQualita_->setCurrentIndex(-t_.Qualita - 1);
  } else {
    Avviso("Attenzione Qualita' di stampa non configurata", this);
    t_.Qualita = qualita::Media;
    cmbQualita_->setCurrentIndex(2);
  }
  cmbQualita_Click();

  if (cmbStampante_->currentText().isEmpty() && cmbStampante_->count() > 0) {
    Avviso("Attenzione selezionare una stampante", this);
    cmbStampante_->setCurrentIndex(0);
  }
  if (cmbStampante_->count() == 0) Avviso("Attenzione nessuna stampante installata", this);

  for (size_t i = 0; i < 8; ++i) MostraValore(i);
  const auto campi = CampiDistanze(t_);
  for (size_t i : ORDINE_BARRE) barre_[i]->setValue(static_cast<int>(std::nearbyint(double{*campi[i]} * 10)));
  optColor_Click(t_.SoloQuadratino() ? 0 : 1);

  adjustSize();
  platform::CentraForm(this);
}

QGroupBox* frmTaratura::Riquadro(const char* nome, const QString& titolo, std::string_view chiaveX,
                                 std::string_view chiaveY) {
  auto* frame = new QGroupBox(titolo, this);
  frame->setObjectName(nome);
  auto* righe = new QGridLayout(frame);
  int riga = 0;
  for (const auto& [didascalia, chiave] : {std::pair{"X :", chiaveX}, std::pair{"Y :", chiaveY}}) {
    const size_t i = Campo(chiave);
    auto* testo = new QLineEdit(frame);
    testo->setObjectName(NOMI[i].second);
    testo->setReadOnly(true);
    testo->setAlignment(Qt::AlignRight);
    testo->setMaximumWidth(80);
    auto* barra = new QScrollBar(Qt::Horizontal, frame);
    barra->setObjectName(NOMI[i].first);
    barra->setRange(0, 3000);
    barra->setSingleStep(1);
    barra->setPageStep(10);
    barra->setMinimumWidth(170);
    connect(barra, &QScrollBar::valueChanged, this, [this, i](int decimi) {
      *CampiDistanze(t_)[i] = static_cast<float>(decimi) / 10.0F;
      MostraValore(i);
    });
    barre_[i] = barra;
    valori_[i] = testo;
    righe->addWidget(new QLabel(didascalia, frame), riga, 0);
    righe->addWidget(testo, riga, 1);
    righe->addWidget(barra, riga + 1, 0, 1, 2);
    riga += 2;
  }
  return frame;
}

QScrollBar* frmTaratura::barra(std::string_view chiave) const { return barre_[Campo(chiave)]; }
QLineEdit* frmTaratura::valore(std::string_view chiave) const { return valori_[Campo(chiave)]; }
QPushButton* frmTaratura::opzione(int indice) const { return qobject_cast<QPushButton*>(optColor_->button(indice)); }

void frmTaratura::MostraValore(size_t campo) { valori_[campo]->setText(TestoMm(*CampiDistanze(t_)[campo])); }

std::string frmTaratura::File() const {
  switch (layout_) {
    case LayoutScheda::UnaColonna: return sistema_.FileTaratura1Colonna;
    case LayoutScheda::CinqueColonne: return sistema_.FileTaratura5Colonne;
    case LayoutScheda::Ridotti: return sistema_.FileTaraturaRidotti;
  }
  return {};
}

void frmTaratura::LeggiTaratura() {
  t_ = TaraturaPredefinita(layout_);
  const std::string vecchio = sistema_.PercorsoDati + "/" + std::string(FILE_TARATURA_VECCHIA);
  if (layout_ != LayoutScheda::UnaColonna || !MigraTaraturaVecchia(vecchio, File(), t_))
    t_ = tlx::LeggiTaratura(File(), layout_);
  platform::StampanteCorrente().Seleziona(t_.NomeStampante);
}

void frmTaratura::cmbQualita_Click() {
  const qsizetype i = QUALITA.indexOf(cmbQualita_->currentText());
  if (i < 0) {
    Avviso("Attenzione Qualita' di stampa non configurata", this);
    return;
  }
  t_.Qualita = static_cast<int16_t>(-(i + 1));
}

void frmTaratura::optColor_Click(int indice) {
  for (int i = 0; i < 2; ++i) opzione(i)->setChecked(i == indice);
  t_.Marcatore = indice == 0 ? MARCATORE_QUADRATINO : MARCATORE_NUMERO;
}

void frmTaratura::cmdSalva_Click() {
  t_.NomeStampante = cmbStampante_->currentText().toStdString();
  if (!SalvaTaratura(File(), t_))
    platform::MessageBox::Mostra(Icona::Critica, Pulsanti::Ok, "!!! E R R O R E !!!",
                                 "Impossibile salvare la taratura in " + QString::fromStdString(File()), this);
}

void frmTaratura::cmdTest_Click() {
  Stampante& stampante = platform::StampanteCorrente();
  if (stampante.Occupata()) {
    platform::MessageBox::Mostra(MessaggioStampaInCorso(), this);
    return;
  }
  stampante.Seleziona(cmbStampante_->currentText().toStdString());
  PrenotazioneStampante prenotazione(stampante);
  try {
    StampaTestTaratura(stampante, t_, layout_, sistema_.IntestazioneStampa);
  } catch (const ErroreRuntime& e) {
    try {
      stampante.FineDocumento();
    } catch (const ErroreRuntime&) {
    }
    if (e.Numero() == ERRORE_STAMPANTE)
      platform::MessageBox::Mostra(Icona::Critica, Pulsanti::Ok, "!!! E R R O R E !!!", "Stampante non installata", this);
  }
}

}  // namespace tlx::ui

#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <utility>

#include "platform/Finestre.h"

namespace tlx::platform {

bool MessageBox::registra_ = false;
std::deque<Risposta> MessageBox::risposte_;
std::vector<Messaggio> MessageBox::mostrati_;
std::function<void(const Messaggio&)> MessageBox::alMostra_;

Risposta MessageBox::Mostra(Icona icona, Pulsanti pulsanti, const QString& titolo, const QString& testo,
                            QWidget* parent) {
  return Mostra(Messaggio{icona, pulsanti, titolo.toStdString(), testo.toStdString()}, parent);
}

Risposta MessageBox::Mostra(const Messaggio& m, QWidget* parent) {
  if (registra_) {
    mostrati_.push_back(m);
    if (alMostra_) alMostra_(m);
    if (!risposte_.empty()) {
      const Risposta r = risposte_.front();
      risposte_.pop_front();
      return r;
    }
    // Unscripted questions are answered No: the cautious choice.
    if (m.pulsanti == Pulsanti::OkAnnulla) return Risposta::Annulla;
    return m.pulsanti == Pulsanti::Ok ? Risposta::Ok : Risposta::No;
  }

  QMessageBox box(parent ? parent : QApplication::activeWindow());
  switch (m.icona) {
    case Icona::Nessuna: box.setIcon(QMessageBox::NoIcon); break;
    case Icona::Critica: box.setIcon(QMessageBox::Critical); break;
    case Icona::Domanda: box.setIcon(QMessageBox::Question); break;
    case Icona::Esclamazione: box.setIcon(QMessageBox::Warning); break;
    case Icona::Informazione: box.setIcon(QMessageBox::Information); break;
  }
  box.setWindowTitle(m.titolo.empty() ? TITOLO_APPLICAZIONE : QString::fromStdString(m.titolo));
  // Texts break lines with CR LF or a lone CR.
  QString testo = QString::fromStdString(m.testo);
  testo.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
  box.setText(testo);
  box.setTextFormat(Qt::PlainText);
  // The box sizes itself to its text: its title must fit as well.
  AdattaAlTitolo(&box);
  // Qt would place it over its owner by a guess at the desktop's frames.
  CentraForm(&box);
  if (m.pulsanti == Pulsanti::SiNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes ? Risposta::Si : Risposta::No;
  }
  if (m.pulsanti == Pulsanti::OkAnnulla) {
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok ? Risposta::Ok : Risposta::Annulla;
  }
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
  return Risposta::Ok;
}

void MessageBox::Registra() {
  registra_ = true;
  Azzera();
}

void MessageBox::Ferma() {
  registra_ = false;
  Azzera();
}

void MessageBox::Accoda(Risposta r) { risposte_.push_back(r); }
void MessageBox::AlMostra(std::function<void(const Messaggio&)> guarda) { alMostra_ = std::move(guarda); }
const std::vector<Messaggio>& MessageBox::Mostrati() { return mostrati_; }
bool MessageBox::Registrando() { return registra_; }

void MessageBox::Azzera() {
  risposte_.clear();
  mostrati_.clear();
  alMostra_ = nullptr;
}

}  // namespace tlx::platform

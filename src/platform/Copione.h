#pragma once
// The scripted mode that tests switch a desktop service to: nothing is shown
// or opened, each request is recorded and answered from a queue.

#include <deque>
#include <utility>
#include <vector>

namespace tlx::platform {

template <typename Richiesta, typename Risposta>
class Copione {
 public:
  // Switches to scripted mode and forgets earlier requests and answers.
  void Registra() {
    attivo_ = true;
    Azzera();
  }
  // Back to the real service.
  void Ferma() {
    attivo_ = false;
    Azzera();
  }
  bool Attivo() const { return attivo_; }
  void Accoda(Risposta r) { risposte_.push_back(std::move(r)); }
  const std::vector<Richiesta>& Richieste() const { return richieste_; }
  void Azzera() {
    risposte_.clear();
    richieste_.clear();
  }

  // Scripted: the next queued answer to `richiesta` (a value-initialised one,
  // Cancel, when the test queued none). Otherwise what `servizio`, the real
  // service, answers.
  template <typename Servizio>
  Risposta Chiedi(const Richiesta& richiesta, Servizio&& servizio) {
    return attivo_ ? Rispondi(richiesta, Risposta{}) : servizio(richiesta);
  }

  // Records the request; the next queued answer, or `predefinita` when the
  // test queued none.
  Risposta Rispondi(Richiesta richiesta, Risposta predefinita) {
    richieste_.push_back(std::move(richiesta));
    if (!risposte_.empty()) {
      predefinita = std::move(risposte_.front());
      risposte_.pop_front();
    }
    return predefinita;
  }

 private:
  bool attivo_ = false;
  std::deque<Risposta> risposte_;
  std::vector<Richiesta> richieste_;
};

}  // namespace tlx::platform

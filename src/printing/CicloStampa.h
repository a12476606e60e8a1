#pragma once
// The loop shared by the slip print runs: one slip per page, a yield to the
// event loop before each slip so that the progress window can interrupt the
// run, and the document ended however the run stops.

#include <cstdint>
#include <functional>

#include "core/Sistema.h"
#include "printing/Stampante.h"

namespace tlx {

struct AvanzamentoStampa {
  std::function<void()> Cedi;                     // yields to the event loop
  std::function<void(int32_t)> MostraScheda;      // the slip being printed
};

// Guasto: a printer fault stopped the run (reported by the caller).
enum class EsitoStampa { Completata, Interrotta, Guasto };

// For n = prima..ultima: yields; stops when `interrotta` has become true;
// shows n, prints the slip with stampaScheda(n) and ends the page. The
// document is ended in every case; a printer fault is thrown again after it.
// The caller clears `interrotta` and holds the printer (PrenotazioneStampante).
EsitoStampa CicloSchede(Stampante& p, const Flag& interrotta, int32_t prima, int32_t ultima,
                        const AvanzamentoStampa& avanzamento, const std::function<void(int32_t)>& stampaScheda);

}  // namespace tlx

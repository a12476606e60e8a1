#include "printing/CicloStampa.h"

namespace tlx {

EsitoStampa CicloSchede(Stampante& p, const Flag& interrotta, int32_t prima, int32_t ultima,
                        const AvanzamentoStampa& avanzamento, const std::function<void(int32_t)>& stampaScheda) {
  try {
    for (int32_t n = prima; n <= ultima; ++n) {
      if (avanzamento.Cedi) avanzamento.Cedi();
      if (Vero(interrotta)) {
        p.FineDocumento();
        return EsitoStampa::Interrotta;
      }
      if (avanzamento.MostraScheda) avanzamento.MostraScheda(n);
      stampaScheda(n);
      p.NuovaPagina();
    }
    p.FineDocumento();
    return EsitoStampa::Completata;
  } catch (...) {
    // The slips finished before the fault are still printed.
    try {
      p.FineDocumento();
    } catch (...) {
    }
    throw;
  }
}

}  // namespace tlx

#include "core/Errori.h"

namespace tlx {

std::string TestoErrore(int32_t numero, std::string_view descrizione, std::string_view procedura,
                        std::string_view modulo) {
  std::string t = "Error " + std::to_string(numero) + " (";
  t.append(descrizione);
  t += ") in procedure ";
  t.append(procedura);
  t += " of ";
  t.append(modulo);
  return t;
}

Messaggio MessaggioErrore(const ErroreRuntime& e, std::string_view procedura, std::string_view modulo) {
  return Messaggio{Icona::Nessuna, Pulsanti::Ok, "", TestoErrore(e.Numero(), e.Descrizione(), procedura, modulo)};
}

}  // namespace tlx

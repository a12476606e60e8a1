#pragma once
// A message box as the core describes it; the platform layer shows it.
// An empty title shows the program's title.

#include <string>
#include <vector>

namespace tlx {

enum class Icona { Nessuna, Critica, Domanda, Esclamazione, Informazione };
enum class Pulsanti { Ok, SiNo, OkAnnulla };
enum class Risposta { Ok, Si, No, Annulla };

struct Messaggio {
  Icona icona = Icona::Nessuna;
  Pulsanti pulsanti = Pulsanti::Ok;
  std::string titolo;
  std::string testo;
  bool operator==(const Messaggio&) const = default;
};

using Messaggi = std::vector<Messaggio>;

}  // namespace tlx

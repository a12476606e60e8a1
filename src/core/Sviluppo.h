#pragma once
// The development engine: every 5-number combination of the prediction, in
// lexicographic order, through the condition tests, into the column table.

#include <array>
#include <cstdint>
#include <string>

#include "core/Formato.h"
#include "core/Messaggio.h"
#include "core/Sistema.h"

namespace tlx {

double Fattoriale(int k);
// C(n, k) as the product n (n-1) ... (n-k+1) / k!; 0 when n < k.
double Combinazioni(int n, int k);

// What the progress window shows.
struct AvanzamentoSviluppo {
  double colonneIntegrale = 0;  // C(n, 5)
  double colonneElaborate = 0;  // candidates generated
  int32_t colonneSistema = 0;   // columns kept
  int barra = 0;                // 0..100
};

// The progress window's side of a development. Passo is called at most 251
// times (progress steps 0..250): the window refreshes and processes pending
// events there, where the user may set InterrompiSviluppo.
class OsservatoreSviluppo {
 public:
  virtual ~OsservatoreSviluppo() = default;
  virtual void Inizio(double colonneIntegrale) = 0;
  virtual void Passo(const AvanzamentoSviluppo& a) = 0;
  // The 1,850,000th column was kept: the capacity text and message.
  virtual void CapienzaRaggiunta(const AvanzamentoSviluppo& a) = 0;
};

// Develops `pronostico` (its first n numbers, distinct, 1..55) into Colonne,
// NumeroColonne and TitoloSistema. A prediction that breaks those rules
// develops nothing.
void Sviluppo(Sistema& s, uint8_t n, const std::array<uint8_t, NUMERI>& pronostico,
              OsservatoreSviluppo* osservatore = nullptr);

// True when a condition other than the two reductions narrows the development.
bool CondizioneAttiva(const Sistema& s);

// The description a development gives: "Integrale", "Condizionato",
// "Ridotto N-g[ Condizionato]", "Distanza Minima [d][ - Condizionato]",
// then " - ***" when it was stopped.
std::string DescrizioneSviluppo(const Sistema& s, bool interrotto);

inline constexpr std::string_view TESTO_CAPIENZA = "Colonne superiori alla capienza della memoria";
// The text of the capacity warning (critical icon, OK, title "ATTENZIONE").
std::string TestoAvvisoCapienza(double capienza, const FormatoNumeri& formato);
Messaggio AvvisoCapienza(double capienza, const FormatoNumeri& formato);

}  // namespace tlx

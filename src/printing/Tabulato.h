#pragma once
// The printed listing of the current system, in twips on plain paper: a
// header, the system's data, optionally the prediction with the base
// conditions, the 5 x 5 grid of a crossword system, optionally every column
// in blocks of 19 side by side. Laid out page by page, so a listing of a
// million columns never sits in memory whole.

#include <functional>
#include <string>

#include "core/Formato.h"
#include "core/Errori.h"
#include "core/Messaggio.h"
#include "core/Sistema.h"
#include "printing/Impaginato.h"

namespace tlx {

struct OpzioniTabulato {
  bool colonne = true;     // every column, in blocks
  bool pronostico = true;  // the prediction and the base conditions
  bool colori = true;      // the crossword grid and its amount in red
};

inline constexpr double TABULATO_MARGINE = 120;
inline constexpr double TABULATO_PASSO = 250;
inline constexpr int COLONNE_PER_BLOCCO = 19;

inline const Carattere CARATTERE_TABULATO{"Courier New", 10, false};

class Tabulato {
 public:
  // `nomeSistema` is the current file's title as the status bar shows it.
  Tabulato(const Sistema& sistema, std::string nomeSistema, OpzioniTabulato opzioni, FormatoNumeri formato,
           const MetricaRighe& metrica);

  bool Stampabile() const { return opzioni_.colonne || opzioni_.pronostico; }
  int NumeroPagine() const;
  Pagina ImpaginaPagina(int numero) const;  // 1..NumeroPagine()

  int NumeroBlocchi() const;
  int BlocchiPrimaPagina() const { return opzioni_.pronostico ? 5 : 6; }
  static constexpr int BLOCCHI_PER_PAGINA = 8;

 private:
  // Y after the last line; the page holds blocks [primo, ultimo).
  double ScriviBlocchi(Pagina& p, double y, int primo, int ultimo) const;
  double ScriviPronostico(Pagina& p, double y) const;
  double ScriviCruciverba(Pagina& p, double yMinimo) const;
  void Riga(Pagina& p, double y, std::string testo, bool grassetto = false) const;

  const Sistema& sistema_;
  std::string nomeSistema_;
  OpzioniTabulato opzioni_;
  FormatoNumeri formato_;
  const MetricaRighe& metrica_;
  double altezza_;  // the line height of the listing's font
  double altezzaImporto_;
};

// Prints the listing in `copie` copies, each a document of its own, in
// twips on the current printer; the pictures are the image files `figure`
// names. A printer fault ends the unfinished document and is thrown again.
void StampaTabulato(Stampante& p, const Sistema& sistema, const std::string& nomeSistema, OpzioniTabulato opzioni,
                    const FormatoNumeri& formato, int copie, const std::function<std::string(Figura)>& figure);

// "Nessuna scelta selezionata" when neither the columns nor the prediction
// are asked for.
Messaggio MessaggioNessunaScelta();
// "Error n (...) in procedure Stampa Tabulato".
Messaggio MessaggioErroreTabulato(const ErroreRuntime& e);

}  // namespace tlx

#pragma once
// The betting slips laid out on the printer: the number panel shared by
// every slip layout, the pages of the 1-column and 5-column slips, and the
// calibration test page. Positions come from the layout's calibration, in
// millimetres from the top-left corner of the printable area.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/Denaro.h"
#include "core/Formato.h"
#include "printing/Stampante.h"
#include "printing/Taratura.h"

namespace tlx {

struct Sistema;

// The last line of every slip.
inline constexpr std::string_view PIEDE_SCHEDA = "TremaluxorQVX by Velmora - WWW.TREMALUXORQVX.IT";
// Numbers printed on a black marker square are white, to stay legible.
inline constexpr int32_t COLORE_BIANCO = 0xFFFFFF;

// What sets a slip layout apart.
struct TipoScheda {
  int colonne;         // columns per slip
  double lato;         // side of a marker square, mm
  double puntiNumeri;  // font size of the panel's numbers
};
TipoScheda DatiTipoScheda(LayoutScheda layout);

struct PuntoMm {
  double x = 0;
  double y = 0;
  bool operator==(const PuntoMm&) const = default;
};

// The top-left corner of number m (1..55) in a panel whose first row (the
// numbers 1 to 5, in the sixth to tenth places) lies at y0.
PuntoMm PosizioneNumero(const TaraturaScheda& t, double y0, int numero);
// The first-row y of panel i (1-based) of the layout: kTop for the 1-column
// and reduced-system slips; on the 5-column slip the panel's row 6-15 of
// panel 1 lies at kTop and each panel is 6 rows and 2 mm below the previous.
double InizioPannello(const TaraturaScheda& t, LayoutScheda layout, int pannello);

// Marks of one panel: element m (1..55) true when number m is played.
using Segni = std::array<bool, 56>;
Segni SegniColonna(const uint8_t* colonna);  // five numbers, 0 for none

// Draws the marked numbers of one panel: a square of `lato` mm each and,
// unless the marker is the square alone, its number "00" at the square's
// corner in the current font.
void DisegnaPannello(Stampante& p, const TaraturaScheda& t, double y0, const Segni& segni, double lato);

// The reduced-system slip's extra box, drawn on every slip, with no number:
// a 4 mm box by the panel's last column, two rows below its last row.
void DisegnaCasellaExtra(Stampante& p, const TaraturaScheda& t);

// The drawing settings every slip page starts with: the fill style given,
// millimetres, the quality, solid black lines of width 1, black "Arial".
void ImpostaPaginaScheda(Stampante& p, StileRiempimento riempimento, int16_t qualita);

// "Scheda n. 1.234" and "Scheda n. 01234" (the progress window).
std::string TestoNumeroScheda(int32_t n, const FormatoNumeri& formato);
std::string TestoProgressoScheda(int32_t n);
// "   € 2,00": the slip's price.
std::string TestoImportoScheda(Centesimi importo, const FormatoNumeri& formato);

// What one page of the system's slips needs besides the system.
struct DatiStampaSchede {
  LayoutScheda layout = LayoutScheda::UnaColonna;
  std::string nomeSistema;  // the current system file's title
  FormatoNumeri formato;
};

// Prints slip n of the system (its columns (n - 1) x k + 1 onwards, k the
// layout's columns per slip) on the current page, without ending it.
void StampaPaginaScheda(Stampante& p, const Sistema& s, const TaraturaScheda& t, const DatiStampaSchede& dati,
                        int32_t n);

// The calibration test page of the layout, ended as a document of its own.
void StampaTestTaratura(Stampante& p, const TaraturaScheda& t, LayoutScheda layout, std::string_view intestazione);

}  // namespace tlx

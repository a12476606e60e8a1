#pragma once
// A laid-out page as plain data: lines of text, boxes and pictures at their
// positions, in the unit of the layout (twips for the listing, millimetres
// for slips). Laying out knows nothing of printers: a printer replays the
// page; tests read it.

#include <cstdint>
#include <string>
#include <vector>

namespace tlx {

enum class Unita { Twip, Millimetro };

inline constexpr double TWIP_PER_MM = 1440.0 / 25.4;

inline constexpr uint32_t NERO = 0x000000;
inline constexpr uint32_t ROSSO = 0x0000FF;  // blue-green-red, as the colours are stored

struct Carattere {
  std::string nome;
  double punti = 10;
  bool grassetto = false;
  bool operator==(const Carattere&) const = default;
};

// Pieces of one line printed one after the other without a line end, each
// in its own font: their tops share the line's Y.
struct Segmento {
  std::string testo;
  Carattere carattere;
  bool operator==(const Segmento&) const = default;
};

struct RigaTesto {
  double x = 0;
  double y = 0;
  std::vector<Segmento> segmenti;
  uint32_t colore = NERO;
  std::string Testo() const;  // the segments joined
};

struct Riquadro {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  bool pieno = false;     // a filled square, otherwise an outline
  uint32_t colore = NERO;
  int spessore = 1;       // outline width in printer dots
};

enum class Figura { Logo, Vietato };

struct Immagine {
  Figura figura = Figura::Logo;
  double x = 0;
  double y = 0;
};

struct Pagina {
  std::vector<RigaTesto> righe;
  std::vector<Riquadro> riquadri;
  std::vector<Immagine> immagini;
};

// The line height of a font in the layout's unit, as the printer measures
// it: a text printed with a line end moves the next line down by it.
struct MetricaRighe {
  virtual ~MetricaRighe() = default;
  virtual double AltezzaRiga(const Carattere& carattere) const = 0;
};

// The maker's web address as the printed footers show it.
inline constexpr const char* INDIRIZZO_WEB_STAMPA = "WWW.TREMALUXORQVX.IT";

}  // namespace tlx

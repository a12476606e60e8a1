#pragma once
// A laid-out page as plain data: lines of text, boxes and pictures at their
// positions, in one unit (the listing's twips). Laying out needs only the
// printer's line heights; the page is then replayed on the printer, and
// tests read it as it stands.

#include <functional>
#include <string>
#include <vector>

#include "printing/Stampante.h"

namespace tlx {

inline constexpr double TWIP_PER_MM = TWIP_PER_POLLICE / MM_PER_POLLICE;

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
  int32_t colore = COLORE_NERO;
  std::string Testo() const;  // the segments joined
};

struct Riquadro {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  int32_t colore = COLORE_NERO;
  int16_t spessore = 1;  // outline width in printer dots
};

enum class Figura { Logo, Vietato };

struct Immagine {
  Figura figura = Figura::Logo;
  double x = 0;
  double y = 0;
};

struct Pagina {
  std::vector<RigaTesto> righe;
  std::vector<Riquadro> riquadri;  // outlines
  std::vector<Immagine> immagini;
};

// Text measures in the layout's unit: a text printed with a line end moves
// the next line down by the font's line height.
struct MetricaRighe {
  virtual ~MetricaRighe() = default;
  virtual double AltezzaRiga(const Carattere& carattere) const = 0;
  virtual double Larghezza(const Carattere& carattere, const std::string& testo) const = 0;
};

// The printer's own line heights in its current unit.
class MetricaStampante : public MetricaRighe {
 public:
  explicit MetricaStampante(Stampante& p) : p_(p) {}
  double AltezzaRiga(const Carattere& carattere) const override;
  double Larghezza(const Carattere& carattere, const std::string& testo) const override;

 private:
  Stampante& p_;
};

// Draws the page on the printer in its current unit, outlines only; the
// pictures are the image files `percorso` names. The page is not ended.
void StampaPagina(Stampante& p, const Pagina& pagina, const std::function<std::string(Figura)>& percorso);

}  // namespace tlx

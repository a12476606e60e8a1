#pragma once
// The current printer shared by the whole program. A print run selects a
// printer by its device name, draws its pages in millimetres or twips from
// the top-left corner of the printable area, and ends its document.
// Implementations: the real printer (platform/StampanteQt.h) and the
// recording printer of the tests (printing/StampanteRegistrata.h).
// A printer fault throws ErroreRuntime (number ERRORE_STAMPANTE).

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tlx {

enum class UnitaStampa { Millimetri, Twip };

inline constexpr double MM_PER_POLLICE = 25.4;
inline constexpr double TWIP_PER_POLLICE = 1440.0;
inline constexpr double MM_PER_PUNTO = MM_PER_POLLICE / 72.0;

// Print quality in the printer's codes; 0 when not configured.
namespace qualita {
inline constexpr int16_t NonConfigurata = 0;
inline constexpr int16_t Bozza = -1;
inline constexpr int16_t Bassa = -2;
inline constexpr int16_t Media = -3;
inline constexpr int16_t Alta = -4;
}  // namespace qualita

enum class StileRiempimento : int16_t { Pieno = 0, Trasparente = 1 };

// Colours as 24-bit values in blue-green-red order.
inline constexpr int32_t COLORE_NERO = 0x000000;
inline constexpr int32_t COLORE_ROSSO = 0x0000FF;

// The error a printer fault raises, with its traditional number.
inline constexpr int32_t ERRORE_STAMPANTE = 482;

class Stampante {
 public:
  virtual ~Stampante() = default;

  // The installed printers by device name, in the platform's order.
  virtual std::vector<std::string> Installate() const = 0;
  // The device name of the current printer ("" when none is known).
  virtual std::string Corrente() const = 0;

  // The first installed printer whose name equals `nome` exactly (case
  // counts) becomes the current one; with no match the current printer
  // stays. True when one matched. While a run holds the printer nothing
  // changes: its document stays on its printer.
  bool Seleziona(std::string_view nome);

  // Page and drawing settings. A change of unit keeps the position in place.
  void ImpostaUnita(UnitaStampa u);
  void ImpostaFont(std::string nome) { fontNome_ = std::move(nome); }
  void ImpostaDimensioneFont(double punti) { fontPunti_ = punti; }
  void ImpostaGrassetto(bool grassetto) { fontGrassetto_ = grassetto; }
  const std::string& FontNome() const { return fontNome_; }
  double DimensioneFont() const { return fontPunti_; }
  bool Grassetto() const { return fontGrassetto_; }
  virtual void ImpostaQualita(int16_t q) { qualita_ = q; }
  int16_t Qualita() const { return qualita_; }
  void ImpostaRiempimento(StileRiempimento s) { riempimento_ = s; }
  StileRiempimento Riempimento() const { return riempimento_; }
  // Draw style: 0 solid, the only one the program uses.
  void ImpostaStileTratto(int16_t stile) { stileTratto_ = stile; }
  int16_t StileTratto() const { return stileTratto_; }
  // Line width in printer dots (a dot is 1/600 inch).
  void ImpostaSpessoreTratto(int16_t punti) { spessore_ = punti; }
  int16_t SpessoreTratto() const { return spessore_; }
  void ImpostaColoreTesto(int32_t bgr) { coloreTesto_ = bgr; }
  int32_t ColoreTesto() const { return coloreTesto_; }
  void ImpostaColoreRiempimento(int32_t bgr) { coloreRiempimento_ = bgr; }
  int32_t ColoreRiempimento() const { return coloreRiempimento_; }

  // Current position in the current unit.
  double X() const { return DaMm(xMm_); }
  double Y() const { return DaMm(yMm_); }
  void ImpostaX(double x) { xMm_ = InMm(x); }
  void ImpostaY(double y) { yMm_ = InMm(y); }

  // Prints the text with its top-left corner at the current position. With
  // a line end X returns to 0 and Y moves down one line of the current
  // font; without, X moves right by the text's width.
  void Stampa(std::string_view testo, bool aCapo = true);
  // The width and the line height of a text in the current font and unit.
  double LarghezzaTesto(std::string_view testo) const { return DaMm(LarghezzaMm(testo)); }
  double AltezzaRiga() const { return DaMm(AltezzaRigaMm()); }

  // A box between two corners in the current unit: outlined in `colore`
  // with the line width, filled with the fill colour when the fill style
  // is solid.
  void Riquadro(double x1, double y1, double x2, double y2, int32_t colore = COLORE_NERO);
  // A stored picture (an image file) at its own size, top-left at (x, y).
  void Immagine(const std::string& percorso, double x, double y);

  // Ends the page; the position returns to the top-left corner.
  void NuovaPagina();
  // Ends the document: its pages go to the printer. Without pages nothing
  // is printed.
  void FineDocumento();
  // The current page's number within the document, from 1.
  int32_t NumeroPagina() const { return pagina_; }

  // One print run at a time: the slip runs yield to the event loop, and a
  // second run would otherwise draw into the first one's document.
  bool Occupata() const { return occupata_; }

 protected:
  // What an implementation draws, always in millimetres from the top-left
  // corner of the printable area, with the settings above.
  virtual void ImpostaCorrente(const std::string& nome) = 0;
  virtual double LarghezzaMm(std::string_view testo) const = 0;
  virtual double AltezzaRigaMm() const = 0;
  virtual void DisegnaTesto(double xMm, double yMm, std::string_view testo) = 0;
  virtual void DisegnaRiquadro(double x1Mm, double y1Mm, double x2Mm, double y2Mm, int32_t colore) = 0;
  virtual void DisegnaImmagine(const std::string& percorso, double xMm, double yMm) = 0;
  virtual void ChiudiPagina() = 0;
  virtual void ChiudiDocumento() = 0;

 private:
  friend class PrenotazioneStampante;
  double InMm(double v) const;
  double DaMm(double mm) const;

  UnitaStampa unita_ = UnitaStampa::Millimetri;
  std::string fontNome_ = "Arial";
  double fontPunti_ = 10;
  bool fontGrassetto_ = false;
  int16_t qualita_ = qualita::NonConfigurata;
  StileRiempimento riempimento_ = StileRiempimento::Trasparente;
  int16_t stileTratto_ = 0;
  int16_t spessore_ = 1;
  int32_t coloreTesto_ = COLORE_NERO;
  int32_t coloreRiempimento_ = COLORE_NERO;
  double xMm_ = 0;
  double yMm_ = 0;
  int32_t pagina_ = 1;
  bool occupata_ = false;
};

// Holds the printer for one print run: the caller checks Occupata() first
// and refuses its command while another run holds the printer.
class PrenotazioneStampante {
 public:
  explicit PrenotazioneStampante(Stampante& s) : stampante_(s) { stampante_.occupata_ = true; }
  ~PrenotazioneStampante() { stampante_.occupata_ = false; }
  PrenotazioneStampante(const PrenotazioneStampante&) = delete;
  PrenotazioneStampante& operator=(const PrenotazioneStampante&) = delete;

 private:
  Stampante& stampante_;
};

}  // namespace tlx

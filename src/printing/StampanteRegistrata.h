#pragma once
// A printer that records what it is asked to draw, for the tests: the
// installed printers are a list set by the test, texts are measured with a
// fixed advance per character, and a fault can be planted.

#include <optional>
#include <string>
#include <vector>

#include "printing/Stampante.h"

namespace tlx {

struct OperazioneStampa {
  enum class Tipo { Testo, Riquadro, Immagine };
  Tipo tipo = Tipo::Testo;
  double x = 0, y = 0;    // mm: the text's or box's top-left corner
  double x2 = 0, y2 = 0;  // mm: the box's other corner
  std::string testo;      // the text, or the picture's path
  std::string font;
  double punti = 0;
  bool grassetto = false;
  StileRiempimento riempimento = StileRiempimento::Trasparente;
  int16_t spessore = 1;
  int32_t colore = COLORE_NERO;
  int32_t coloreRiempimento = COLORE_NERO;
};

struct PaginaRegistrata {
  std::vector<OperazioneStampa> operazioni;
  // The operations of one kind, in order.
  std::vector<OperazioneStampa> Di(OperazioneStampa::Tipo tipo) const;
  // The texts in order, and the first text that starts with `inizio`.
  std::vector<std::string> Testi() const;
  std::optional<OperazioneStampa> Testo(std::string_view inizio) const;
};

struct DocumentoRegistrato {
  std::string stampante;  // the current printer when the document began
  int16_t qualita = 0;    // the quality at its first page
  std::vector<PaginaRegistrata> pagine;
};

class StampanteRegistrata : public Stampante {
 public:
  explicit StampanteRegistrata(std::vector<std::string> installate = {}, std::string corrente = {})
      : installate_(std::move(installate)), corrente_(std::move(corrente)) {}

  std::vector<std::string> Installate() const override { return installate_; }
  std::string Corrente() const override { return corrente_; }
  void ImpostaInstallate(std::vector<std::string> nomi) { installate_ = std::move(nomi); }

  // The documents ended so far, and the one being drawn (null when none).
  const std::vector<DocumentoRegistrato>& Documenti() const { return finiti_; }
  const DocumentoRegistrato* Aperto() const { return aperto_ ? &*aperto_ : nullptr; }
  // Every drawing operation after the first `riuscite` fails as a printer
  // fault.
  void SimulaGuasto(int riuscite) { guastoDopo_ = riuscite; }

  // Text metrics: a character is half the font size wide, a line 1.15
  // times the font size high.
  static constexpr double LARGHEZZA_CARATTERE = 0.5;
  static constexpr double INTERLINEA = 1.15;

 protected:
  void ImpostaCorrente(const std::string& nome) override { corrente_ = nome; }
  double LarghezzaMm(std::string_view testo) const override;
  double AltezzaRigaMm() const override;
  void DisegnaTesto(double x, double y, std::string_view testo) override;
  void DisegnaRiquadro(double x1, double y1, double x2, double y2, int32_t colore) override;
  void DisegnaImmagine(const std::string& percorso, double x, double y) override;
  void ChiudiPagina() override;
  void ChiudiDocumento() override;

 private:
  void Registra(OperazioneStampa op);

  std::vector<std::string> installate_;
  std::string corrente_;
  std::vector<DocumentoRegistrato> finiti_;
  std::optional<DocumentoRegistrato> aperto_;
  int pagineInSospeso_ = 0;
  std::optional<int> guastoDopo_;
  int operazioni_ = 0;
};

}  // namespace tlx

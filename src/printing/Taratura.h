#pragma once
// The calibration of a slip layout: where the number panel, the header and
// the name block fall on the page, the spacing of the panel's boxes, the
// marker style, the print quality and the printer. One INI file per layout,
// section "Impostazioni", distances stored in hundredths of a millimetre.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tlx {

enum class LayoutScheda { UnaColonna, CinqueColonne, Ridotti };

inline constexpr int16_t MARCATORE_QUADRATINO = 9999;  // a box alone
inline constexpr int16_t MARCATORE_NUMERO = 1111;      // a box with its number

// The distances a calibration can hold, in millimetres.
inline constexpr float DISTANZA_MINIMA = 0.0F;
inline constexpr float DISTANZA_MASSIMA = 300.0F;

struct TaraturaScheda {
  float kX = 0;
  float kY = 0;
  float kTop = 0;
  float kLeft = 0;
  float kWebX = 0;
  float kWebY = 0;
  float kNomeX = 0;
  float kNomeY = 0;
  int16_t Marcatore = MARCATORE_QUADRATINO;
  int16_t Qualita = 0;
  std::string NomeStampante;

  bool SoloQuadratino() const { return Marcatore == MARCATORE_QUADRATINO; }
  bool operator==(const TaraturaScheda&) const = default;
};

inline constexpr std::string_view SEZIONE_TARATURA = "Impostazioni";
inline constexpr std::string_view NESSUNA_STAMPANTE_SCELTA = "N/A";
// The old 1-column calibration file, read once and replaced.
inline constexpr std::string_view FILE_TARATURA_VECCHIA = "NewScheda1Colonna.cfg";

// The eight distances in the file's key order, to walk them as one.
inline constexpr std::array<std::string_view, 8> CHIAVI_DISTANZE = {"kX",    "kY",    "kTop",   "kLeft",
                                                                    "kWebX", "kWebY", "kNomeX", "kNomeY"};
std::array<float*, 8> CampiDistanze(TaraturaScheda& t);
std::array<float, 8> Distanze(const TaraturaScheda& t);

// What a missing file, section or key gives for the layout.
TaraturaScheda TaraturaPredefinita(LayoutScheda layout);

// Reads the layout's file. A key that is missing, is not a number, or holds
// a distance outside 0.0 to 300.0 mm gives the layout's default; so does a
// marker or a quality that does not fit 16 bits. Nothing is written.
TaraturaScheda LeggiTaratura(const std::string& file, LayoutScheda layout);

// Writes the eleven keys in their order with one replacement of the file;
// other sections and keys stay. False when it could not be written: the
// file is then as it was.
bool SalvaTaratura(const std::string& file, const TaraturaScheda& t);

// The old binary 1-column file: ten records of 128 bytes (eight 32-bit
// floats, the 16-bit marker, a 16-bit length and that many Windows-1252
// bytes of printer name). A missing or unusable record leaves its field at
// the 1-column default, and so does a distance outside 0.0 to 300.0 mm.
TaraturaScheda TaraturaDaFileVecchio(std::span<const uint8_t> byte);

// When the old file exists beside `fileNuovo`: reads it into `t`, writes the
// 1-column file and deletes the old one only once the new one is written.
// True when a migration ran (even one whose write failed: `t` then holds
// the old values and the old file stays for the next attempt).
bool MigraTaraturaVecchia(const std::string& fileVecchio, const std::string& fileNuovo, TaraturaScheda& t);

}  // namespace tlx

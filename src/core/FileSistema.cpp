#include "core/FileSistema.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <istream>
#include <optional>

#include "core/Errori.h"
#include "support/FileLettura.h"
#include "support/Windows1252.h"

namespace tlx {

namespace {

constexpr size_t LUNGHEZZA_MAGIC = 11;
constexpr size_t PARTE_FISSA = 202;
constexpr size_t BYTE_COLONNA = 5;

// Condition record ids and the two end marks of the condition block.
constexpr int32_t ID_FILTRO_AND = 1;
constexpr int32_t ID_CONSECUTIVI = 2;
constexpr int32_t ID_DISTANZA_MINIMA = 8;
constexpr int32_t ID_FILTRO_OR = 16;
constexpr int32_t ID_FILTRO_DISTANZA = 32;
constexpr int32_t FINE_BLOCCO = 100;
constexpr int32_t FINE_BLOCCO_2 = 200;

// Record sizes on disk, after the id.
constexpr size_t DIM_DISTANZA_MINIMA = 3;
constexpr size_t DIM_FILTRO = 65;
constexpr size_t DIM_FILTRO_V1 = 61;  // no PosizioniMask
constexpr size_t DIM_CONSECUTIVI = 6;
constexpr size_t DIM_DISTANZA = 226;

constexpr int32_t POSIZIONI_TUTTE = 62;  // bits 1..5

// The program never writes unknown ids: past this many the block is garbage,
// and going on would only pile up messages.
constexpr int MAX_ID_SCONOSCIUTI = 16;

// Appends little-endian fields to a byte string.
class Codifica {
 public:
  explicit Codifica(std::string& out) : out_(out) {}
  void U8(uint8_t v) { out_.push_back(static_cast<char>(v)); }
  void I16(int16_t v) {
    const auto u = static_cast<uint16_t>(v);
    U8(static_cast<uint8_t>(u));
    U8(static_cast<uint8_t>(u >> 8));
  }
  void I32(int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    for (int b = 0; b < 32; b += 8) U8(static_cast<uint8_t>(u >> b));
  }

 private:
  std::string& out_;
};

// Reads little-endian fields from a buffer the caller has filled.
class Decodifica {
 public:
  explicit Decodifica(const uint8_t* p) : p_(p) {}
  uint8_t U8() { return *p_++; }
  int16_t I16() {
    const auto u = static_cast<uint16_t>(p_[0] | p_[1] << 8);
    p_ += 2;
    return static_cast<int16_t>(u);
  }
  int32_t I32() {
    const uint32_t u = uint32_t{p_[0]} | uint32_t{p_[1]} << 8 | uint32_t{p_[2]} << 16 | uint32_t{p_[3]} << 24;
    p_ += 4;
    return static_cast<int32_t>(u);
  }

 private:
  const uint8_t* p_;
};

// ---- Records, field by field in their stored order ------------------------

void Scrivi(Codifica& c, const RecordDistanzaMinima& r) {
  c.U8(r.Distanza);
  c.I16(r.Attivo);
}

RecordDistanzaMinima LeggiDistanzaMinima(Decodifica d) {
  RecordDistanzaMinima r;
  r.Distanza = d.U8();
  r.Attivo = d.I16();
  return r;
}

void Scrivi(Codifica& c, const RecordFiltro& r) {
  for (int n = 1; n <= NUMERI; ++n) c.U8(r.Numeri[static_cast<size_t>(n)]);
  c.I32(r.QuantiMask);
  c.I32(r.PosizioniMask);
  c.I16(r.Attivo);
}

// The filter record of older files has no PosizioniMask: it counts all five.
RecordFiltro LeggiFiltro(Decodifica d, bool versione1) {
  RecordFiltro r;
  for (int n = 1; n <= NUMERI; ++n) r.Numeri[static_cast<size_t>(n)] = d.U8();
  r.QuantiMask = d.I32();
  r.PosizioniMask = versione1 ? POSIZIONI_TUTTE : d.I32();
  r.Attivo = d.I16();
  return r;
}

void Scrivi(Codifica& c, const RecordConsecutivi& r) {
  c.I32(r.LunghezzeMask);
  c.I16(r.Attivo);
}

RecordConsecutivi LeggiConsecutivi(Decodifica d) {
  RecordConsecutivi r;
  r.LunghezzeMask = d.I32();
  r.Attivo = d.I16();
  return r;
}

void Scrivi(Codifica& c, const RecordDistanza& r) {
  c.U8(r.NumeroCoppie);
  for (size_t p = 1; p <= 5; ++p) c.U8(r.Coppie[p]);
  c.U8(r.MinAttivo);
  for (size_t g = 1; g <= 54; ++g) c.I16(r.MinOk[g]);
  c.U8(r.MaxAttivo);
  for (size_t g = 1; g <= 54; ++g) c.I16(r.MaxOk[g]);
  c.I16(r.Attivo);
}

RecordDistanza LeggiDistanza(Decodifica d) {
  RecordDistanza r;
  r.NumeroCoppie = d.U8();
  for (size_t p = 1; p <= 5; ++p) r.Coppie[p] = d.U8();
  r.MinAttivo = d.U8();
  for (size_t g = 1; g <= 54; ++g) r.MinOk[g] = d.I16();
  r.MaxAttivo = d.U8();
  for (size_t g = 1; g <= 54; ++g) r.MaxOk[g] = d.I16();
  r.Attivo = d.I16();
  return r;
}

// ---- The fixed part ---------------------------------------------------------

std::string ParteFissa(const Sistema& s, int32_t colonne) {
  std::string out(MAGIC_SISTEMA);
  std::string titolo = AWindows1252(s.TitoloSistema.Testo());
  titolo.resize(LUNGHEZZA_TITOLO, ' ');
  out += titolo;
  Codifica c(out);
  c.I32(colonne);
  c.U8(s.NumeriPronostico);
  for (uint8_t n : s.Pronostico) c.U8(n);
  const RecordCondizioni& k = s.Condizioni;
  c.I16(k.PariAttiva);
  c.I16(k.SommaAttiva);
  c.I16(k.FisseAttiva);
  for (Flag f : k.PariAmmessi) c.I16(f);
  for (int16_t v : k.SommaMinMax) c.I16(v);
  for (int n = 1; n <= NUMERI; ++n) c.U8(k.NumeriFissi[static_cast<size_t>(n)]);
  c.U8(k.QuantiFissi);
  c.I16(k.RidottoAttivo);
  c.U8(k.Garanzia);
  return out;
}

void LeggiParteFissa(Sistema& s, const std::array<uint8_t, PARTE_FISSA>& fissa) {
  const auto* titolo = reinterpret_cast<const char*>(fissa.data() + LUNGHEZZA_MAGIC);
  s.TitoloSistema = DaWindows1252(std::string_view(titolo, LUNGHEZZA_TITOLO));
  Decodifica d(fissa.data() + LUNGHEZZA_MAGIC + LUNGHEZZA_TITOLO);
  s.NumeroColonne = d.I32();
  s.NumeriPronostico = d.U8();
  for (uint8_t& n : s.Pronostico) n = d.U8();
  RecordCondizioni& k = s.Condizioni;
  k.PariAttiva = d.I16();
  k.SommaAttiva = d.I16();
  k.FisseAttiva = d.I16();
  for (Flag& f : k.PariAmmessi) f = d.I16();
  for (int16_t& v : k.SommaMinMax) v = d.I16();
  for (int n = 1; n <= NUMERI; ++n) k.NumeriFissi[static_cast<size_t>(n)] = d.U8();
  k.QuantiFissi = d.U8();
  k.RidottoAttivo = d.I16();
  k.Garanzia = d.U8();
}

bool ConBloccoCondizioni(const Sistema& s) {
  return s.NumeroFiltriAnd > 0 || s.NumeroFiltriDistanza > 0 || Vero(s.Consecutivi.Attivo) ||
         Vero(s.DistanzaMinima.Attivo);
}

std::string BloccoCondizioni(const Sistema& s) {
  std::string out;
  Codifica c(out);
  c.I32(MARCATORE_BLOCCO_CONDIZIONI);
  if (Vero(s.DistanzaMinima.Attivo)) {
    c.I32(ID_DISTANZA_MINIMA);
    Scrivi(c, s.DistanzaMinima);
  }
  for (int32_t i = 1; i <= std::min(s.NumeroFiltriAnd, MAX_FILTRI); ++i) {
    const RecordFiltro& f = s.FiltriAnd[static_cast<size_t>(i)];
    if (!Vero(f.Attivo)) continue;
    c.I32(ID_FILTRO_AND);
    Scrivi(c, f);
  }
  if (Vero(s.Consecutivi.Attivo)) {
    c.I32(ID_CONSECUTIVI);
    Scrivi(c, s.Consecutivi);
  }
  for (int i = 1; i <= std::min<int>(s.NumeroFiltriDistanza, MAX_FILTRI_DISTANZA); ++i) {
    const RecordDistanza& f = s.FiltriDistanza[static_cast<size_t>(i)];
    if (!Vero(f.Attivo)) continue;
    c.I32(ID_FILTRO_DISTANZA);
    Scrivi(c, f);
  }
  c.I32(FINE_BLOCCO);
  c.I32(FINE_BLOCCO_2);
  return out;
}

// ---- Reading ---------------------------------------------------------------

// Reads `byte` bytes; false when the file ends first.
bool LeggiTutto(std::istream& file, void* dest, size_t byte) {
  file.read(static_cast<char*>(dest), static_cast<std::streamsize>(byte));
  return static_cast<size_t>(file.gcount()) == byte;
}

Messaggio Avviso(std::string testo) { return Messaggio{Icona::Critica, Pulsanti::Ok, "Attenzione!!", std::move(testo)}; }

Messaggio CondizioneNonRiconosciuta(int32_t id) {
  return Messaggio{Icona::Critica, Pulsanti::Ok, "E R R O R E", "Condizione non riconosciuta\r\nID : " + std::to_string(id)};
}

// True when a byte exceeds 55. Blocks of a fixed size let the compiler
// check many bytes at once: a full table is checked in well under 1 ms.
bool NumeroOltreIlMassimo(const uint8_t* dati, size_t byte) {
  constexpr size_t BLOCCO = 1024;
  size_t i = 0;
  for (; i + BLOCCO <= byte; i += BLOCCO) {
    uint8_t massimo = 0;
    for (size_t k = 0; k < BLOCCO; ++k) massimo = std::max(massimo, dati[i + k]);
    if (massimo > NUMERI) return true;
  }
  return std::any_of(dati + i, dati + byte, [](uint8_t v) { return v > NUMERI; });
}

// Reads what follows the fixed part into a system just cleared. Every read
// checks its length first, so nothing is stored beyond a table; false means
// the file is refused.
class LettoreSistema {
 public:
  LettoreSistema(Sistema& s, std::istream& file, bool versione1, const std::function<void()>& elaboraEventi,
                 Messaggi& messaggi)
      : s_(s), file_(file), versione1_(versione1), elaboraEventi_(elaboraEventi), messaggi_(messaggi) {}

  bool Leggi(const std::array<uint8_t, PARTE_FISSA>& fissa) {
    LeggiParteFissa(s_, fissa);
    if (s_.NumeroColonne < 0 || s_.NumeroColonne > CAPIENZA || s_.NumeriPronostico > NUMERI) return false;
    const auto scelti = s_.Pronostico.begin() + s_.NumeriPronostico;
    if (std::any_of(s_.Pronostico.begin(), scelti, [](uint8_t n) { return n < 1 || n > NUMERI; })) return false;
    // Entries past the chosen ones mean nothing; clearing them keeps every
    // stored number in 1..55.
    std::fill(scelti, s_.Pronostico.end(), uint8_t{0});
    return LeggiColonne() && LeggiBloccoCondizioni();
  }

 private:
  bool LeggiColonne() {
    const int32_t n = s_.NumeroColonne;
    for (int32_t primo = 0; primo < n; primo += PASSO_ELABORA_EVENTI) {
      if (elaboraEventi_) elaboraEventi_();
      const auto byte = static_cast<size_t>(std::min(PASSO_ELABORA_EVENTI, n - primo)) * BYTE_COLONNA;
      uint8_t* dest = s_.Colonne.Colonna(primo + 1);
      if (!LeggiTutto(file_, dest, byte)) return false;
      if (NumeroOltreIlMassimo(dest, byte)) return false;
    }
    if (n == 0) return true;
    const uint8_t* ultima = s_.Colonne.Colonna(n);
    return std::find(ultima, ultima + BYTE_COLONNA, uint8_t{0}) == ultima + BYTE_COLONNA;
  }

  // After the columns, condition records follow only the marker 12345, and
  // then must be whole and closed by an end mark. Files of earlier versions
  // may end otherwise: any other tail is left unread.
  bool LeggiBloccoCondizioni() {
    std::array<uint8_t, 4> marcatore{};
    if (!LeggiTutto(file_, marcatore.data(), marcatore.size())) return true;
    s_.MarcatoreCondizioni = Decodifica(marcatore.data()).I32();
    if (s_.MarcatoreCondizioni != MARCATORE_BLOCCO_CONDIZIONI) return true;
    int sconosciuti = 0;
    for (;;) {
      const auto id = LeggiId();
      if (!id) return false;
      switch (*id) {
        case FINE_BLOCCO:
        case FINE_BLOCCO_2:
          return true;
        case ID_DISTANZA_MINIMA:
          if (!LeggiRecord(DIM_DISTANZA_MINIMA)) return false;
          s_.DistanzaMinima = LeggiDistanzaMinima(Decodifica(record_.data()));
          break;
        case ID_FILTRO_AND:
          if (!LeggiRecord(versione1_ ? DIM_FILTRO_V1 : DIM_FILTRO) || s_.NumeroFiltriAnd >= MAX_FILTRI) return false;
          s_.FiltriAnd[static_cast<size_t>(++s_.NumeroFiltriAnd)] = LeggiFiltro(Decodifica(record_.data()), versione1_);
          break;
        case ID_FILTRO_OR:
          if (!LeggiRecord(DIM_FILTRO) || s_.NumeroFiltriOr >= MAX_FILTRI) return false;
          s_.FiltriOr[static_cast<size_t>(++s_.NumeroFiltriOr)] = LeggiFiltro(Decodifica(record_.data()), false);
          break;
        case ID_CONSECUTIVI:
          if (!LeggiRecord(DIM_CONSECUTIVI)) return false;
          s_.Consecutivi = LeggiConsecutivi(Decodifica(record_.data()));
          break;
        case ID_FILTRO_DISTANZA:
          if (!LeggiRecord(DIM_DISTANZA) || s_.NumeroFiltriDistanza >= MAX_FILTRI_DISTANZA) return false;
          s_.FiltriDistanza[++s_.NumeroFiltriDistanza] = LeggiDistanza(Decodifica(record_.data()));
          break;
        default:
          messaggi_.push_back(CondizioneNonRiconosciuta(*id));
          if (++sconosciuti > MAX_ID_SCONOSCIUTI) return false;
      }
    }
  }

  std::optional<int32_t> LeggiId() {
    if (!LeggiRecord(4)) return std::nullopt;
    return Decodifica(record_.data()).I32();
  }

  bool LeggiRecord(size_t byte) { return LeggiTutto(file_, record_.data(), byte); }

  Sistema& s_;
  std::istream& file_;
  const bool versione1_;
  const std::function<void()>& elaboraEventi_;
  Messaggi& messaggi_;
  std::array<uint8_t, DIM_DISTANZA> record_{};  // the largest record
};

// The numbers of the file are toggled on the grid in file order, each
// toggle counting itself again, so a repeated number toggles twice.
void SelezionaPronostico(Sistema& s) {
  const uint8_t quanti = s.NumeriPronostico;
  for (size_t i = 0; i < quanti; ++i) {
    --s.NumeriPronostico;
    GrigliaNumeriClick(s, s.Pronostico[i] - 1);
  }
}

// A refused file leaves an empty system, and none of its records in FiltriOr.
void Svuota(Sistema& s, int32_t filtriOrPrima) {
  CancellaSistema(s, false);
  std::fill(s.FiltriOr.begin() + filtriOrPrima + 1, s.FiltriOr.begin() + s.NumeroFiltriOr + 1, RecordFiltro{});
  s.NumeroFiltriOr = filtriOrPrima;
}

}  // namespace

RisultatoApriFile ApriFile(Sistema& s, const std::string& percorso, const std::function<void()>& elaboraEventi) {
  RisultatoApriFile r;
  if (percorso.empty()) return r;
  s.NomeFileSistema = percorso;
  std::erase(s.NomeFileSistema, '"');
  const int32_t filtriOrPrima = s.NumeroFiltriOr;
  bool cancellato = false;
  try {
    FileLettura file(s.NomeFileSistema);
    std::array<uint8_t, PARTE_FISSA> fissa{};
    const bool intera = LeggiTutto(file, fissa.data(), fissa.size());
    const std::string_view magic(reinterpret_cast<const char*>(fissa.data()), LUNGHEZZA_MAGIC);
    // Only the magics the program has written: anything else is no system
    // file of a version it knows, and is not read any further.
    if (magic != MAGIC_SISTEMA && magic != MAGIC_SISTEMA_V1) {
      r.esito = EsitoApriFile::VersioneNonValida;
      r.messaggi.push_back(Avviso("Versione non valida"));
      return r;
    }
    CancellaSistema(s, false);
    cancellato = true;
    LettoreSistema lettore(s, file, magic == MAGIC_SISTEMA_V1, elaboraEventi, r.messaggi);
    if (!intera || !lettore.Leggi(fissa)) {
      Svuota(s, filtriOrPrima);
      r.esito = EsitoApriFile::NonSequenziale;
      r.messaggi.push_back(Avviso("Sviluppo non sequenziale, impossibile continuare"));
      return r;
    }
  } catch (const ErroreRuntime& e) {
    if (cancellato) Svuota(s, filtriOrPrima);
    r.esito = EsitoApriFile::ErroreRuntime;
    r.messaggi.push_back(MessaggioErrore(e, "ApriFile"));
    return r;
  }
  SelezionaPronostico(s);
  if (s.NumeroColonne > 0) s.GuiBloccata = VERO;
  s.TitoloFileSistema = TitoloFileMinuscolo(s.NomeFileSistema);
  r.esito = EsitoApriFile::Letto;
  return r;
}

RisultatoSalvaFile SalvaFile(Sistema& s, const std::string& percorso) {
  RisultatoSalvaFile r;
  if (percorso.empty()) return r;
  s.TitoloSistema = s.TitoloSistema.Trimmed();
  // A crossword system keeps the order in which its numbers were stored.
  if (s.TitoloSistema.Trimmed() != "CRUCIVERBA") LeggiPronosticoDaGriglia(s);
  const int32_t colonne = std::clamp(s.NumeroColonne, 0, CAPIENZA);
  const bool conBlocco = ConBloccoCondizioni(s);
  try {
    ScritturaAtomica file(percorso);
    file.Scrivi(ParteFissa(s, colonne));
    file.Scrivi(s.Colonne.Dati(), static_cast<size_t>(colonne) * BYTE_COLONNA);
    if (conBlocco) file.Scrivi(BloccoCondizioni(s));
    file.Conferma();
  } catch (const ErroreRuntime& e) {
    r.esito = EsitoSalvaFile::ErroreRuntime;
    r.messaggi.push_back(MessaggioErrore(e, "SalvaFile"));
    return r;
  }
  if (conBlocco) s.MarcatoreCondizioni = MARCATORE_BLOCCO_CONDIZIONI;
  s.TitoloFileSistema = TitoloFileMinuscolo(percorso);
  r.esito = EsitoSalvaFile::Salvato;
  return r;
}

std::string TitoloFileMinuscolo(std::string_view percorso) {
  return MinuscoloWindows1252(std::filesystem::path(std::string(percorso)).filename().string());
}

}  // namespace tlx

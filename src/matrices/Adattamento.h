#pragma once
// Adapting a matrix: its indexes 1..V name the chosen numbers in the order
// the player arranged them in Pronostico, so each matrix column becomes one
// column of the system, stored ascending.

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "core/Messaggio.h"
#include "core/Sistema.h"
#include "matrices/FileMatrice.h"

namespace tlx::matrix {

// How many columns the adaptation writes between two calls of elaboraEventi.
inline constexpr int32_t PASSO_ADATTAMENTO = 65536;

inline constexpr std::string_view TITOLO_ADATTA_MATRICE = "Adatta Matrice";

// The whole number an answer starts with, as the fixed-number question
// reads it: leading blanks skipped, an optional sign, digits and decimals,
// rounded half to even; 0 when the answer starts with no number.
double ValoreRisposta(std::string_view risposta);

// Places one typed fixed number at `posizione` (0-based) of Pronostico: the
// answer must be one of the first NumeriPronostico numbers and not one of
// the fixed numbers already placed before `posizione`; the number it finds
// there changes places with it. False, with nothing changed, otherwise.
bool SpostaFissa(Sistema& s, std::string_view risposta, int posizione, uint8_t* valore = nullptr);

// The list of the fixed-number confirmation: each number as "00" followed by
// three blanks.
std::string ElencoFisse(const std::vector<uint8_t>& fisse);

// The capacity refusal, or nothing when the matrix fits the column table.
std::optional<Messaggio> VerificaCapienza(const MatriceCaricata& m);

// Replaces the system's columns by the matrix mapped onto Pronostico's
// order (the chosen numbers and their order stay, everything else of the
// system is cleared). Refuses without changing anything, throwing
// ErroreRuntime ERRORE_MATRICE, a matrix whose V is not NumeriPronostico,
// whose K is not 5, whose C exceeds the capacity or with an index outside
// 1..V.
void AdattaMatrice(Sistema& s, const MatriceCaricata& m, const std::function<void()>& elaboraEventi = {});

// After a successful adaptation: the title "Adatta Matrice", the matrix's
// fixed numbers (at most MAX_FISSE) as the fixed-number condition, and the
// guaranteed reduction K - T with its title when that level is 1..4.
void ImpostaCondizioniMatrice(Sistema& s, const IntestazioneMatrice& h, const std::vector<uint8_t>& fisse);

}  // namespace tlx::matrix

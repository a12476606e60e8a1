#pragma once
// How run-time failures of guarded procedures are reported:
// "Error <n> (<description>) in procedure <name> of <module>".

#include <cstdint>
#include <string>
#include <string_view>

#include "core/Messaggio.h"
#include "support/ErroreRuntime.h"

namespace tlx {

inline constexpr std::string_view MODULO_CORPO = "Modulo corpo";

// "Error 53 (File not found) in procedure ApriFile of Modulo corpo"
std::string TestoErrore(int32_t numero, std::string_view descrizione, std::string_view procedura,
                        std::string_view modulo = MODULO_CORPO);

// The message box of a guarded procedure: OK button, no icon, program title.
Messaggio MessaggioErrore(const ErroreRuntime& e, std::string_view procedura,
                          std::string_view modulo = MODULO_CORPO);

}  // namespace tlx

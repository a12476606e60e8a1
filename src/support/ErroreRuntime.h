#pragma once
// Run-time failures of guarded procedures, with the error numbers users know
// from the program's tradition. How they are reported is the core's
// (core/Errori.h).

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace tlx {

// Error numbers kept from the program's tradition, so that messages read the
// same as users know them.
namespace errore {
inline constexpr int32_t SubscriptOutOfRange = 9;
inline constexpr int32_t TypeMismatch = 13;
inline constexpr int32_t BadFileName = 52;
inline constexpr int32_t FileNotFound = 53;
inline constexpr int32_t InputPastEndOfFile = 62;
inline constexpr int32_t DiskFull = 61;
inline constexpr int32_t PermissionDenied = 70;
inline constexpr int32_t PathFileAccessError = 75;
inline constexpr int32_t PathNotFound = 76;
inline constexpr int32_t InvalidProcedureCall = 5;
}  // namespace errore

class ErroreRuntime : public std::runtime_error {
 public:
  // `sorgente` names where the error was raised, for the callers that report it.
  ErroreRuntime(int32_t numero, const std::string& descrizione, std::string sorgente = {})
      : std::runtime_error(descrizione), numero_(numero), sorgente_(std::move(sorgente)) {}
  int32_t Numero() const { return numero_; }
  std::string Descrizione() const { return what(); }
  const std::string& Sorgente() const { return sorgente_; }

 private:
  int32_t numero_;
  std::string sorgente_;
};

// The program's file name, the source of the errors its classes raise.
inline constexpr std::string_view NOME_PROGRAMMA = "tremaluxor";

// The error raised when a file can't be opened or written, chosen from the
// system's reason so that the message names it.
ErroreRuntime ErroreFile(std::string_view percorso, bool scrittura);

}  // namespace tlx

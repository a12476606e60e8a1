// libFuzzer target of the reader of the server's HTTP reply. The first input
// byte sets the body limit and how the rest is cut into pieces, as a network
// may deliver it. Besides the sanitizers' checks, it aborts when the pieces
// change the outcome (state, status, redirection, body) from reading the
// reply at once, when more body than the limit is handed on, when a refused
// reply hands on any body, or when bytes after the end change anything.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <tuple>

#include "support/RispostaHttp.h"

namespace {

using tlx::RispostaHttp;

void Verifica(bool condizione, const char* cosa) {
  if (condizione) return;
  std::fprintf(stderr, "broken after reading the reply: %s\n", cosa);
  std::abort();
}

// The reply read in pieces of `pezzo` bytes (all at once for 0), with what it handed on.
auto Leggi(std::string_view dati, uint64_t limite, size_t pezzo) {
  RispostaHttp risposta(limite);
  std::string corpo;
  const auto Aggiungi = [&corpo](std::string_view parte) {
    Verifica(!parte.empty(), "no empty piece of body");
    corpo += parte;
  };
  for (size_t da = 0; da < dati.size(); da += pezzo ? pezzo : dati.size())
    risposta.Ricevi(dati.substr(da, pezzo ? pezzo : dati.size()), Aggiungi);
  return std::tuple(risposta.stato(), risposta.Codice(), risposta.Posizione(), corpo);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t byte) {
  if (byte == 0) return 0;
  const std::string_view risposta(reinterpret_cast<const char*>(dati + 1), byte - 1);
  const uint64_t limite = uint64_t{dati[0]} * 64;
  const auto intera = Leggi(risposta, limite, 0);
  const auto& [stato, codice, posizione, corpo] = intera;
  Verifica(Leggi(risposta, limite, 1) == intera, "byte by byte as at once");
  Verifica(Leggi(risposta, limite, 1 + dati[0] % 7) == intera, "in pieces as at once");
  Verifica(corpo.size() <= limite, "body within the limit");
  if (stato == RispostaHttp::Stato::Completa) Verifica(codice >= 200 && codice < 300, "only 2xx is complete");
  if (stato == RispostaHttp::Stato::Rifiutata)
    Verifica(corpo.empty() && (codice < 200 || codice >= 300), "a refusal has no body");
  if (stato != RispostaHttp::Stato::Testa && stato != RispostaHttp::Stato::Corpo)
    Verifica(Leggi(std::string(risposta) + "HTTP/1.1 200 OK\r\n\r\n0\r\n\r\n", limite, 0) == intera,
             "nothing after the end");
  return 0;
}

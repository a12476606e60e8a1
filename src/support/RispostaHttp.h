#pragma once
// The reply of an HTTP/1.1 server to a GET, read as its bytes arrive: the
// status line and the header fields, then the body of a successful reply,
// framed by its Content-Length or by chunks. A download keeps a body only
// when it arrived whole, so every framing that can't vouch for that is
// refused: a body that simply ends with the connection, a malformed chunk,
// an encoding other than plain chunks. Everything it holds is bounded: a
// line, the head, and the body by the limit the caller gives.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace tlx {

class RispostaHttp {
 public:
  enum class Stato {
    Testa,      // the status line and the header fields are still arriving
    Corpo,      // a successful reply's body is arriving
    Completa,   // a successful reply, body whole
    Rifiutata,  // the server answered with a status other than 2xx: Codice() and Posizione() tell
    Rotta       // not a reply that can be trusted whole, or a body above the limit
  };

  explicit RispostaHttp(uint64_t byteMassimi) : byteMassimi_(byteMassimi) {}

  // Takes the next bytes received. The body's own bytes go to `corpo` as
  // they come, never more than the limit in all; once the reply is complete,
  // refused or broken, further bytes are ignored. Exceptions of `corpo`
  // propagate.
  Stato Ricevi(std::string_view dati, const std::function<void(std::string_view)>& corpo);

  Stato stato() const { return stato_; }
  int Codice() const { return codice_; }
  // The Location field, where a redirection points.
  const std::string& Posizione() const { return posizione_; }

 private:
  enum class Fase { RigaStato, Campi, Dati, RigaChunk, FineChunk, Coda };

  void Riga(std::string_view riga);
  void RigaStato(std::string_view riga);
  void Campo(std::string_view riga);
  void FineTesta();
  void RigaChunk(std::string_view riga);
  void Rompi() { stato_ = Stato::Rotta; }

  uint64_t byteMassimi_;
  Stato stato_ = Stato::Testa;
  Fase fase_ = Fase::RigaStato;
  std::string riga_;         // the line being received
  uint64_t byteTesta_ = 0;   // head and trailer bytes so far
  uint64_t byteCorpo_ = 0;   // body bytes announced so far
  uint64_t restano_ = 0;     // bytes of the current length or chunk still to come
  int codice_ = 0;
  bool http10_ = false;
  std::string posizione_;
  std::string lunghezza_;    // the Content-Length field as received
  std::string codifica_;     // the Transfer-Encoding field, lower case
  bool contenutoCodificato_ = false;
};

}  // namespace tlx

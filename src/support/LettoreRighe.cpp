#include "support/LettoreRighe.h"

namespace tlx {

LettoreRighe::Esito LettoreRighe::Leggi(std::string& riga) {
  using Tratti = std::char_traits<char>;
  riga.clear();
  for (Tratti::int_type c; !Tratti::eq_int_type(c = testo_.sbumpc(), Tratti::eof());) {
    if (c == '\n') return Esito::Letta;
    if (c == '\r') {
      if (testo_.sgetc() == '\n') testo_.sbumpc();
      return Esito::Letta;
    }
    if (riga.size() == massimo_) return Esito::TroppoLunga;
    riga.push_back(Tratti::to_char_type(c));
  }
  return riga.empty() ? Esito::Fine : Esito::Letta;
}

}  // namespace tlx

#pragma once
// Reads a text a line at a time, never holding more of one line than its
// reader allows, so that a file of one endless line can't exhaust memory.
// A line ends at LF, CR LF or a lone CR; the end is not part of the line.

#include <cstddef>
#include <istream>
#include <string>

namespace tlx {

class LettoreRighe {
 public:
  enum class Esito { Letta, Fine, TroppoLunga };

  LettoreRighe(std::istream& testo, size_t byteMassimiRiga) : testo_(*testo.rdbuf()), massimo_(byteMassimiRiga) {}

  // The next line into `riga`: Letta; Fine when the text has ended;
  // TroppoLunga, with `riga` holding its first byteMassimiRiga bytes, when
  // the line goes on past them (nothing more should be read then).
  Esito Leggi(std::string& riga);

 private:
  std::streambuf& testo_;
  size_t massimo_;
};

}  // namespace tlx

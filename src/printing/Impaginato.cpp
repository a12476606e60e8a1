#include "printing/Impaginato.h"

namespace tlx {

std::string RigaTesto::Testo() const {
  std::string t;
  for (const Segmento& s : segmenti) t += s.testo;
  return t;
}

}  // namespace tlx

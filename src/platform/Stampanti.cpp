#include "platform/Stampanti.h"

#include <QPrinterInfo>
#include <optional>

namespace tlx::platform {

namespace {
std::optional<QStringList>& Simulate() {
  static std::optional<QStringList> nomi;
  return nomi;
}
}  // namespace

QStringList StampantiInstallate() {
  return Simulate() ? *Simulate() : QPrinterInfo::availablePrinterNames();
}

void ImpostaStampantiSimulate(const QStringList& nomi) { Simulate() = nomi; }

void UsaStampantiReali() { Simulate().reset(); }

}  // namespace tlx::platform

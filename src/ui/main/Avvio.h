#pragma once
// The program's start-up: data folder, one running copy, splash, version
// check, main window, and the system file named on the command line.

#include <QStringList>
#include <memory>

namespace tlx {
struct Sistema;
}
namespace tlx::platform {
class IstanzaSingola;
}

namespace tlx::ui {

class frmMAIN;

class Avvio {
 public:
  Avvio();
  ~Avvio();

  // Runs the start-up. False when this copy must end at once (another copy
  // runs, a newer version was shown, or the user left while the command
  // line's file was read); otherwise the main window is up.
  bool Main(const QStringList& argomenti);

  frmMAIN* finestraPrincipale() const { return principale_.get(); }
  Sistema& sistema() { return *sistema_; }

 private:
  std::unique_ptr<Sistema> sistema_;
  std::unique_ptr<platform::IstanzaSingola> istanza_;
  std::unique_ptr<frmMAIN> principale_;
};

// The data folder's subfolders, created at start-up when missing.
inline constexpr const char* SOTTOCARTELLE[] = {"temp", "txt", "sistemi", "archivio", "csv", "matrici"};

}  // namespace tlx::ui

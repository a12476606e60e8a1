#include "platform/InputBox.h"

#include <QInputDialog>

#include "platform/MessageBox.h"

namespace tlx::platform {

namespace {

std::optional<QString> Chiedi(const RichiestaInputBox& r, QWidget* parent) {
  QInputDialog dialogo(parent);
  dialogo.setWindowTitle(r.titolo);
  dialogo.setLabelText(r.domanda);
  dialogo.setTextValue(r.predefinito);
  if (r.posizione) dialogo.move(*r.posizione);
  if (dialogo.exec() != QDialog::Accepted) return std::nullopt;
  return dialogo.textValue();
}

}  // namespace

QString InputBox(const QString& domanda, const QString& titolo, const QString& predefinito, bool* ok,
                 std::optional<QPoint> posizione, QWidget* parent) {
  const RichiestaInputBox richiesta{domanda, titolo.isEmpty() ? TITOLO_APPLICAZIONE : titolo, predefinito,
                                    posizione};
  const std::optional<QString> risposta =
      SimulazioneInputBox().Chiedi(richiesta, [parent](const RichiestaInputBox& r) { return Chiedi(r, parent); });
  if (ok) *ok = risposta.has_value();
  return risposta.value_or(QString());
}

Copione<RichiestaInputBox, std::optional<QString>>& SimulazioneInputBox() {
  static Copione<RichiestaInputBox, std::optional<QString>> simulazione;
  return simulazione;
}

}  // namespace tlx::platform

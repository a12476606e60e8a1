#pragma once
// A one-line question with a text answer. In scripted mode
// (SimulazioneInputBox()) nothing is shown: each request is recorded and
// answered from a queue (std::nullopt for Cancel; an unscripted box is
// cancelled).

#include <QPoint>
#include <QString>
#include <optional>

#include "platform/Copione.h"

class QWidget;

namespace tlx::platform {

struct RichiestaInputBox {
  QString domanda{};
  QString titolo{};
  QString predefinito{};
  std::optional<QPoint> posizione{};
  bool operator==(const RichiestaInputBox&) const = default;
};

// The answer typed, or "" on Cancel (`ok`, when given, tells which). An empty
// title shows the program's title; without a position the box is centred.
QString InputBox(const QString& domanda, const QString& titolo = {}, const QString& predefinito = {},
                 bool* ok = nullptr, std::optional<QPoint> posizione = std::nullopt, QWidget* parent = nullptr);

Copione<RichiestaInputBox, std::optional<QString>>& SimulazioneInputBox();

}  // namespace tlx::platform

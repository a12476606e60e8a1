#pragma once
// One running copy per user: the first copy listens on a local socket; a
// second copy asks it to come to the front and then ends.

#include <QLocalServer>
#include <QObject>
#include <QString>

class QLocalSocket;

namespace tlx::platform {

class IstanzaSingola : public QObject {
  Q_OBJECT

 public:
  // The default name joins the program's title and the user's name.
  explicit IstanzaSingola(QString nomeServer = NomePredefinito(), QObject* parent = nullptr);

  // True when another copy runs: it has been asked to come to the front and
  // this copy should end. False when this copy is the first one and now
  // answers the later ones.
  bool AttivaIstanzaPrecedente();

  static QString NomePredefinito();

 signals:
  // A later copy asked this one to come to the front.
  void AttivazioneRichiesta();

 private:
  bool ChiediAttivazione();
  void LeggiRichiesta(QLocalSocket* socket);

  QString nomeServer_;
  QLocalServer server_;
};

}  // namespace tlx::platform

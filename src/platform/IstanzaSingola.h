#pragma once
// One running copy per user: the first copy holds a lock file and listens on
// a local socket; a second copy asks it to come to the front and then ends.

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalSocket;

namespace tlx::platform {

class IstanzaSingola : public QObject {
  Q_OBJECT

 public:
  explicit IstanzaSingola(QString nomeServer, QObject* parent = nullptr);

  // True when another copy runs: it has been asked to come to the front and
  // this copy should end. False when this copy is to run: it is the first
  // one and now answers the later ones, or a lock is held but no copy
  // answers for it within ten seconds. The lock of a copy that is not
  // running (killed, or killed before it could say who it was) is taken
  // over. Of copies started at the same instant exactly one gets false.
  bool AttivaIstanzaPrecedente();

  // The name copies working on one data folder (the user's own) share.
  static QString NomePer(const QString& cartellaDati);

 signals:
  // A later copy asked this one to come to the front.
  void AttivazioneRichiesta();

 private:
  bool ChiediAttivazione();
  void LeggiRichiesta(QLocalSocket* socket);

  QString nomeServer_;
  QLockFile blocco_;
  QLocalServer server_;
};

}  // namespace tlx::platform

#pragma once
// A stand-in for the maker's web server on a free loopback port. Each request
// path (query included) gets the reply the test decides; any other gets 404.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <chrono>

class QTcpServer;
class QTcpSocket;

namespace tlx::prova {

struct RispostaProva {
  enum class Modo {
    Intera,    // status line, headers and body at once
    Lenta,     // the body in `pezzi` pieces, one every `pausa`
    Troncata,  // announces the whole body, sends half of it and hangs up
    Muta       // reads the request and never answers
  };
  int stato = 200;
  QByteArray corpo;
  Modo modo = Modo::Intera;
  int pezzi = 1;
  std::chrono::milliseconds pausa{0};
};

struct RichiestaRicevuta {
  QByteArray percorso;                         // as sent, query included
  QHash<QByteArray, QByteArray> intestazioni;  // names in lower case
};

class ServerProva : public QObject {
 public:
  ServerProva();
  QString Indirizzo() const;  // "http://127.0.0.1:<port>", what the server variable takes
  void Rispondi(const QByteArray& percorso, RispostaProva risposta) { risposte_.insert(percorso, std::move(risposta)); }
  const QList<RichiestaRicevuta>& Ricevute() const { return ricevute_; }
  static quint16 PortaChiusa();  // a loopback port on which nothing listens

 private:
  void LeggiRichiesta(QTcpSocket* connessione);
  void Servi(QTcpSocket* connessione, const RispostaProva& risposta);
  void InviaLentamente(QTcpSocket* connessione, QByteArray resto, qsizetype pezzo, std::chrono::milliseconds pausa);

  QTcpServer* server_;
  QHash<QByteArray, RispostaProva> risposte_;
  QList<RichiestaRicevuta> ricevute_;
};

}  // namespace tlx::prova

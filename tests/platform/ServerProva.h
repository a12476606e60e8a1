#pragma once
// A stand-in for the maker's web server on a free loopback port, over plain
// HTTP or over TLS. Each request path (query included) gets the reply the
// test decides; any other gets 404.

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
    Intera,          // status line, headers and body at once, after `pausa`
    Lenta,           // the body in `pezzi` pieces, one every `pausa`
    Troncata,        // announces the whole body, sends half of it and hangs up
    Azzerata,        // announces the whole body, sends half of it and resets the connection
    SenzaLunghezza,  // neither a length nor chunks: the body, then it hangs up
    Chunk,           // the body as one chunk, then the last chunk
    ChunkRotto,      // half the body as a chunk, then the size line "zz", the rest, and it hangs up
    ChunkInfinito,   // the body as a chunk again and again, without end
    Muta             // reads the request and never answers
  };
  int stato = 200;
  QByteArray corpo;
  Modo modo = Modo::Intera;
  int pezzi = 1;
  std::chrono::milliseconds pausa{0};
  QByteArray intestazioni{};  // more header lines, each ended by CR LF
};

struct RichiestaRicevuta {
  QByteArray percorso;                         // as sent, query included
  QHash<QByteArray, QByteArray> intestazioni;  // names in lower case
};

class ServerProva : public QObject {
 public:
  enum class Protocollo { Http, Https };
  explicit ServerProva(Protocollo protocollo = Protocollo::Http);
  QString Indirizzo() const;  // "http://127.0.0.1:<port>" (https over TLS), what the server variable takes
  // The self-signed certificate the servers over TLS show, for 127.0.0.1: what a client must trust.
  static QByteArray Certificato();
  void Rispondi(const QByteArray& percorso, RispostaProva risposta) { risposte_.insert(percorso, std::move(risposta)); }
  const QList<RichiestaRicevuta>& Ricevute() const { return ricevute_; }

 private:
  void LeggiRichiesta(QTcpSocket* connessione);
  void Servi(QTcpSocket* connessione, const RispostaProva& risposta);
  void InviaLentamente(QTcpSocket* connessione, QByteArray resto, qsizetype pezzo, std::chrono::milliseconds pausa);
  static void InviaSenzaFine(QTcpSocket* connessione, const QByteArray& chunk);

  QTcpServer* server_;
  QString schema_;
  QHash<QByteArray, RispostaProva> risposte_;
  QList<RichiestaRicevuta> ricevute_;
};

}  // namespace tlx::prova

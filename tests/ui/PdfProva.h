#pragma once
// Reading back printed PDF files in the tests: the words with their boxes in
// millimetres (pdftotext -bbox), the page count (pdfinfo) and a page as an
// image of 10 pixels per millimetre (pdftoppm -r 254); the PDF that the
// test machine's cups-pdf queue writes for a document: cups-pdf names it
// after the document, in the submitting user's home as /etc/passwd gives it,
// a moment after the job ends; and what the queue's job for a document was
// asked for (ipptool).

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QTemporaryFile>
#include <QThread>
#include <pwd.h>
#include <unistd.h>
#include <vector>

#include "platform/Stampanti.h"

namespace tlx::prova {

struct ParolaPdf {
  int pagina;  // from 1
  QString testo;
  double x, y;  // top-left corner, mm
};

inline QString Esegui(const QString& programma, const QStringList& argomenti) {
  QProcess p;
  p.start(programma, argomenti);
  p.waitForFinished(30000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

inline std::vector<ParolaPdf> ParolePdf(const QString& pdf) {
  constexpr double mmPerPunto = 25.4 / 72;
  std::vector<ParolaPdf> parole;
  int pagina = 0;
  static const QRegularExpression riga(
      R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">([^<]*)</word>)re");
  const QString xml = Esegui("pdftotext", {"-bbox", pdf, "-"});
  for (auto it = riga.globalMatch(xml); it.hasNext();) {
    const auto m = it.next();
    if (m.captured(0).startsWith("<page")) {
      ++pagina;
      continue;
    }
    parole.push_back({pagina, m.captured(3), m.captured(1).toDouble() * mmPerPunto, m.captured(2).toDouble() * mmPerPunto});
  }
  return parole;
}

inline int PaginePdf(const QString& pdf) {
  static const QRegularExpression pagine(R"(Pages:\s+(\d+))");
  return pagine.match(Esegui("pdfinfo", {pdf})).captured(1).toInt();
}

// The page rendered at 10 pixels per millimetre, also saved as `png`.
inline QImage PaginaPng(const QString& pdf, int pagina, const QString& png) {
  QString base = png;
  base.chop(4);
  Esegui("pdftoppm", {"-r", "254", "-png", "-singlefile", "-f", QString::number(pagina), "-l", QString::number(pagina),
                      pdf, base});
  return QImage(png);
}

// True when the pixel at (x, y) mm is dark.
inline bool Scuro(const QImage& pagina, double x, double y) {
  return qGray(pagina.pixel(static_cast<int>(x * 10), static_cast<int>(y * 10))) < 100;
}

inline const QString CODA_CUPS = QStringLiteral("TremaluxorPDF");

// Real printers from here on; false when the test queue is not among them
// (scripts/cups-pdf.sh adds it).
inline bool UsaCodaCups() {
  platform::UsaStampantiReali();
  return QPrinterInfo::availablePrinterNames().contains(CODA_CUPS);
}

inline QDir CartellaCupsPdf() {
  const passwd* utente = getpwuid(getuid());
  return QDir(QString::fromLocal8Bit(utente ? utente->pw_dir : "") + "/PDF");
}

// A document name of this test run, with no file of that name left over.
inline QString NomeDocumentoCups(const QString& prefisso) {
  const QString nome = QString("%1-%2").arg(prefisso).arg(QCoreApplication::applicationPid());
  const QDir cartella = CartellaCupsPdf();
  for (const QString& vecchio : cartella.entryList({nome + "*"})) QFile::remove(cartella.filePath(vecchio));
  return nome;
}

// Its path once written, or empty after 20 seconds.
inline QString AttendiPdfCups(const QString& nome) {
  const QDir cartella = CartellaCupsPdf();
  QElapsedTimer attesa;
  attesa.start();
  while (attesa.elapsed() < 20000) {
    QThread::msleep(100);
    const auto trovati = cartella.entryList({nome + "*.pdf"});
    if (!trovati.isEmpty() && QFileInfo(cartella.filePath(trovati[0])).size() > 0) {
      QThread::msleep(300);  // the file may still be growing
      return cartella.filePath(trovati[0]);
    }
  }
  return {};
}

// The print quality and the resolution the test queue's job of a document
// carries, "quality resolution" ("draft 150dpi"); "-" for an option the job
// lacks; empty when there is no such job. The job is found by its document
// name, which only its owner may read.
inline QString QualitaLavoroCups(const QString& nome) {
  QTemporaryFile richiesta;
  if (!richiesta.open()) return {};
  const passwd* utente = getpwuid(getuid());
  richiesta.write(QString("{\nOPERATION Get-Jobs\nGROUP operation-attributes-tag\n"
                          "ATTR charset attributes-charset utf-8\nATTR language attributes-natural-language en\n"
                          "ATTR uri printer-uri $uri\nATTR name requesting-user-name %1\nATTR keyword which-jobs all\n"
                          "ATTR keyword requested-attributes job-name,print-quality,Resolution\n}\n")
                      .arg(QString::fromLocal8Bit(utente ? utente->pw_name : "root"))
                      .toUtf8());
  richiesta.close();
  const QString lavori = Esegui("ipptool", {"-tv", "ipp://localhost/printers/" + CODA_CUPS, richiesta.fileName()});
  static const QRegularExpression qualita(R"(print-quality \(enum\) = (\S+))"), risoluzione(R"(Resolution \(\w+\) = (\S+))");
  QString trovato;  // the newest job of that name: jobs are listed oldest first
  for (const QString& lavoro : lavori.split("-- separator --")) {
    if (!lavoro.contains(QRegularExpression("job-name \\(\\w+\\) = " + QRegularExpression::escape(nome) + "\n"))) continue;
    const QString q = qualita.match(lavoro).captured(1), r = risoluzione.match(lavoro).captured(1);
    trovato = (q.isEmpty() ? "-" : q) + " " + (r.isEmpty() ? "-" : r);
  }
  return trovato;
}

}  // namespace tlx::prova

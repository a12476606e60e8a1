#pragma once
// The PDF that the test machine's cups-pdf queue writes for a document:
// cups-pdf names it after the document, in the submitting user's home as
// /etc/passwd gives it, a moment after the job ends.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>
#include <pwd.h>
#include <unistd.h>

namespace tlx::prova {

inline const QString CODA_CUPS = QStringLiteral("TremaluxorPDF");

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

}  // namespace tlx::prova

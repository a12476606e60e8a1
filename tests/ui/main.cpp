// Window tests run headless on a common 1024 x 768 screen, in a data folder
// and a temporary folder of their own, showing numbers in the Italian format whatever the
// environment; the C library's locale follows the environment, as in the
// program.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include "LocaleAmbiente.h"

int main(int argc, char** argv) {
  if (!tlx::prova::ApplicaLocaleAmbiente()) return 1;
  QTemporaryDir home;
  const QByteArray piattaforma = qgetenv("QT_QPA_PLATFORM");
  if (piattaforma.isEmpty() || piattaforma == "offscreen") {
    QFile schermo(home.filePath("schermo.json"));
    if (schermo.open(QIODevice::WriteOnly))
      schermo.write(R"({"screens": [{"name": "Schermo", "width": 1024, "height": 768}]})");
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + schermo.fileName().toUtf8());
  }
  qputenv("HOME", home.path().toUtf8());
  qputenv("XDG_DATA_HOME", (home.path() + "/share").toUtf8());
  // A temporary folder of its own too: every statistics window clears the
  // old statistics files there, those of tests run beside this one included.
  QDir(home.path()).mkdir("tmp");
  qputenv("TMPDIR", (home.path() + "/tmp").toUtf8());
  // Nothing listens on port 9: no test reaches for the maker's real server
  // unless it points the program at a stand-in of its own.
  qputenv("TREMALUXOR_SERVER", "http://127.0.0.1:9");
  QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

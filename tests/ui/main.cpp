// Window tests run headless on a common 1024 x 768 screen with the Italian
// locale, in a data folder of their own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

int main(int argc, char** argv) {
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
  // Nothing listens on port 9: no test reaches for the maker's real server
  // unless it points the program at a stand-in of its own.
  qputenv("TREMALUXOR_SERVER", "http://127.0.0.1:9");
  QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

// Window tests run headless in a data folder of their own, showing numbers
// in the Italian format whatever the environment; the C library's locale
// follows the environment, as in the program.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>

#include "LocaleAmbiente.h"

int main(int argc, char** argv) {
  if (!tlx::prova::ApplicaLocaleAmbiente()) return 1;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir home;
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

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "platform/MessageBox.h"
#include "ui/main/Avvio.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(tlx::platform::TITOLO_APPLICAZIONE);
  // Qt's own dialogs speak Italian like the rest of the program.
  QTranslator traduzione;
  if (traduzione.load("qtbase_it", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) app.installTranslator(&traduzione);

  tlx::ui::Avvio avvio;
  QStringList argomenti = app.arguments();
  argomenti.removeFirst();
  if (!avvio.Main(argomenti)) return 0;
  return app.exec();
}

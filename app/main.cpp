#include <QApplication>

#include "platform/MessageBox.h"
#include "platform/Traduzioni.h"
#include "ui/main/Avvio.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(tlx::platform::TITOLO_APPLICAZIONE);
  tlx::platform::InstallaTraduzioniQt(app);

  tlx::ui::Avvio avvio;
  QStringList argomenti = app.arguments();
  argomenti.removeFirst();
  if (!avvio.Main(argomenti)) return 0;
  return app.exec();
}

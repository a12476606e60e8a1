#include "platform/Traduzioni.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tlx::platform {

QTranslator* InstallaTraduzioniQt(QCoreApplication& applicazione) {
  auto* traduzione = new QTranslator(&applicazione);
  if (traduzione->load("qtbase_it", QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
      QCoreApplication::installTranslator(traduzione))
    return traduzione;
  delete traduzione;
  return nullptr;
}

}  // namespace tlx::platform

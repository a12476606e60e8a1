#include "ui/shared/FormatoLocale.h"

#include <QLocale>

namespace tlx::ui {

FormatoNumeri FormatoLocale() {
  const QLocale locale;
  return {locale.groupSeparator().toStdString(), locale.decimalPoint().toStdString()};
}

}  // namespace tlx::ui

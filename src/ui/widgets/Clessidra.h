#pragma once
// The wait cursor over the whole program while it lives.

#include <QApplication>

namespace tlx::ui {

class Clessidra {
 public:
  Clessidra() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~Clessidra() { QApplication::restoreOverrideCursor(); }
  Clessidra(const Clessidra&) = delete;
  Clessidra& operator=(const Clessidra&) = delete;
};

}  // namespace tlx::ui

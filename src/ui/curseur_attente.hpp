#pragma once

#include <QApplication>

namespace kalder::ui {

// The application-wide wait cursor for as long as the guard lives.
class CurseurAttente {
  public:
    CurseurAttente() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CurseurAttente() { QApplication::restoreOverrideCursor(); }
    CurseurAttente(const CurseurAttente&) = delete;
    CurseurAttente& operator=(const CurseurAttente&) = delete;
};

} // namespace kalder::ui

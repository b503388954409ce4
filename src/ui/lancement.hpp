#pragma once
// What every start of the window program does once its QApplication exists:
// the application's name and French locale, Qt's own texts in French, the
// main window and its data folder. Shared by the program and the start-up
// benchmark, so that the benchmark measures the real start.

#include "ui/fenetre_principale.hpp"

#include <QTranslator>

#include <memory>

namespace kalder::ui {

class Lancement {
  public:
    Lancement();
    FenetrePrincipale& fenetre() { return *fenetre_; }

  private:
    QTranslator traduction_qt_;
    std::unique_ptr<FenetrePrincipale> fenetre_; // made once the locale is set
};

} // namespace kalder::ui

#pragma once

#include "modele/etat_fenetre.hpp"

namespace kalder {

// A Yes/No question put to the user; the window answers with a message box.
// A wait is told to the user the same way.
class Questions {
  public:
    virtual ~Questions() = default;
    virtual bool oui(const Message& question) = 0;
    // The save waits for another program's save to end (a few seconds at most).
    virtual void attente_autre_sauvegarde() {}
};

} // namespace kalder

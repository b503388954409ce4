#pragma once

#include "modele/etat_fenetre.hpp"

namespace kalder {

// A Yes/No question put to the user; the window answers with a message box.
class Questions {
  public:
    virtual ~Questions() = default;
    virtual bool oui(const Message& question) = 0;
};

} // namespace kalder

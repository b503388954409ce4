#include "ui/questions_fenetre.hpp"

#include "ui/boites_message.hpp"

namespace kalder::ui {

bool QuestionsFenetre::oui(const Message& question) {
    return montrer_message(parent_, question, QMessageBox::Yes | QMessageBox::No,
                           QMessageBox::Yes) == QMessageBox::Yes;
}

} // namespace kalder::ui

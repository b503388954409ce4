#pragma once
// The directory's Yes/No questions, asked with a message box.

#include "repertoire/questions.hpp"

class QWidget;

namespace kalder::ui {

class QuestionsFenetre : public Questions {
  public:
    explicit QuestionsFenetre(QWidget* parent) : parent_(parent) {}
    ~QuestionsFenetre() override;
    QuestionsFenetre(const QuestionsFenetre&) = delete;
    QuestionsFenetre& operator=(const QuestionsFenetre&) = delete;
    bool oui(const Message& question) override;
    // The wait cursor and a word in the status bar until the save ends.
    void attente_autre_sauvegarde() override;

  private:
    QWidget* parent_;
    bool curseur_attente_ = false;
};

} // namespace kalder::ui

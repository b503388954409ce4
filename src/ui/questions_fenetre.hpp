#pragma once
// The directory's Yes/No questions, asked with a message box.

#include "repertoire/questions.hpp"

class QWidget;

namespace kalder::ui {

class QuestionsFenetre : public Questions {
  public:
    explicit QuestionsFenetre(QWidget* parent) : parent_(parent) {}
    bool oui(const Message& question) override;

  private:
    QWidget* parent_;
};

} // namespace kalder::ui

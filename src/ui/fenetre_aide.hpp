#pragma once
// The help window "f_aide": a title, the help text the user may even type
// into, and "Ok". Not modal; what is typed is lost when it closes.

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace kalder::ui {

class FenetreAide : public QWidget {
    Q_OBJECT

  public:
    explicit FenetreAide(QWidget* parent = nullptr);

    // Shows the window, or brings it to the front when it is already open.
    void montrer();

  private:
    QLabel* titre_ = nullptr;
    QPlainTextEdit* texte_ = nullptr;
    QPushButton* bouton_ok_ = nullptr;
};

} // namespace kalder::ui

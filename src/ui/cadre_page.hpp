#pragma once
// The frame of one tab. It builds its page the first time it is shown or
// asked for, so that the window opens with only the page it shows.

#include "ui/pages.hpp"

#include <QWidget>

#include <functional>

namespace kalder::ui {

class CadrePage : public QWidget {
    Q_OBJECT

  public:
    using Fabrique = std::function<Page*()>;
    explicit CadrePage(Fabrique fabrique, QWidget* parent = nullptr);

    // The page, built now if it was not yet.
    Page& page();
    bool construite() const { return page_ != nullptr; }

  signals:
    void page_construite(const kalder::ui::Page& page);

  protected:
    void showEvent(QShowEvent* evenement) override;

  private:
    Fabrique fabrique_;
    Page* page_ = nullptr;
};

} // namespace kalder::ui

#include "ui/cadre_page.hpp"

#include <QVBoxLayout>

#include <utility>

namespace kalder::ui {

CadrePage::CadrePage(Fabrique fabrique, QWidget* parent)
    : QWidget(parent), fabrique_(std::move(fabrique)) {}

Page& CadrePage::page() {
    if (!page_) {
        page_ = fabrique_();
        auto* disposition = new QVBoxLayout(this);
        disposition->setContentsMargins(0, 0, 0, 0);
        disposition->addWidget(page_);
        page_->show();
        emit page_construite(*page_);
    }
    return *page_;
}

void CadrePage::showEvent(QShowEvent* evenement) {
    page();
    QWidget::showEvent(evenement);
}

} // namespace kalder::ui

#include "ui/DrawingArea.h"

#include <QPainter>
#include <QResizeEvent>

namespace balka {

DrawingArea::DrawingArea(QWidget* parent)
    : QWidget(parent), canvas_(std::make_unique<QtCanvas>(594, 400)) {}

void DrawingArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, canvas_->Image());
}

void DrawingArea::resizeEvent(QResizeEvent* event) {
    const QSize size = event->size();
    if (size.width() <= 0 || size.height() <= 0 ||
        (size.width() == canvas_->Width() && size.height() == canvas_->Height())) {
        return;
    }
    canvas_ = std::make_unique<QtCanvas>(size.width(), size.height());
    if (OnResized) {
        OnResized();
    }
    update();
}

} // namespace balka

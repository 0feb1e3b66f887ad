// The main window's drawing: a picture the size of the area, drawn through a Canvas and shown
// as it is. Resizing makes a new picture and asks for a redraw.
#pragma once

#include "ui/QtCanvas.h"

#include <QWidget>
#include <functional>
#include <memory>

namespace balka {

class DrawingArea : public QWidget {
    Q_OBJECT
  public:
    explicit DrawingArea(QWidget* parent = nullptr);

    QtCanvas& Picture() { return *canvas_; }
    const QtCanvas& Picture() const { return *canvas_; }
    // Called after the picture was remade at a new size.
    std::function<void()> OnResized;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    std::unique_ptr<QtCanvas> canvas_;
};

} // namespace balka

#include "ui/MainWindow.h"

#include <QStatusBar>

namespace balka {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Драволит-Балка"));
    setMinimumSize(400, 400);
    drawing_ = new QLabel(this);
    drawing_->setAutoFillBackground(true);
    setCentralWidget(drawing_);
    const std::array<int, 4> widths = {73, 105, 120, 250};
    const std::array<QString, 4> texts = {
        QStringLiteral("Угол - 0°"), QStringLiteral("Длина - 0 м"), QStringLiteral("Масса - 0 кг"),
        QStringLiteral("Статус - формирование схемы")};
    for (size_t i = 0; i < panels_.size(); ++i) {
        panels_[i] = new QLabel(texts[i], this);
        panels_[i]->setMinimumWidth(widths[i]);
        statusBar()->addWidget(panels_[i]);
    }
    resize(594, 497);
}

void MainWindow::SetCaption(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
}

void MainWindow::SetStatusText(StatusPanel panel, const std::string& text) {
    panels_[static_cast<size_t>(panel)]->setText(QString::fromStdString(text));
}

QString MainWindow::StatusText(StatusPanel panel) const {
    return panels_[static_cast<size_t>(panel)]->text();
}

void MainWindow::ShowSchemeView() { drawing_->show(); }

void MainWindow::ClearDrawing() { drawing_->clear(); }

void MainWindow::DrawScheme(TBeam&) {}

void MainWindow::DrawDiagrams(const TBeam&) {}

void MainWindow::CollapseDesignDialog() {}

} // namespace balka

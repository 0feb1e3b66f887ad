// The program's frame: caption, drawing area and the four status panels. It is the desktop's
// MainView; the commands and the drawing arrive with their own windows.
#pragma once

#include "model/MainView.h"

#include <QLabel>
#include <QMainWindow>
#include <array>

namespace balka {

class MainWindow : public QMainWindow, public MainView {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    void SetCaption(const std::string& caption) override;
    void SetStatusText(StatusPanel panel, const std::string& text) override;
    void ShowSchemeView() override;
    void ClearDrawing() override;
    void DrawScheme(TBeam& beam) override;
    void DrawDiagrams(const TBeam& beam) override;
    void CollapseDesignDialog() override;

    QString StatusText(StatusPanel panel) const;

private:
    std::array<QLabel*, 4> panels_{};
    QLabel* drawing_ = nullptr;
};

} // namespace balka

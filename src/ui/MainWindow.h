// The program's frame: menu, toolbar, the drawing of the scheme and diagrams, the report view
// and the four status panels. It is the desktop's MainView; the commands that open other
// windows are connected by the program's start-up code through CommandAction.
#pragma once

#include "model/MainView.h"

#include <QLabel>
#include <QMainWindow>
#include <array>
#include <functional>
#include <map>

class QAction;
class QMenu;
class QPrinter;
class QTextBrowser;
class QTextDocument;

namespace balka {

class Workspace;
class QtCanvas;

enum class Command {
    NewProject,
    Open,
    Save,
    SaveAs,
    Diagrams,
    Report,
    Preview,
    Print,
    ExportPdf,
    ExportWord,
    Exit,
    Undo,
    Redo,
    Geometry,
    Loads,
    Template,
    Holes,
    Design,
    Reactions,
    Catalogue,
    Material,
    Register,
    Unregister,
    Help,
    About,
};

class DrawingArea;

class MainWindow : public QMainWindow, public MainView {
    Q_OBJECT
  public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The workspace is created after the window (it needs the window as its view).
    void AttachWorkspace(Workspace& workspace);

    void SetCaption(const std::string& caption) override;
    void SetStatusText(StatusPanel panel, const std::string& text) override;
    void ShowSchemeView() override;
    void ClearDrawing() override;
    void DrawScheme(TBeam& beam) override;
    void DrawDiagrams(const TBeam& beam) override;
    void DrawCannotCarryNotice() override;

    QAction* CommandAction(Command command) const;
    // "Файл" → "Последние проекты", filled by the project file commands.
    QMenu* RecentMenu() const { return recent_; }
    QString StatusText(StatusPanel panel) const;
    const QImage& Picture() const;

    // Draws the scheme and, when it may go on, the diagrams, into the drawing.
    void Redraw();
    // "Отчет": writes report.html into the report folder and shows it instead of the drawing.
    void ShowReport();
    bool ReportShown() const;
    // The report as shown, with its picture; the paper, PDF and Word copies are made from it.
    const QTextDocument& ReportDocument() const;

    // Where the report commands meet the desktop: the desktop's dialogs and programs by default,
    // replaced by tests.
    struct ReportDesktop {
        // Lets the user choose the printer; false when the user cancels. Throws, with the reason
        // for the user, when printing cannot start at all.
        std::function<bool(QPrinter& printer)> ChoosePrinter;
        // Asks where to save the PDF file, proposing `proposed`; empty when the user cancels.
        std::function<QString(const QString& proposed)> AskPdfPath;
        // Opens the document in a word processor; false when none could be started.
        std::function<bool(const QString& file)> OpenDocument;
    };
    ReportDesktop Desktop;

    // Asked before the project is dropped (closing, "Новый проект", opening another): true
    // when it may go. Unset, the project always may.
    std::function<bool()> MayDropProject;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void CreateCommands();
    void NewProject();
    void EnableReportCommands(bool enabled);
    void ShowUndoCommands();
    void PlaceReportView();
    void PreviewReport();
    void PrintReport();
    void ExportReportToPdf();
    void ExportReportToWord();

    Workspace* workspace_ = nullptr;
    std::array<QLabel*, 4> panels_{};
    DrawingArea* drawing_ = nullptr;
    QTextBrowser* report_ = nullptr;
    QMenu* recent_ = nullptr;
    std::map<Command, QAction*> actions_;
};

} // namespace balka

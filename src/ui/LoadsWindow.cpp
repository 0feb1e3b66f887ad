// The loads window's widgets and their wiring to the model: the input panel follows the model's
// panel state, the table its rows, with the kind column drawn as pictograms.
#include "ui/LoadsWindow.h"

#include "editors/LoadsEditor.h"
#include "graphics/ResourceBitmaps.h"
#include "ui/CellEditDelegate.h"
#include "ui/EscapeCloses.h"
#include "ui/GuardedAction.h"
#include "ui/LoadKindPictograms.h"
#include "ui/NamedButton.h"
#include "ui/NumericKeyForwarder.h"
#include "ui/QtCanvas.h"
#include "workspace/Workspace.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace balka {

namespace {

QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

constexpr std::array<LoadKind, 4> kKinds = {LoadWholeBeam, LoadWholeSpan, LoadPartSpan, LoadPoint};
constexpr std::array<LoadBox, 5> kBoxes = {LoadBox::F, LoadBox::Yf, LoadBox::Kd, LoadBox::X,
                                           LoadBox::S};

std::string& BoxText(LoadsEditor& model, LoadBox box) {
    switch (box) {
    case LoadBox::Yf:
        return model.YfText;
    case LoadBox::Kd:
        return model.KdText;
    case LoadBox::X:
        return model.XText;
    case LoadBox::S:
        return model.SText;
    case LoadBox::F:
        break;
    }
    return model.FText;
}

} // namespace

LoadsWindow::LoadsWindow(Workspace& workspace, QWidget* parent)
    : QWidget(parent, Qt::Window), workspace_(workspace), model_(workspace.Loads) {
    setWindowTitle(ToQt(LoadsEditor::Caption));
    BuildLayout();
    model_.AttachView(this);
    Refresh();
}

LoadsWindow::~LoadsWindow() {
    model_.AttachView(nullptr);
}

void LoadsWindow::BuildLayout() {
    const auto addRadio = [this](QBoxLayout* layout, QButtonGroup* group, const char* name,
                                 const char* caption) {
        auto* radio = new QRadioButton(QString::fromUtf8(caption), this);
        radio->setObjectName(QString::fromUtf8(name));
        group->addButton(radio);
        layout->addWidget(radio);
        return radio;
    };

    auto* panel = new QVBoxLayout;
    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("imPicture"));
    picture_->setFixedSize(193, 65);
    panel->addWidget(picture_);
    span_ = new QComboBox(this);
    span_->setObjectName(QStringLiteral("cbSpan"));
    panel->addWidget(span_);

    auto* kindLayout = new QVBoxLayout;
    auto* kindGroup = new QButtonGroup(this);
    const std::array<const char*, 4> kindNames = {"rbBeamLoad", "rbSpanLoad", "rbPartSpanLoad",
                                                  "rbPointLoad"};
    const std::array<const char*, 4> kindCaptions = {"на балку", "на пролет", "на часть пролета",
                                                     "сосредоточенная"};
    for (size_t i = 0; i < kinds_.size(); ++i) {
        kinds_[i] = addRadio(kindLayout, kindGroup, kindNames[i], kindCaptions[i]);
        const LoadKind kind = kKinds[i];
        connect(kinds_[i], &QRadioButton::clicked, this, [this, kind] { model_.ChooseKind(kind); });
    }
    auto* durationLayout = new QVBoxLayout;
    auto* durationGroup = new QButtonGroup(this);
    temporary_ = addRadio(durationLayout, durationGroup, "rbVrem", "временная");
    permanent_ = addRadio(durationLayout, durationGroup, "rbPost", "постоянная");
    connect(temporary_, &QRadioButton::clicked, this,
            [this] { model_.ChoosePermanence(Permanence::Temporary); });
    connect(permanent_, &QRadioButton::clicked, this,
            [this] { model_.ChoosePermanence(Permanence::Permanent); });
    auto* choices = new QHBoxLayout;
    choices->addLayout(kindLayout);
    choices->addLayout(durationLayout);
    panel->addLayout(choices);

    const std::array<const char*, 5> boxNames = {"leF", "leYf", "leKd", "leX", "leS"};
    const std::array<const char*, 5> boxCaptions = {" Нагрузка, F, кг/мп", " Коэф. надежности, Yf",
                                                    " Коэф. длительности, Kd", " Привязка, х, м",
                                                    " Длина нагрузки, s, м"};
    for (size_t i = 0; i < boxes_.size(); ++i) {
        auto* caption = new QLabel(QString::fromUtf8(boxCaptions[i]), this);
        caption->setObjectName(QString::fromUtf8(boxNames[i]) + QStringLiteral("Caption"));
        panel->addWidget(caption);
        if (i == 0) {
            fCaption_ = caption;
        }
        boxes_[i] = new QLineEdit(this);
        boxes_[i]->setObjectName(QString::fromUtf8(boxNames[i]));
        panel->addWidget(boxes_[i]);
        const LoadBox box = kBoxes[i];
        NumericKeyForwarder::Attach(boxes_[i], [this, box](NumericBox& text, char32_t key) {
            return model_.KeyPress(box, text, key);
        });
        connect(boxes_[i], &QLineEdit::textEdited, this,
                [this, box](const QString& text) { BoxText(model_, box) = text.toStdString(); });
    }
    auto* panelButtons = new QHBoxLayout;
    QPushButton* add = AddNamedButton(this, panelButtons, "bAdd", "Добавить");
    QPushButton* addSnow = AddNamedButton(this, panelButtons, "bAddSnow", "Добавить снег");
    panel->addLayout(panelButtons);
    panel->addStretch();

    grid_ = new QTableWidget(this);
    grid_->setObjectName(QStringLiteral("Grid"));
    // Every column stays in sight: the columns share the table's width instead of scrolling.
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    CellEditHooks hooks;
    hooks.CanEdit = [this](int column, int row) { return model_.GridCanEditCell(column, row); };
    hooks.Begin = [this](int column, int row) { model_.GridDblClickCell(column, row); };
    hooks.ListItems = [this](int column, int row) {
        return model_.GridGetEditorType(column, row) == LoadsEditor::CellEditor::SpanList
                   ? model_.GridGetEditorItems()
                   : std::vector<std::string>{};
    };
    hooks.KeyPasses = [this](char32_t key) { return model_.GridKeyPress(key); };
    hooks.Done = [this](int column, int row, const std::string& text) {
        Run([&] { model_.GridEditCellDone(column, row, text); });
        Refresh();
    };
    hooks.Paint = [this](QPainter* painter, const QRect& rect, int column, int row) {
        return column == LoadsEditor::KindColumn && row <= workspace_.Beam.LoadCount &&
               DrawLoadPictogram(*painter, rect, model_.Grid.Cell(column, row));
    };
    new CellEditDelegate(std::move(hooks), grid_);

    auto* tableButtons = new QHBoxLayout;
    QPushButton* remove = AddNamedButton(this, tableButtons, "bDelete", "Удалить");
    QPushButton* clear = AddNamedButton(this, tableButtons, "bClear", "Очистить");
    tableButtons->addStretch();
    QPushButton* ok = AddNamedButton(this, tableButtons, "bOK", "ОК");

    connect(span_, &QComboBox::activated, this, [this](int index) { model_.SpanIndex = index; });
    // No current row (-1) means nothing is selected, and "Удалить" then deletes nothing.
    connect(grid_, &QTableWidget::currentCellChanged, this,
            [this](int row) { model_.SelectedRow = row + 1; });
    connect(add, &QPushButton::clicked, this, [this] { Run([this] { model_.bAddClick(); }); });
    connect(addSnow, &QPushButton::clicked, this, [this] {
        if (model_.bAddSnowClick()) {
            emit SnowDialogRequested();
        }
    });
    connect(remove, &QPushButton::clicked, this,
            [this] { Run([this] { model_.bDeleteClick(); }); });
    connect(clear, &QPushButton::clicked, this, [this] { Run([this] { model_.bClearClick(); }); });
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);

    auto* right = new QVBoxLayout;
    right->addWidget(grid_, 1);
    right->addLayout(tableButtons);
    auto* top = new QHBoxLayout(this);
    top->addLayout(panel);
    top->addLayout(right, 1);
    CloseOnEscape(*this);
    resize(760, 420);
}

void LoadsWindow::Run(const std::function<void()>& action) {
    RunGuarded(workspace_.Messages, action);
}

void LoadsWindow::FocusField(const std::string& controlName) {
    if (auto* widget = findChild<QWidget*>(ToQt(controlName))) {
        widget->setFocus();
    }
}

void LoadsWindow::SelectCell(int column, int row) {
    grid_->setCurrentCell(row - 1, column);
}

void LoadsWindow::Refresh() {
    const LoadPanel panel = model_.Panel();
    if (const auto size = ResourceBitmapSize(panel.PictureName)) {
        QtCanvas canvas(size->Width, size->Height);
        DrawResourceBitmap(panel.PictureName, canvas);
        picture_->setPixmap(QPixmap::fromImage(canvas.Image()));
    }
    span_->clear();
    for (const std::string& item : model_.SpanItems) {
        span_->addItem(ToQt(item));
    }
    span_->setCurrentIndex(model_.SpanIndex);
    span_->setEnabled(panel.SpanListEnabled);
    for (size_t i = 0; i < kinds_.size(); ++i) {
        kinds_[i]->setChecked(kKinds[i] == model_.Kind);
    }
    temporary_->setChecked(model_.Duration == Permanence::Temporary);
    permanent_->setChecked(model_.Duration == Permanence::Permanent);
    fCaption_->setText(ToQt(panel.FCaption));
    const std::array<bool, 5> enabled = {true, true, panel.KdEnabled, panel.XEnabled,
                                         panel.SEnabled};
    for (size_t i = 0; i < boxes_.size(); ++i) {
        const QString text = ToQt(BoxText(model_, kBoxes[i]));
        if (boxes_[i]->text() != text) {
            boxes_[i]->setText(text);
        }
        boxes_[i]->setEnabled(enabled[i]);
    }
    const int selected = model_.SelectedRow;
    ShowTextTable(*grid_, model_.Grid);
    ShowCurrentRow(*grid_, selected, workspace_.Beam.LoadCount);
}

} // namespace balka

#include "ui/DesignWindow.h"

#include "graphics/SelectionChart.h"
#include "model/NumericKeyFilter.h"
#include "ui/GuardedAction.h"
#include "ui/QtCanvas.h"
#include "ui/QtMessageSink.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace balka {

namespace {

constexpr int kDialogHeight = 560;
constexpr int kMargin = 8;
constexpr int kPanelsTop = 48;
constexpr int kButtonsTop = kDialogHeight - 40;
constexpr int kSidePanelLeft = DesignDialog::InputWidth + kMargin;
// Which key filter a numeric box takes.
const char* const kNumberKind = "balkaNumberKind";

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}
std::string Std(const QString& text) {
    return text.toStdString();
}

void SetListItems(QComboBox* box, const std::vector<std::string>& items) {
    QStringList texts;
    for (const std::string& item : items) {
        texts << Text(item);
    }
    QStringList current;
    for (int i = 0; i < box->count(); ++i) {
        current << box->itemText(i);
    }
    if (current != texts) {
        box->clear();
        box->addItems(texts);
    }
}

// An editable list's text, with the list's own item chosen when the text names one.
void SetEditText(QComboBox* box, const std::string& text) {
    const QString value = Text(text);
    if (box->currentText() != value) {
        const int index = box->findText(value);
        box->setCurrentIndex(index);
        box->setEditText(value);
    }
}

void SetBoxText(QLineEdit* box, const std::string& text) {
    if (box->text() != Text(text)) {
        box->setText(Text(text));
    }
}

// A caption of up to two lines; its height is fixed because a word-wrapped label inside the
// scrolling group would otherwise be squeezed over its neighbours.
QLabel* WrappedLabel(const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    label->setFixedHeight(2 * label->fontMetrics().lineSpacing() + 4);
    return label;
}

// A check box or radio button whose long caption wraps beside it.
QWidget* CheckWithCaption(QAbstractButton* box, const QString& caption) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(box, 0, Qt::AlignTop);
    layout->addWidget(WrappedLabel(caption), 1);
    return row;
}

QColor ColourOf(TResultStyle style) {
    switch (style) {
    case TResultStyle::Failed:
        return Qt::red;
    case TResultStyle::Normal:
        return QColor(0, 128, 0);
    default:
        return Qt::black;
    }
}

} // namespace

DesignWindow::DesignWindow(DesignDialog& dialog, QWidget* parent)
    : QDialog(parent), dialog_(dialog) {
    setWindowTitle(QStringLiteral("Расчет"));

    auto* warning = new QLabel(
        QStringLiteral("ВНИМАНИЕ! Рассчитанные параметры сечения имеют рекомендательный характер."),
        this);
    warning->setWordWrap(true);
    warning->setGeometry(kMargin, kMargin, DesignDialog::InputWidth - 2 * kMargin, 36);

    scroll_ = new QScrollArea(this);
    scroll_->setGeometry(kMargin, kPanelsTop, DesignDialog::InputWidth - 2 * kMargin,
                         kButtonsTop - kPanelsTop - kMargin);
    // The group keeps the height its open panels need and scrolls; it is never squeezed.
    scroll_->setWidgetResizable(false);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    panels_ = new QWidget;
    panels_->setFixedWidth(scroll_->width() - scroll_->verticalScrollBar()->sizeHint().width() -
                           2 * scroll_->frameWidth());
    auto* column = new QVBoxLayout(panels_);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(2);
    column->addWidget(BuildMainPanel());
    AddPanel(DesignDialog::Panel::Additional, "Дополнительные параметры", BuildAdditionalPanel());
    AddPanel(DesignDialog::Panel::Temperature, "Температура эксплуатации", BuildTemperaturePanel());
    AddPanel(DesignDialog::Panel::Deflection, "К расчету прогибов", BuildDeflectionPanel());
    AddPanel(DesignDialog::Panel::Stability, "К расчету устойчивости из плоскости",
             BuildStabilityPanel());
    column->addStretch(1);
    scroll_->setWidget(panels_);

    calculate_ = new QPushButton(QStringLiteral("Расчет"), this);
    select_ = new QPushButton(QStringLiteral("Подбор"), this);
    close_ = new QPushButton(QStringLiteral("Закрыть"), this);
    calculate_->setGeometry(kMargin, kButtonsTop, 96, 28);
    select_->setGeometry(kMargin + 104, kButtonsTop, 96, 28);
    close_->setGeometry(kMargin + 208, kButtonsTop, 96, 28);
    for (QPushButton* button : {calculate_, select_, close_}) {
        button->setAutoDefault(false);
    }
    connect(calculate_, &QPushButton::clicked, this,
            [this] { Guarded([this] { dialog_.OnCalculate(); }); });
    connect(select_, &QPushButton::clicked, this,
            [this] { Guarded([this] { dialog_.OnSelect(); }); });
    connect(close_, &QPushButton::clicked, this, [this] { dialog_.OnClose(); });

    resultsPanel_ = new QWidget(this);
    resultsPanel_->setAutoFillBackground(true);
    results_ = new QTextEdit(resultsPanel_);
    results_->setReadOnly(true);
    report_ = new QPushButton(QStringLiteral("Отчет"), resultsPanel_);
    report_->setAutoDefault(false);
    connect(report_, &QPushButton::clicked, this,
            [this] { Guarded([this] { dialog_.OnReport(); }); });

    selectionPanel_ = new QWidget(this);
    chart_ = new QLabel(selectionPanel_);
    chart_->move(0, 0);

    dialog_.AttachView(this);
    Refresh();
}

DesignWindow::~DesignWindow() {
    dialog_.AttachView(nullptr);
}

QWidget* DesignWindow::BuildMainPanel() {
    auto* box = new QGroupBox(QStringLiteral("Основные параметры"));
    auto* grid = new QGridLayout(box);
    cbType_ = new QComboBox;
    cbWidth_ = new QComboBox;
    cbWidth_->setEditable(true);
    cbHeight_ = new QComboBox;
    cbHeight_->setEditable(true);
    edWidthCount_ = new QLineEdit;
    imOK_ = new QLabel(QStringLiteral("✔"));
    imOK_->setToolTip(QStringLiteral("Сечение есть в сортаменте"));
    imOK_->setStyleSheet(QStringLiteral("color: green; font-weight: bold;"));
    imWarning_ = new QLabel(QStringLiteral("!"));
    imWarning_->setToolTip(QStringLiteral("Сечения нет в сортаменте"));
    imWarning_->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));

    grid->addWidget(new QLabel(QStringLiteral("Тип материала")), 0, 0, 1, 4);
    grid->addWidget(cbType_, 1, 0, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("Ширина, b, мм")), 2, 0);
    grid->addWidget(new QLabel(QStringLiteral("Высота, h, мм")), 2, 2);
    grid->addWidget(cbWidth_, 3, 0);
    grid->addWidget(new QLabel(QStringLiteral("х")), 3, 1);
    grid->addWidget(cbHeight_, 3, 2);
    auto* indicator = new QWidget;
    auto* indicatorLayout = new QVBoxLayout(indicator);
    indicatorLayout->setContentsMargins(0, 0, 0, 0);
    indicatorLayout->addWidget(imOK_);
    indicatorLayout->addWidget(imWarning_);
    grid->addWidget(indicator, 3, 3);
    grid->addWidget(new QLabel(QStringLiteral("Количество элементов")), 4, 0, 1, 2);
    grid->addWidget(edWidthCount_, 4, 2);

    for (QLineEdit* edit : {cbWidth_->lineEdit(), cbHeight_->lineEdit(), edWidthCount_}) {
        edit->setProperty(kNumberKind, static_cast<int>(NumberKind::Integer));
        edit->installEventFilter(this);
    }
    connect(cbType_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!showing_) {
            dialog_.cbTypeChange(index);
        }
    });
    connect(cbWidth_, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        if (!showing_) {
            dialog_.cbWidthChange(Std(text));
        }
    });
    connect(cbHeight_, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        if (!showing_) {
            dialog_.cbHeightChange(Std(text));
        }
    });
    connect(edWidthCount_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!showing_) {
            dialog_.edWidthCountChange(Std(text));
        }
    });
    return box;
}

QWidget* DesignWindow::BuildAdditionalPanel() {
    auto* content = new QWidget;
    auto* grid = new QGridLayout(content);
    cbClassResp_ = new QComboBox;
    cbClassExp_ = new QComboBox;
    for (QComboBox* list : {cbClassResp_, cbClassExp_}) {
        SetListItems(list, DesignDialog::ClassItems());
    }
    auto* respHelp = new QPushButton(QStringLiteral(" ?"));
    auto* expHelp = new QPushButton(QStringLiteral(" ?"));
    respHelp->setFixedWidth(28);
    expHelp->setFixedWidth(28);
    cbAntipiren_ = new QCheckBox;
    grid->addWidget(new QLabel(QStringLiteral("Класс ответственности")), 0, 0);
    grid->addWidget(cbClassResp_, 0, 1);
    grid->addWidget(respHelp, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Класс эксплуатации")), 1, 0);
    grid->addWidget(cbClassExp_, 1, 1);
    grid->addWidget(expHelp, 1, 2);
    grid->addWidget(
        CheckWithCaption(cbAntipiren_, QStringLiteral("элемент подвергнут глубокой пропитке "
                                                      "антипиренами под давлением")),
        2, 0, 1, 3);
    connect(respHelp, &QPushButton::clicked, this, &DesignWindow::responsibilityClassHelpRequested);
    connect(expHelp, &QPushButton::clicked, this, &DesignWindow::serviceClassHelpRequested);
    connect(cbClassResp_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!showing_) {
            dialog_.cbClassRespChange(index);
        }
    });
    connect(cbClassExp_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!showing_) {
            dialog_.cbClassExpChange(index);
        }
    });
    connect(cbAntipiren_, &QCheckBox::toggled, this, [this](bool checked) {
        if (!showing_) {
            dialog_.cbAntipirenClick(checked);
        }
    });
    return content;
}

QWidget* DesignWindow::BuildTemperaturePanel() {
    auto* content = new QWidget;
    auto* grid = new QGridLayout(content);
    rbTemp35_ = new QRadioButton(QStringLiteral("до 35 °С"));
    rbTemp35_50_ = new QRadioButton(QStringLiteral("от 35 до 50 °С"));
    rbTemp50_ = new QRadioButton(QStringLiteral("от 50 °С"));
    edTemp_ = new QLineEdit;
    edTemp_->setProperty(kNumberKind, static_cast<int>(NumberKind::Real));
    edTemp_->installEventFilter(this);
    auto* group = new QButtonGroup(content);
    group->addButton(rbTemp35_);
    group->addButton(rbTemp35_50_);
    group->addButton(rbTemp50_);
    grid->addWidget(rbTemp35_, 0, 0);
    grid->addWidget(rbTemp35_50_, 1, 0);
    grid->addWidget(edTemp_, 1, 1);
    grid->addWidget(rbTemp50_, 2, 0);
    const auto choose = [this](QRadioButton* button, TTemperatureMode mode) {
        connect(button, &QRadioButton::toggled, this, [this, mode](bool checked) {
            if (checked && !showing_) {
                dialog_.TemperatureModeClick(mode);
            }
        });
    };
    choose(rbTemp35_, TTemperatureMode::UpTo35);
    choose(rbTemp35_50_, TTemperatureMode::From35To50);
    choose(rbTemp50_, TTemperatureMode::From50);
    connect(edTemp_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!showing_) {
            dialog_.edTempChange(Std(text));
        }
    });
    return content;
}

QWidget* DesignWindow::BuildDeflectionPanel() {
    auto* content = new QWidget;
    auto* grid = new QGridLayout(content);
    cbDeflection_ = new QComboBox;
    SetListItems(cbDeflection_, DesignDialog::DeflectionItems());
    rbDlitelnie_ = new QRadioButton(QStringLiteral("учитывать постоянные и длительные"));
    rbKratkovremennie_ = new QRadioButton;
    auto* group = new QButtonGroup(content);
    group->addButton(rbDlitelnie_);
    group->addButton(rbKratkovremennie_);
    grid->addWidget(new QLabel(QStringLiteral("Допустимый прогиб")), 0, 0);
    grid->addWidget(cbDeflection_, 0, 1);
    grid->addWidget(rbDlitelnie_, 1, 0, 1, 2);
    // This caption is wider than the input area: it wraps beside its button.
    grid->addWidget(CheckWithCaption(rbKratkovremennie_,
                                     QStringLiteral("учитывать постоянные и кратковременные")),
                    2, 0, 1, 2);
    connect(cbDeflection_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!showing_) {
            dialog_.cbDeflectionChange(index);
        }
    });
    connect(rbDlitelnie_, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked && !showing_) {
            dialog_.DeflectionLoadsClick(DeflectionLoads::LongTerm);
        }
    });
    connect(rbKratkovremennie_, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked && !showing_) {
            dialog_.DeflectionLoadsClick(DeflectionLoads::ShortTerm);
        }
    });
    return content;
}

QWidget* DesignWindow::BuildStabilityPanel() {
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    const auto labelled = [&](const char* caption, NumberKind kind) {
        QLabel* label = WrappedLabel(QString::fromUtf8(caption));
        auto* edit = new QLineEdit;
        edit->setProperty(kNumberKind, static_cast<int>(kind));
        edit->installEventFilter(this);
        column->addWidget(label);
        column->addWidget(edit);
        return std::pair{label, edit};
    };
    edLP_ = labelled("Расстояние между точками раскрепления сжатой кромки, lp, м", NumberKind::Real)
                .second;
    edKf_ = labelled("Коэффициент формы эпюры на участке lp, kф", NumberKind::Real).second;
    edMmax_ = labelled("Максимальный момент на участке lp, кг*м", NumberKind::Real).second;
    cbRast_ = new QCheckBox;
    column->addWidget(CheckWithCaption(
        cbRast_, QStringLiteral("Есть подкрепление растянутой кромки на участке lp")));
    std::tie(lbRastCount_, edRastCount_) =
        labelled("Число подкрепленных точек растянутой кромки на участке lp", NumberKind::Integer);

    const auto forward = [this](QLineEdit* edit, void (DesignDialog::*change)(const std::string&)) {
        connect(edit, &QLineEdit::textChanged, this, [this, change](const QString& text) {
            if (!showing_) {
                (dialog_.*change)(Std(text));
            }
        });
    };
    forward(edLP_, &DesignDialog::edLPChange);
    forward(edKf_, &DesignDialog::edKfChange);
    forward(edMmax_, &DesignDialog::edMmaxChange);
    forward(edRastCount_, &DesignDialog::edRastCountChange);
    connect(cbRast_, &QCheckBox::toggled, this, [this](bool checked) {
        if (!showing_) {
            dialog_.cbRastClick(checked);
        }
    });
    return content;
}

void DesignWindow::AddPanel(DesignDialog::Panel panel, const char* caption, QWidget* content) {
    const auto index = static_cast<size_t>(panel);
    auto* header = new QToolButton;
    header->setText(QString::fromUtf8(caption));
    header->setCheckable(true);
    header->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    header->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(header, &QToolButton::clicked, this, [this, panel](bool checked) {
        if (checked) {
            dialog_.ExpandPanel(panel);
        } else {
            dialog_.CollapsePanel(panel);
        }
    });
    headers_[index] = header;
    contents_[index] = content;
    auto* column = static_cast<QVBoxLayout*>(panels_->layout());
    column->addWidget(header);
    column->addWidget(content);
}

bool DesignWindow::eventFilter(QObject* object, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(object);
    if (box != nullptr && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        const bool shortcut = key->modifiers() & Qt::ControlModifier;
        if (!text.isEmpty() && !shortcut && key->key() != Qt::Key_Delete &&
            key->key() != Qt::Key_Tab) {
            const auto kind = static_cast<NumberKind>(box->property(kNumberKind).toInt());
            NumericBox numeric{Std(box->text()), static_cast<size_t>(box->cursorPosition())};
            if (FilterNumericKey(numeric, text.at(0).unicode(), MinusSign::Refused, kind)) {
                return false;
            }
            if (Text(numeric.Text) != box->text()) {
                box->setText(Text(numeric.Text));
                box->setCursorPosition(static_cast<int>(numeric.Caret));
            }
            return true;
        }
    }
    return QDialog::eventFilter(object, event);
}

void DesignWindow::Refresh() {
    showing_ = true;
    ShowLists();
    ShowFields();
    ShowResults();
    ShowChart();
    showing_ = false;
}

void DesignWindow::ShowLists() {
    SetListItems(cbType_, dialog_.Materials);
    SetListItems(cbWidth_, dialog_.Widths);
    SetListItems(cbHeight_, dialog_.Heights);
}

void DesignWindow::ShowFields() {
    const DesignSettings& s = dialog_.Settings;
    cbType_->setCurrentIndex(s.TypeIndex);
    SetEditText(cbWidth_, s.Width);
    SetEditText(cbHeight_, s.Height);
    SetBoxText(edWidthCount_, s.WidthCount);
    imOK_->setVisible(dialog_.SizeInCatalogue);
    imWarning_->setVisible(!dialog_.SizeInCatalogue);

    cbClassResp_->setCurrentIndex(s.ClassRespIndex);
    cbClassExp_->setCurrentIndex(s.ClassExpIndex);
    cbAntipiren_->setChecked(s.Antipiren);
    rbTemp35_->setChecked(s.TemperatureMode == TTemperatureMode::UpTo35);
    rbTemp35_50_->setChecked(s.TemperatureMode == TTemperatureMode::From35To50);
    rbTemp50_->setChecked(s.TemperatureMode == TTemperatureMode::From50);
    SetBoxText(edTemp_, s.Temp);
    edTemp_->setEnabled(dialog_.TemperatureEnabled());
    cbDeflection_->setCurrentIndex(s.DeflectionIndex);
    rbDlitelnie_->setChecked(s.Loads == DeflectionLoads::LongTerm);
    rbKratkovremennie_->setChecked(s.Loads == DeflectionLoads::ShortTerm);
    SetBoxText(edLP_, s.LP);
    SetBoxText(edKf_, s.Kf);
    SetBoxText(edMmax_, s.Mmax);
    cbRast_->setChecked(s.Rast);
    SetBoxText(edRastCount_, s.RastCount);
    lbRastCount_->setEnabled(dialog_.RastCountEnabled());
    edRastCount_->setEnabled(dialog_.RastCountEnabled());

    for (size_t i = 0; i < DesignDialog::PanelCount; ++i) {
        const bool expanded = dialog_.IsExpanded(static_cast<DesignDialog::Panel>(i));
        headers_[i]->setChecked(expanded);
        headers_[i]->setArrowType(expanded ? Qt::DownArrow : Qt::RightArrow);
        contents_[i]->setVisible(expanded);
    }
    panels_->setFixedHeight(panels_->layout()->sizeHint().height());
}

void DesignWindow::ShowResults() {
    setFixedSize(dialog_.DialogWidth, kDialogHeight);
    const bool results = dialog_.ShownPanel == DesignDialog::ResultPanel::Results;
    resultsPanel_->setVisible(results);
    resultsPanel_->setGeometry(kSidePanelLeft, kMargin,
                               DesignDialog::ResultsWidth - kSidePanelLeft - kMargin,
                               kDialogHeight - 2 * kMargin);
    results_->setGeometry(kMargin, kMargin, resultsPanel_->width() - 2 * kMargin,
                          resultsPanel_->height() - 52);
    report_->setGeometry(resultsPanel_->width() - 104, resultsPanel_->height() - 36, 96, 28);
    const TPanelColour& colour = dialog_.ResultsColour;
    QPalette palette = resultsPanel_->palette();
    palette.setColor(QPalette::Window, QColor(colour.Red, colour.Green, colour.Blue));
    resultsPanel_->setPalette(palette);

    results_->clear();
    for (const TResultLine& line : dialog_.ResultLines) {
        QTextCharFormat format;
        format.setForeground(ColourOf(line.Style));
        const bool heading =
            line.Style == TResultStyle::SpanHeading || line.Style == TResultStyle::HoleHeading;
        format.setFontWeight(heading ? QFont::Bold : QFont::Normal);
        format.setFontUnderline(line.Style == TResultStyle::SpanHeading);
        QTextCursor cursor = results_->textCursor();
        cursor.movePosition(QTextCursor::End);
        if (!results_->document()->isEmpty()) {
            cursor.insertBlock();
        }
        cursor.insertText(Text(line.Text), format);
    }
}

void DesignWindow::ShowChart() {
    const bool selection = dialog_.ShownPanel == DesignDialog::ResultPanel::Selection;
    selectionPanel_->setVisible(selection);
    if (!selection) {
        return;
    }
    const int width = dialog_.SelectionPanelWidth;
    const int height = kDialogHeight - 2 * kMargin;
    selectionPanel_->setGeometry(kSidePanelLeft, kMargin, width, height);
    QtCanvas picture(width, height);
    DrawSelectionChart(dialog_.Chart, picture);
    chart_->setPixmap(QPixmap::fromImage(picture.Image()));
    chart_->resize(width, height);
}

void DesignWindow::FocusField(const std::string& controlName) {
    if (QWidget* control = Control(controlName)) {
        scroll_->ensureWidgetVisible(control);
        control->setFocus();
    }
}

void DesignWindow::SelectCell(int, int) {}

void DesignWindow::CloseDialog() {
    hide();
}

void DesignWindow::ScrollPanelsToTop() {
    scroll_->verticalScrollBar()->setValue(0);
}

QWidget* DesignWindow::Control(const std::string& controlName) const {
    const std::pair<const char*, QWidget*> controls[] = {
        {"cbType", cbType_},
        {"cbWidth", cbWidth_},
        {"cbHeight", cbHeight_},
        {"edWidthCount", edWidthCount_},
        {"cbClassResp", cbClassResp_},
        {"cbClassExp", cbClassExp_},
        {"cbAntipiren", cbAntipiren_},
        {"rbTemp35", rbTemp35_},
        {"rbTemp35_50", rbTemp35_50_},
        {"rbTemp50", rbTemp50_},
        {"edTemp", edTemp_},
        {"cbDeflection", cbDeflection_},
        {"rbDlitelnie", rbDlitelnie_},
        {"rbKratkovremennie", rbKratkovremennie_},
        {"edLP", edLP_},
        {"edKf", edKf_},
        {"edMmax", edMmax_},
        {"cbRast", cbRast_},
        {"edRastCount", edRastCount_},
    };
    for (const auto& [name, control] : controls) {
        if (controlName == name) {
            return control;
        }
    }
    return nullptr;
}

QToolButton* DesignWindow::PanelHeader(DesignDialog::Panel panel) const {
    return headers_[static_cast<size_t>(panel)];
}

// A failure beyond the dialog's own checks (a material value that does not convert, a report
// folder that cannot be written) ends the command with its own text in a message box.
void DesignWindow::Guarded(const std::function<void()>& action) {
    QtMessageSink messages(this);
    RunGuarded(messages, action);
}

} // namespace balka

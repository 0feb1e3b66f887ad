#include "ui/ClassExplanationDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <vector>

namespace balka {

namespace {

struct ClassText {
    const char* Heading;
    std::vector<const char*> Lines;
};

struct Explanation {
    const char* Caption;
    QSize ClientSize;
    std::vector<ClassText> Classes;
};

Explanation ServiceClasses() {
    return {
        "Класс условий эксплуатации",
        QSize(412, 315),
        {{"1 класс",
          {"- влажность материала конструкции в процессе эксплуатации 8-12 %; ",
           "- относительная влажность воздуха 40-60 %;", "- температура воздуха +15 - +25 °С."}},
         {"2 класс",
          {"- влажность материала конструкции в процессе эксплуатации 18-22 %; ",
           "- относительная влажность воздуха 60-90 %;", "- температура воздуха +15 - +25 °С."}},
         {"3 класс",
          {"- влажность материала конструкции в процессе эксплуатации более 22 %; ",
           "- относительная влажность воздуха - без ограничений;",
           "- температура воздуха - без ограничений."}}}};
}

Explanation ResponsibilityClasses() {
    return {"Класс ответственности",
            QSize(417, 315),
            {{"1 класс",
              {"Конструкции для зданий I уровня ответственности, используемых в качестве "
               "несущих, когда выход из строя конструкции вызывает разрушение здания и "
               "сооружения или его части, что связано с большими материальными или людскими "
               "потерями. К ним относятся большепролетные конструкции спортивно-зрелищных, "
               "торговых, жилых и общественных зданий и сооружений, как правило, "
               "индивидуального проектирования."}},
             {"2 класс",
              {"Конструкции для зданий II уровня ответственности. К ним относятся конструкции "
               "производственных, складских и т.п. зданий."}},
             {"3 класс",
              {"Преимущественно ненесущие конструкции для зданий III уровня ответственности, к "
               "которым относятся брусья стен, каркасы ограждающих конструкций панелей, "
               "архитектурно-декоративные и другие элементы."}}}};
}

Explanation ExplanationOf(ClassExplanation kind) {
    return kind == ClassExplanation::ServiceClass ? ServiceClasses() : ResponsibilityClasses();
}

} // namespace

ClassExplanationDialog::ClassExplanationDialog(ClassExplanation kind, QWidget* parent)
    : InfoDialog(QString::fromUtf8(ExplanationOf(kind).Caption), ExplanationOf(kind).ClientSize,
                 parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setSpacing(2);
    for (const ClassText& text : ExplanationOf(kind).Classes) {
        auto* heading = new QLabel(QString::fromUtf8(text.Heading), this);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        layout->addWidget(heading);
        for (const char* line : text.Lines) {
            auto* label = new QLabel(QString::fromUtf8(line), this);
            label->setWordWrap(true);
            label->setIndent(14);
            layout->addWidget(label);
        }
        layout->addSpacing(4);
    }
    layout->addStretch();
    auto* close = new QPushButton(QStringLiteral("Закрыть"), this);
    close->setAutoDefault(false);
    layout->addWidget(close, 0, Qt::AlignHCenter);
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
}

} // namespace balka

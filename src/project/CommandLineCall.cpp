#include "project/CommandLineCall.h"

#include "project/ProgramVersion.h"

#include <algorithm>

namespace balka {
namespace {

constexpr const char* kCalcOption = "--calc";
constexpr const char* kJsonOption = "--json";
constexpr const char* kSelectOption = "--select";
constexpr const char* kReportOption = "--report";
constexpr const char* kChartOption = "--chart";
constexpr const char* kPdfOption = "--pdf";
constexpr const char* kHelpOption = "--help";
constexpr const char* kVersionOption = "--version";

CommandLineCall OfKind(CallKind kind) {
    CommandLineCall call;
    call.Kind = kind;
    return call;
}

bool IsOption(const std::string& arg) {
    return arg.rfind("--", 0) == 0;
}

// --calc, then the files and the options in any order.
CommandLineCall ParseCalculation(const std::vector<std::string>& args) {
    CommandLineCall call;
    bool haveJson = false;
    bool haveSelect = false;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool valueFollows = i + 1 < args.size() && !args[i + 1].empty();
        if (arg == kJsonOption && !haveJson) {
            haveJson = true;
            call.Form = OutputForm::Json;
        } else if (arg == kSelectOption && !haveSelect) {
            haveSelect = true;
            call.Mode = DesignMode::Selection;
        } else if (arg == kReportOption && !call.ReportFolder && valueFollows) {
            call.ReportFolder = args[++i];
        } else if (arg == kChartOption && !call.ChartFile && valueFollows) {
            call.ChartFile = args[++i];
        } else if (arg == kPdfOption && !call.PdfFile && valueFollows) {
            call.PdfFile = args[++i];
        } else if (!arg.empty() && !IsOption(arg)) {
            call.Paths.push_back(arg);
        } else {
            return {};
        }
    }
    const bool onePicture = !call.Draws() || call.Paths.size() == 1;
    if (call.Paths.empty() || !onePicture ||
        (call.WantsReport() && call.Mode == DesignMode::Selection) ||
        (call.ChartFile && call.Mode == DesignMode::Calculation)) {
        return {};
    }
    call.Kind = CallKind::Calculation;
    return call;
}

} // namespace

CommandLineCall ParseCommandLine(const std::vector<std::string>& args) {
    const auto asked = std::find_if(args.begin(), args.end(), [](const std::string& arg) {
        return arg == kHelpOption || arg == kVersionOption;
    });
    if (asked != args.end()) {
        return OfKind(*asked == kHelpOption ? CallKind::Help : CallKind::Version);
    }
    if (!args.empty() && args.front() == kCalcOption) {
        return ParseCalculation(args);
    }
    // The desktop takes a project file and leaves the rest to the toolkit (its options start
    // with a single "-").
    if (std::none_of(args.begin(), args.end(), IsOption)) {
        return OfKind(CallKind::Desktop);
    }
    return {};
}

std::string UsageText() {
    return "Использование: dravolit-balka [ФАЙЛ.lvl]\n"
           "               dravolit-balka --calc ФАЙЛ.lvl... [--json] [--report ПАПКА] "
           "[--pdf ОТЧЕТ.pdf]\n"
           "               dravolit-balka --calc ФАЙЛ.lvl... --select [--json] "
           "[--chart РИСУНОК.png]\n"
           "               dravolit-balka --help | --version\n";
}

std::string HelpText() {
    return UsageText() +
           "\n"
           "Без параметров открывает окно программы, с именем файла - окно с этим проектом.\n"
           "\n"
           "Параметры:\n"
           "  --calc ФАЙЛ.lvl...    рассчитать проекты без окон: для каждого вывести сводку\n"
           "                        статического расчета и проверки сечения из настроек\n"
           "                        расчета, записанных в файле; сводка нескольких проектов\n"
           "                        выводится под строкой \"==> ФАЙЛ <==\"\n"
           "  --json                вместо сводки вывести по каждому проекту один документ\n"
           "                        JSON в одной строке; имя файла - в поле \"file\"\n"
           "  --select              вместо проверки сечения подобрать сечения по сортаменту\n"
           "  --report ПАПКА        записать отчет report.html и его рисунок picture.jpg в\n"
           "                        папку (только для расчета одного проекта)\n"
           "  --pdf ОТЧЕТ.pdf       записать отчет в файл PDF на листах A4, как его печатает\n"
           "                        программа (только для расчета одного проекта)\n"
           "  --chart РИСУНОК.png   нарисовать диаграмму подбора в файл PNG (только для\n"
           "                        подбора по одному проекту)\n"
           "  --help                показать эту справку и выйти\n"
           "  --version             показать название и версию программы и выйти\n"
           "\n"
           "Код завершения (для нескольких проектов - худший из них):\n"
           "  0  все проверки выполнены (при подборе: есть сечение, проходящее все проверки)\n"
           "  1  какая-то проверка не выполнена (при подборе: ни одно сечение не подходит)\n"
           "  2  расчет невозможен (файл не прочитан, значение не является числом, опоры не\n"
           "     могут нести нагрузку, настройка расчета отклонена, файл не записан; причина\n"
           "     выводится в поток ошибок) или программа вызвана неверно\n";
}

std::string VersionText() {
    return std::string("Драволит-Балка ") + ProgramVersion + "\n";
}

} // namespace balka

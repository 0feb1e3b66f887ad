// The design dialog's model over a real workspace: the installed material file, a small size
// catalogue (widths 45 and 75, heights 200, 300 and 400; 75 x 400 not available) and beams
// entered through the editors' tables.
#include "editors/DesignDialog.h"

#include "graphics/RecordingCanvas.h"
#include "model/Numbers.h"
#include "project/TempFolder.h"
#include "support/RecordingMessageSink.h"
#include "support/RecordingView.h"
#include "support/TableRows.h"
#include "workspace/Workspace.h"

#include <gtest/gtest.h>

#include <functional>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

namespace balka {
namespace {

class RecordingDesignView : public DesignDialogView {
  public:
    std::vector<std::string> Focus;
    int Refreshes = 0;
    int Closes = 0;
    int Scrolls = 0;

    void FocusField(const std::string& controlName) override { Focus.push_back(controlName); }
    void SelectCell(int, int) override {}
    void Refresh() override { ++Refreshes; }
    void CloseDialog() override { ++Closes; }
    void ScrollPanelsToTop() override { ++Scrolls; }
};

void WriteText(const std::filesystem::path& file, const std::string& text) {
    std::ofstream out(file, std::ios::binary);
    out << text;
}

class DesignDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetDecimalSeparator(',');
        const std::filesystem::path resource = folder.Path() / "resource";
        std::filesystem::create_directories(resource);
        std::filesystem::copy_file(std::filesystem::path(BALKA_TEST_DATA) / ".." / ".." /
                                       "resource" / "material.txt",
                                   resource / "material.txt");
        WriteText(resource / "sortament.txt", "2(45,75)\r\n3(200,300,400)\r\n111\r\n112\r\n");
        workspace.LoadReferenceData();
        dialog.AttachView(&dialogView);
    }

    // One hinged span of 6 m under 200 kg/m on the whole span (γf 1, Kd 1).
    void EnterSingleSpanBeam() {
        AppendSpan(workspace, "6");
        AppendLoad(workspace, {"1", "2", "200", "1", "1", " ", " "});
        workspace.Recalculate();
    }

    TempFolder folder;
    RecordingView view;
    RecordingMessageSink messages;
    Workspace workspace{view, messages, BuildTreeFolders(folder.Path())};
    DesignDialog& dialog = workspace.Design;
    RecordingDesignView dialogView;
};

TEST_F(DesignDialogTest, ListsComeFromTheReferenceTablesWithTheDefaults) {
    EXPECT_EQ(dialog.Materials, (std::vector<std::string>{"A", "B", "C", "Custom"}));
    EXPECT_EQ(dialog.Widths, (std::vector<std::string>{"45", "75"}));
    EXPECT_EQ(dialog.Heights, (std::vector<std::string>{"200", "300", "400"}));
    const DesignSettings& s = dialog.Settings;
    EXPECT_EQ(s.TypeIndex, 0);
    EXPECT_EQ(s.Width, "45");
    EXPECT_EQ(s.Height, "200");
    EXPECT_EQ(s.WidthCount, "1");
    EXPECT_EQ(DesignDialog::ClassItems()[static_cast<size_t>(s.ClassRespIndex)], "2");
    EXPECT_EQ(DesignDialog::ClassItems()[static_cast<size_t>(s.ClassExpIndex)], "1");
    EXPECT_EQ(DesignDialog::DeflectionItems()[static_cast<size_t>(s.DeflectionIndex)], "L/200");
    EXPECT_EQ(s.TemperatureMode, TTemperatureMode::UpTo35);
    EXPECT_EQ(s.Temp, "40");
    EXPECT_EQ(s.Loads, DeflectionLoads::ShortTerm);
    EXPECT_TRUE(dialog.SizeInCatalogue);
    EXPECT_EQ(dialog.DialogWidth, 330);
    EXPECT_EQ(dialog.ShownPanel, DesignDialog::ResultPanel::None);
}

TEST_F(DesignDialogTest, IndicatorComparesTextsAndAvailability) {
    dialog.cbWidthChange("75");
    dialog.cbHeightChange("400");
    EXPECT_FALSE(dialog.SizeInCatalogue); // listed but not available
    dialog.cbHeightChange("300");
    EXPECT_TRUE(dialog.SizeInCatalogue);
    dialog.cbHeightChange("0300");
    EXPECT_FALSE(dialog.SizeInCatalogue);
}

TEST_F(DesignDialogTest, CatalogueChangesRefreshListsAndIndicator) {
    dialog.cbWidthChange("75");
    dialog.cbHeightChange("300");
    workspace.Catalogue.ToggleSize(2, 2); // 75 x 300 becomes unavailable
    EXPECT_FALSE(dialog.SizeInCatalogue);
    EXPECT_EQ(dialog.Settings.Width, "75");

    workspace.Catalogue.AddWidth("39");
    EXPECT_EQ(dialog.Widths, (std::vector<std::string>{"39", "45", "75"}));
    // The chosen size is still listed, so it stays chosen.
    EXPECT_EQ(dialog.Settings.Width, "75");
    EXPECT_EQ(dialog.Settings.Height, "300");
    EXPECT_FALSE(dialog.SizeInCatalogue);

    dialog.cbWidthChange("39");
    workspace.Catalogue.AddWidth("100");
    EXPECT_EQ(dialog.Settings.Width, "39");
    EXPECT_FALSE(dialog.SizeInCatalogue); // a new width is available with no height
}

struct RefusalCase {
    std::string Name;
    DesignSettings Settings;
    std::string Control;
    std::string Message;
};

void PrintTo(const RefusalCase& c, std::ostream* out) {
    *out << c.Name;
}

DesignSettings Valid() {
    DesignSettings s;
    s.Width = "45";
    s.Height = "300";
    return s;
}

template <typename Change> DesignSettings With(Change change) {
    DesignSettings s = Valid();
    change(s);
    return s;
}

const std::string kOptional =
    " Этот параметр не является обязательным, поле можно оставить пустым.";

const RefusalCase kRefusals[] = {
    {"WidthEmpty", With([](auto& s) { s.Width = ""; }), "cbWidth",
     "Укажите значение ширины сечения."},
    {"WidthNotANumber", With([](auto& s) { s.Width = "4a"; }), "cbWidth",
     "Значение в поле ''Ширина, b, мм'' не является числом."},
    {"WidthZeroBeforeBadHeight", With([](auto& s) {
         s.Width = "0";
         s.Height = "";
     }),
     "cbWidth", "Значение ширины должно быть больше нуля."},
    {"HeightEmpty", With([](auto& s) { s.Height = ""; }), "cbHeight",
     "Укажите значение высоты сечения."},
    {"HeightNotANumber", With([](auto& s) { s.Height = "3,5"; }), "cbHeight",
     "Значение в поле ''Высота, h, мм'' не является числом."},
    {"HeightZero", With([](auto& s) { s.Height = "0"; }), "cbHeight",
     "Значение высоты должно быть больше нуля."},
    {"WidthOfTwoMetres", With([](auto& s) { s.Width = "2000"; }), "cbWidth",
     "Значение ширины должно быть не больше 1000 мм."},
    {"HeightOfTheLargestWholeNumber", With([](auto& s) { s.Height = "2147483647"; }), "cbHeight",
     "Значение высоты должно быть не больше 2000 мм."},
    {"CountEmpty", With([](auto& s) { s.WidthCount = ""; }), "edWidthCount",
     "Укажите количество досок в сечении."},
    {"CountNotANumber", With([](auto& s) { s.WidthCount = "x"; }), "edWidthCount",
     "Значение в поле количества досок в сечении не является числом."},
    {"CountZero", With([](auto& s) { s.WidthCount = "0"; }), "edWidthCount",
     "Значение количества досок в сечении должно быть больше нуля."},
    {"CountOfAThousand", With([](auto& s) { s.WidthCount = "1000"; }), "edWidthCount",
     "Значение количества досок в сечении должно быть не больше 100."},
    {"TemperatureBelowRange", With([](auto& s) {
         s.TemperatureMode = TTemperatureMode::From35To50;
         s.Temp = "34";
     }),
     "edTemp", "Значение температуры должно быть в пределах 35-50 °С."},
    {"TemperatureAboveRange", With([](auto& s) {
         s.TemperatureMode = TTemperatureMode::From35To50;
         s.Temp = "51";
     }),
     "edTemp", "Значение температуры должно быть в пределах 35-50 °С."},
    {"TemperatureEmpty", With([](auto& s) {
         s.TemperatureMode = TTemperatureMode::From35To50;
         s.Temp = "";
     }),
     "edTemp", "Укажите значение температуры эксплуатации."},
    {"TemperatureNotANumber", With([](auto& s) {
         s.TemperatureMode = TTemperatureMode::From35To50;
         s.Temp = "4o";
     }),
     "edTemp", "Значение в поле температуры эксплуатации не является числом."},
    {"LpZero", With([](auto& s) { s.LP = "0"; }), "edLP",
     "Значение длины участка lp (расстояние между точками раскрепления сжатой кромки) должно "
     "быть больше нуля." +
         kOptional},
    {"LpWithinTolerance", With([](auto& s) { s.LP = "0,0005"; }), "edLP",
     "Значение длины участка lp (расстояние между точками раскрепления сжатой кромки) должно "
     "быть больше нуля." +
         kOptional},
    {"LpNotANumber", With([](auto& s) { s.LP = "1.5"; }), "edLP",
     "Значение в поле Расстояние между точками раскрепления сжатой кромки, lp, м  не является "
     "числом." +
         kOptional},
    {"LpBeyondAHundredMetres", With([](auto& s) { s.LP = "1000"; }), "edLP",
     "Значение длины участка lp должно быть не больше 100 м." + kOptional},
    {"MomentZero", With([](auto& s) { s.Mmax = "0"; }), "edMmax",
     "Значение максимального момента на участке lp должно быть больше нуля." + kOptional},
    {"MomentNotANumber", With([](auto& s) { s.Mmax = "много"; }), "edMmax",
     "Значение в поле Максимальный момент на участке lp, кг*м  не является числом." + kOptional},
    {"MomentOf1e38", With([](auto& s) { s.Mmax = "1E38"; }), "edMmax",
     "Значение максимального момента на участке lp должно быть не больше 1000000 кг*м." +
         kOptional},
    {"ShapeZero", With([](auto& s) { s.Kf = "0"; }), "edKf",
     "Значение коэффициента эпюры на участке lp должно быть больше нуля." + kOptional},
    {"ShapeNotANumber", With([](auto& s) { s.Kf = ","; }), "edKf",
     "Значение в поле Коэффициент формы эпюры на участке lp, kф  не является числом." + kOptional},
    {"RestrainedPointsEmpty", With([](auto& s) { s.Rast = true; }), "edRastCount",
     "Укажите количество точек подкрепления растянутой кромки."},
    {"RestrainedPointsNotANumber", With([](auto& s) {
         s.Rast = true;
         s.RastCount = "2,5";
     }),
     "edRastCount",
     "Значение в поле Число подкрепленных точек растянутой кромки на участке lp не является "
     "числом."},
    {"RestrainedPointsZero", With([](auto& s) {
         s.Rast = true;
         s.RastCount = "0";
     }),
     "edRastCount",
     "Значение количества точек подкрепления растянутой кромки должно быть больше нуля."},
    {"RestrainedPointsTooMany", With([](auto& s) {
         s.Rast = true;
         s.RastCount = "5000";
     }),
     "edRastCount",
     "Значение количества точек подкрепления растянутой кромки должно быть не больше 1000."},
};

class DesignDialogRefusalTest : public DesignDialogTest,
                                public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(DesignDialogRefusalTest, StopsAtTheFirstInvalidField) {
    const RefusalCase& c = GetParam();
    dialog.SetSettings(c.Settings);

    EXPECT_FALSE(dialog.ReadInput().has_value());

    EXPECT_EQ(messages.Messages, std::vector<std::string>{c.Message});
    EXPECT_EQ(dialogView.Focus, std::vector<std::string>{c.Control});
    const bool temperature = c.Control == "edTemp";
    const bool stability = c.Control.starts_with("edLP") || c.Control == "edMmax" ||
                           c.Control == "edKf" || c.Control == "edRastCount";
    EXPECT_EQ(dialog.IsExpanded(DesignDialog::Panel::Temperature), temperature);
    EXPECT_EQ(dialog.IsExpanded(DesignDialog::Panel::Stability), stability);
}

INSTANTIATE_TEST_SUITE_P(EightChecks, DesignDialogRefusalTest, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return info.param.Name; });

TEST_F(DesignDialogTest, ValidFieldsBecomeTheDesignInput) {
    DesignSettings s = Valid();
    s.TypeIndex = 1;
    s.WidthCount = "2";
    s.ClassRespIndex = 2;
    s.ClassExpIndex = 1;
    s.Antipiren = true;
    s.TemperatureMode = TTemperatureMode::From35To50;
    s.Temp = "45";
    s.DeflectionIndex = 4;
    s.Loads = DeflectionLoads::LongTerm;
    s.LP = "1,5";
    s.Mmax = "250";
    s.Kf = "1,13";
    s.Rast = true;
    s.RastCount = "3";
    dialog.SetSettings(s);

    const auto input = dialog.ReadInput();

    ASSERT_TRUE(input.has_value());
    EXPECT_TRUE(messages.Messages.empty());
    EXPECT_EQ(input->MaterialIndex, 1);
    EXPECT_EQ(input->MaterialName, "B");
    EXPECT_FLOAT_EQ(input->Material.BendingStrength, 28.0f);
    EXPECT_FLOAT_EQ(input->Material.ShearStrength, 2.5f);
    EXPECT_FLOAT_EQ(input->Material.Modulus, 12000.0f);
    EXPECT_EQ(input->Width, 45);
    EXPECT_EQ(input->Height, 300);
    EXPECT_EQ(input->Count, 2);
    EXPECT_EQ(input->ResponsibilityClass, 3);
    EXPECT_EQ(input->ServiceClass, 2);
    EXPECT_TRUE(input->Impregnated);
    EXPECT_EQ(input->TemperatureMode, TTemperatureMode::From35To50);
    EXPECT_EQ(input->Temperature, 45);
    EXPECT_EQ(input->DeflectionDivisor, 300);
    EXPECT_TRUE(input->LongTermDeflection);
    EXPECT_FLOAT_EQ(input->Lp.value_or(0), 1.5f);
    EXPECT_FLOAT_EQ(input->MomentLp.value_or(0), 250.0f);
    EXPECT_FLOAT_EQ(input->Kf.value_or(0), 1.13f);
    EXPECT_EQ(input->RestraintCount.value_or(0), 3);
}

TEST_F(DesignDialogTest, FieldsThatAreOffAreNotRead) {
    DesignSettings s = Valid();
    s.Temp = "жарко";  // "до 35 °С" is chosen
    s.RastCount = "x"; // the tensile edge is not restrained
    dialog.SetSettings(s);

    const auto input = dialog.ReadInput();

    ASSERT_TRUE(input.has_value());
    EXPECT_FALSE(input->Lp.has_value());
    EXPECT_FALSE(input->RestraintCount.has_value());
    EXPECT_TRUE(messages.Messages.empty());
}

TEST_F(DesignDialogTest, SelectionSkipsTheSizeFields) {
    dialog.SetSettings(With([](auto& s) {
        s.Width = "";
        s.Height = "abc";
    }));
    const auto input = dialog.ReadInput(DesignDialog::SizeFields::Skipped);
    ASSERT_TRUE(input.has_value());
    EXPECT_EQ(input->Width, 0);
}

TEST_F(DesignDialogTest, IndexesFromAFileOutsideTheirListsTakeTheDefaults) {
    DesignSettings s = Valid();
    s.TypeIndex = 7;
    s.ClassRespIndex = -1;
    s.ClassExpIndex = 3;
    s.DeflectionIndex = 9;
    dialog.SetSettings(s);
    EXPECT_EQ(dialog.Settings.TypeIndex, 0);
    EXPECT_EQ(dialog.Settings.ClassRespIndex, 1);
    EXPECT_EQ(dialog.Settings.ClassExpIndex, 0);
    EXPECT_EQ(dialog.Settings.DeflectionIndex, 2);
}

TEST_F(DesignDialogTest, OneExtraPanelIsOpenAtATime) {
    using P = DesignDialog::Panel;
    for (P panel : {P::Additional, P::Temperature, P::Deflection, P::Stability}) {
        EXPECT_FALSE(dialog.IsExpanded(panel));
    }
    dialog.ExpandPanel(P::Additional);
    dialog.ExpandPanel(P::Deflection);
    EXPECT_FALSE(dialog.IsExpanded(P::Additional));
    EXPECT_TRUE(dialog.IsExpanded(P::Deflection));
    EXPECT_EQ(dialogView.Scrolls, 2);
    dialog.CollapsePanel(P::Deflection);
    EXPECT_FALSE(dialog.IsExpanded(P::Deflection));
}

TEST_F(DesignDialogTest, TemperatureAndRestrainedPointsFollowTheirChoices) {
    EXPECT_FALSE(dialog.TemperatureEnabled());
    dialog.TemperatureModeClick(TTemperatureMode::From35To50);
    EXPECT_TRUE(dialog.TemperatureEnabled());
    dialog.TemperatureModeClick(TTemperatureMode::From50);
    EXPECT_FALSE(dialog.TemperatureEnabled());

    EXPECT_FALSE(dialog.RastCountEnabled());
    dialog.cbRastClick(true);
    EXPECT_TRUE(dialog.RastCountEnabled());
    dialog.cbRastClick(false);
    EXPECT_FALSE(dialog.RastCountEnabled());
}

// Every setting the file stores marks the project modified, the classes and impregnation too.
TEST_F(DesignDialogTest, EveryStoredSettingMarksAProjectWithAFileModified) {
    workspace.Beam.FilePath = "/home/user/балка.lvl";
    workspace.Beam.FileName = "балка.lvl";
    const std::vector<std::function<void()>> edits = {
        [&] { dialog.cbClassRespChange(0); }, [&] { dialog.cbClassExpChange(2); },
        [&] { dialog.cbAntipirenClick(true); }, [&] { dialog.edLPChange("2"); }};
    for (size_t i = 0; i < edits.size(); ++i) {
        workspace.MarkSaved();
        EXPECT_EQ(view.Caption, "Драволит-Балка - балка.lvl");
        edits[i]();
        EXPECT_EQ(view.Caption, "Драволит-Балка - балка.lvl*") << "edit " << i;
    }
}

TEST_F(DesignDialogTest, EditsWithoutAFileLeaveTheCaption) {
    dialog.cbDeflectionChange(0);
    EXPECT_EQ(view.Caption, "Драволит-Балка");
}

TEST_F(DesignDialogTest, SizeEditsRefreshTheMass) {
    EnterSingleSpanBeam();
    dialog.cbWidthChange("100");
    dialog.cbHeightChange("500");
    dialog.edWidthCountChange("2");
    // 6 m x 0.1 m x 0.5 m x 420 kg/m3 x 2
    EXPECT_EQ(view.Status[PanelMass], "Масса - 252 кг");
    dialog.edWidthCountChange("");
    EXPECT_EQ(view.Status[PanelMass], "Масса - ...");
}

TEST_F(DesignDialogTest, BothCommandsRefuseABeamWithoutLoads) {
    AppendSpan(workspace, "6");
    workspace.Recalculate();
    dialog.OnCalculate();
    dialog.OnSelect();
    EXPECT_EQ(messages.Messages,
              (std::vector<std::string>{"Сформируйте расчетную схему с нагрузками.",
                                        "Сформируйте расчетную схему с нагрузками."}));
    EXPECT_EQ(dialog.ShownPanel, DesignDialog::ResultPanel::None);
    EXPECT_FALSE(workspace.Beam.Calculated);
}

TEST_F(DesignDialogTest, BeamStoppedAsUnableToCarryLoadIsRefused) {
    EnterSingleSpanBeam();
    workspace.Geometry.RightSupportIndex = 2; // a hinge opposite a free end
    EXPECT_EQ(workspace.Recalculate(), RecalcOutcome::StoppedUnstable);
    dialog.OnCalculate();
    // The refusal says why the scheme is not ready.
    EXPECT_EQ(messages.Messages,
              std::vector<std::string>{"Балка с такими концевыми опорами не может нести "
                                       "нагрузку. Измените опоры балки."});
}

TEST_F(DesignDialogTest, CalculationShowsItsResultsAndMarksTheProjectCalculated) {
    EnterSingleSpanBeam();
    // No report folder yet: it is made when the report is written into it.
    dialog.MakeReportPicture = [](int32_t width, int32_t height) {
        return std::make_unique<testing::RecordingCanvas>(width, height);
    };
    dialog.cbHeightChange("400");
    dialog.edLPChange("0,3");

    dialog.OnCalculate();

    EXPECT_TRUE(messages.Messages.empty());
    const std::filesystem::path picture = folder.Path() / "temp" / "picture.jpg";
    EXPECT_TRUE(std::filesystem::exists(picture));
    // The report names its picture beside itself, whatever the report folder.
    EXPECT_NE(workspace.BeamCalc.Report.find("<img src=\"picture.jpg\">"), std::string::npos);
    EXPECT_NE(workspace.BeamCalc.Report.find("45"), std::string::npos);
    EXPECT_TRUE(workspace.Beam.Calculated);
    EXPECT_EQ(view.Status[PanelStatus], "Статус - готов отчет");
    EXPECT_EQ(dialog.ShownPanel, DesignDialog::ResultPanel::Results);
    EXPECT_EQ(dialog.DialogWidth, 790);
    ASSERT_FALSE(dialog.ResultLines.empty());
    // 45 x 400 of type A passes every check (see the selection tests for the numbers).
    EXPECT_TRUE(workspace.BeamCalc.AllChecksPassed);
    EXPECT_EQ(workspace.BeamCalc.HeightMm, 400);
    EXPECT_EQ(workspace.BeamCalc.SpanCalcs.size(), 1u);

    workspace.Recalculate();
    EXPECT_EQ(dialog.DialogWidth, 330);
    EXPECT_EQ(dialog.ShownPanel, DesignDialog::ResultPanel::None);
    EXPECT_FALSE(workspace.Beam.Calculated);
}

TEST_F(DesignDialogTest, ReportPictureFailureEndsTheCalculationBeforeItsResults) {
    EnterSingleSpanBeam();
    // A file stands where the report folder should be: the picture cannot be written.
    WriteText(folder.Path() / "temp", "");
    dialog.MakeReportPicture = [](int32_t width, int32_t height) {
        return std::make_unique<testing::RecordingCanvas>(width, height);
    };
    dialog.OnCalculate();
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_NE(messages.Messages[0].find("picture.jpg"), std::string::npos);
    EXPECT_EQ(dialog.ShownPanel, DesignDialog::ResultPanel::None);
    EXPECT_EQ(dialog.DialogWidth, 330);
    EXPECT_FALSE(workspace.Beam.Calculated);
}

TEST_F(DesignDialogTest, SelectionAfterACalculationHidesTheResults) {
    EnterSingleSpanBeam();
    dialog.OnCalculate();
    ASSERT_TRUE(workspace.Beam.Calculated);
    dialog.cbDeflectionChange(4); // L/300

    dialog.OnSelect();

    EXPECT_FALSE(workspace.Beam.Calculated);
    EXPECT_EQ(view.Status[PanelStatus], "Статус - готов к расчету");
    EXPECT_EQ(dialog.ShownPanel, DesignDialog::ResultPanel::Selection);
    // Three heights: 30 * 3 + 48 is below the least panel width.
    EXPECT_EQ(dialog.SelectionPanelWidth, 500);
    EXPECT_EQ(dialog.DialogWidth, 838);
    // Without lp the stability of the narrow sizes fails: red where bending fails, else
    // yellow, and the unavailable size stays white.
    EXPECT_EQ(dialog.Chart.Codes[0][0], 1);
    EXPECT_EQ(dialog.Chart.Codes[1][2], 0);
}

TEST_F(DesignDialogTest, SelectionPanelGrowsWithTheCatalogueHeights) {
    EnterSingleSpanBeam();
    for (const char* height : {"220", "240", "260", "280", "320", "340", "360", "380", "420", "440",
                               "460", "480", "500", "520", "540", "560", "580"}) {
        workspace.Catalogue.AddHeight(height);
    }
    dialog.OnSelect();
    EXPECT_EQ(dialog.SelectionPanelWidth, 30 * 20 + 48);
    EXPECT_EQ(dialog.DialogWidth, 30 * 20 + 48 + 338);
}

TEST_F(DesignDialogTest, ReportButtonShowsTheReportAndClosesTheDialog) {
    int shown = 0;
    dialog.ShowReport = [&] { ++shown; };
    dialog.OnReport();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(dialogView.Closes, 1);
}

} // namespace
} // namespace balka

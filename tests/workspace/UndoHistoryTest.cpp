#include "editors/EditorBench.h"
#include "model/FileAccess.h"
#include "project/ProjectCommands.h"
#include "project/ProjectFile.h"
#include "project/TempFolder.h"
#include "workspace/ProjectSnapshot.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace balka {
namespace {

class UndoHistoryTest : public EditorBench {
  protected:
    void SetUp() override {
        EditorBench::SetUp();
        // As at the program's start, the material list is filled, so the chosen type is one.
        workspace.Design.Materials = {"Dravolit A"};
    }

    // The project as its file would hold it, byte for byte.
    std::string FileText() {
        const auto path = folder.Path() / "snapshot.lvl";
        WriteProjectFile(path, CollectProject(workspace));
        return ReadWholeFile(path).value();
    }

    // One user action, and the file text it leaves.
    void Step(const std::string& name, const std::function<void()>& action) {
        action();
        names.push_back(name);
        texts.push_back(FileText());
    }

    TempFolder folder;
    std::vector<std::string> names;
    std::vector<std::string> texts;
};

TEST_F(UndoHistoryTest, MixedEditsGoBackAndForthToTheExactFileTextOfEveryStep) {
    texts.push_back(FileText());
    Step("добавление пролета", [&] { AddSpans({"4,2"}); });
    Step("добавление пролета", [&] { AddSpans({"3,6"}); });
    Step("добавление нагрузки", [&] { AddLoad(Whole("150")); });
    Step("добавление нагрузки", [&] { AddLoad(Point(2, "500", "1,5")); });
    Step("изменение опор", [&] { workspace.Geometry.cbLeftSupportChange(1); });
    Step("изменение параметров расчета", [&] { workspace.Design.cbClassExpChange(2); });
    Step("изменение параметров расчета", [&] { workspace.Design.cbAntipirenClick(true); });
    Step("удаление нагрузки", [&] {
        workspace.Loads.SelectedRow = 1;
        workspace.Loads.bDeleteClick();
    });
    Step("удаление пролета", [&] {
        workspace.Geometry.SelectedRow = 1;
        workspace.Geometry.bDeleteClick();
    });

    for (size_t step = names.size(); step > 0; --step) {
        ASSERT_TRUE(workspace.History.CanUndo());
        EXPECT_EQ(workspace.History.UndoAction(), names[step - 1]);
        workspace.Undo();
        EXPECT_EQ(FileText(), texts[step - 1]) << "after undoing step " << step;
    }
    EXPECT_FALSE(workspace.History.CanUndo());
    for (size_t step = 0; step < names.size(); ++step) {
        ASSERT_TRUE(workspace.History.CanRedo());
        EXPECT_EQ(workspace.History.RedoAction(), names[step]);
        workspace.Redo();
        EXPECT_EQ(FileText(), texts[step + 1]) << "after redoing step " << step + 1;
    }
    EXPECT_FALSE(workspace.History.CanRedo());
}

TEST_F(UndoHistoryTest, UndoRestoresTheEditorsTablesAndRecalculates) {
    AddSpans({"4,2", "3,6"});
    AddLoad(Whole("150"));
    const TextTable spans = workspace.Geometry.Grid;
    const TextTable loads = workspace.Loads.Grid;
    workspace.Geometry.SelectedRow = 2;
    workspace.Geometry.bDeleteClick();
    ASSERT_EQ(workspace.Beam.SpanCount, 1);

    const int before = Recalculations();
    workspace.Undo();
    EXPECT_EQ(workspace.Beam.SpanCount, 2);
    EXPECT_TRUE(SameRows(workspace.Geometry.Grid, spans, 2));
    EXPECT_TRUE(SameRows(workspace.Loads.Grid, loads, 1));
    EXPECT_EQ(Recalculations(), before + 1);
    EXPECT_EQ(workspace.Beam.TotalLength, 7800);
}

TEST_F(UndoHistoryTest, NewChangeAfterUndoDropsTheRedo) {
    AddSpans({"4,2", "3,6"});
    workspace.Undo();
    ASSERT_TRUE(workspace.History.CanRedo());
    AddSpans({"5"});
    EXPECT_FALSE(workspace.History.CanRedo());
    EXPECT_EQ(workspace.History.UndoAction(), "добавление пролета");
}

TEST_F(UndoHistoryTest, LettersTypedIntoOneBoxAreOneStep) {
    workspace.Design.edTempChange("4");
    workspace.Design.edTempChange("45");
    workspace.Design.edKfChange("1");
    workspace.Undo();
    EXPECT_EQ(workspace.Design.Settings.Temp, "45");
    workspace.Undo();
    EXPECT_EQ(workspace.Design.Settings.Temp, "40");
    EXPECT_FALSE(workspace.History.CanUndo());
}

TEST_F(UndoHistoryTest, NewProjectStartsAFreshHistory) {
    AddSpans({"4,2"});
    workspace.NewProject();
    EXPECT_FALSE(workspace.History.CanUndo());
    EXPECT_FALSE(workspace.IsModified());
}

TEST(UndoHistoryCapacityTest, KeepsTheNewestStepsUpToItsCapacity) {
    UndoHistory history;
    for (int i = 0; i < 250; ++i) {
        ProjectData before;
        ProjectData after;
        before.Angle = std::to_string(i);
        after.Angle = std::to_string(i + 1);
        history.Record(UndoStep{"изменение угла наклона", {}, before, after});
    }
    int undone = 0;
    std::string oldest;
    while (history.CanUndo()) {
        oldest = history.Undo().Angle;
        ++undone;
    }
    EXPECT_EQ(undone, static_cast<int>(UndoHistory::Capacity));
    EXPECT_EQ(oldest, "50");
}

TEST_F(UndoHistoryTest, CaptionStarFollowsTheDifferenceFromTheSavedFile) {
    AddSpans({"4,2"});
    SaveProjectAs(workspace, (folder.Path() / "Балка.lvl").string());
    EXPECT_EQ(view.Caption, "Драволит-Балка - Балка.lvl");
    workspace.Design.cbClassRespChange(0);
    EXPECT_EQ(view.Caption, "Драволит-Балка - Балка.lvl*");
    workspace.Undo();
    EXPECT_EQ(view.Caption, "Драволит-Балка - Балка.lvl");
    EXPECT_FALSE(workspace.IsModified());
}

TEST_F(UndoHistoryTest, DeleteWithNoRowSelectedDeletesNothing) {
    AddSpans({"4,2", "3,6"});
    AddLoad(Whole("150"));
    workspace.Geometry.SelectedRow = 0;
    workspace.Loads.SelectedRow = 0;
    const int before = Recalculations();
    workspace.Geometry.bDeleteClick();
    workspace.Loads.bDeleteClick();
    workspace.Holes.bDeleteClick(0);
    EXPECT_EQ(workspace.Beam.SpanCount, 2);
    EXPECT_EQ(workspace.Beam.LoadCount, 1);
    EXPECT_EQ(Recalculations(), before);
    EXPECT_EQ(workspace.History.UndoAction(), "добавление нагрузки");
}

// The question about unsaved changes, answered each way.
class UnsavedQuestionTest : public UndoHistoryTest {
  protected:
    UnsavedQuestion Answer(UnsavedAnswer answer, std::string path = {}) {
        return UnsavedQuestion{[this, answer](const std::string& question) {
                                   questions.push_back(question);
                                   return answer;
                               },
                               [this, path] {
                                   ++pathsAsked;
                                   return path;
                               }};
    }

    std::vector<std::string> questions;
    int pathsAsked = 0;
};

TEST_F(UnsavedQuestionTest, NothingUnsavedAsksNothing) {
    EXPECT_TRUE(MayDropProject(workspace, Answer(UnsavedAnswer::Cancel)));
    EXPECT_TRUE(questions.empty());
}

TEST_F(UnsavedQuestionTest, DontSaveDropsTheWork) {
    AddSpans({"4,2"});
    EXPECT_TRUE(MayDropProject(workspace, Answer(UnsavedAnswer::DontSave)));
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0], "Сохранить изменения в проекте «Без имени»?");
}

TEST_F(UnsavedQuestionTest, CancelKeepsTheWork) {
    AddSpans({"4,2"});
    EXPECT_FALSE(MayDropProject(workspace, Answer(UnsavedAnswer::Cancel)));
    EXPECT_EQ(pathsAsked, 0);
}

TEST_F(UnsavedQuestionTest, SaveWritesANamedProjectUnderItsName) {
    const auto path = folder.Path() / "Перекрытие.lvl";
    AddSpans({"4,2"});
    SaveProjectAs(workspace, path.string());
    AddSpans({"3,6"});
    EXPECT_TRUE(MayDropProject(workspace, Answer(UnsavedAnswer::Save)));
    EXPECT_EQ(questions.at(0), "Сохранить изменения в проекте «Перекрытие.lvl»?");
    EXPECT_EQ(pathsAsked, 0);
    EXPECT_EQ(ReadProjectFile(path).Data.SpanCount, 2);
    EXPECT_FALSE(workspace.IsModified());
}

TEST_F(UnsavedQuestionTest, SaveOfAnUnnamedProjectGoesThroughSaveAs) {
    AddSpans({"4,2"});
    EXPECT_FALSE(MayDropProject(workspace, Answer(UnsavedAnswer::Save)));
    EXPECT_EQ(pathsAsked, 1);

    const auto path = folder.Path() / "Новая.lvl";
    EXPECT_TRUE(MayDropProject(workspace, Answer(UnsavedAnswer::Save, path.string())));
    EXPECT_EQ(ReadProjectFile(path).Data.SpanCount, 1);
    EXPECT_EQ(workspace.Beam.FileName, "Новая.lvl");
}

} // namespace
} // namespace balka

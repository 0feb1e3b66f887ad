#include "refdata/CatalogueEditor.h"

#include "refdata/RefdataFixture.h"
#include "support/RecordingEditorView.h"

#include <ostream>

namespace balka {
namespace {

using refdata_test::RefdataFixture;
using Messages = std::vector<std::string>;
using Change = CatalogueEditor::Change;

const std::string LoadFailure = "Произошли ошибки при загрузке сортамента. Проверьте наличие в "
                                "одной директории с программой файла ''sortament.txt''.";

// The message names the file and what is wrong in it.
std::string LoadFailureIn(const std::filesystem::path& file, const std::string& fault) {
    return LoadFailure + " Файл \"" + file.string() + "\", " + fault + ".";
}
const std::string Sample = "3(40,51,63)\r\n4(200,240,300,360)\r\n1122\r\n1112\r\n1111\r\n";

class CatalogueEditorTest : public RefdataFixture {
  protected:
    std::filesystem::path File() const { return folder / "sortament.txt"; }
    // An editor over `text`, loaded, recording its notices.
    CatalogueEditor& Loaded(const std::string& text) {
        WriteBytes(File(), text);
        return Fresh();
    }
    CatalogueEditor& Fresh() {
        editor = std::make_unique<CatalogueEditor>(File(), sink);
        editor->OnChanged = [this](Change change) { changes.push_back(change); };
        editor->AttachView(&view);
        editor->LoadCatalogue();
        return *editor;
    }
    std::string FileText() const { return ReadBytes(File()); }

    std::unique_ptr<CatalogueEditor> editor;
    std::vector<Change> changes;
    RecordingEditorView view;
};

TEST_F(CatalogueEditorTest, LoadFillsTheGrid) {
    const CatalogueEditor& e = Loaded(Sample);
    EXPECT_TRUE(sink.Messages.empty());
    const TextTable& grid = e.Grid();
    EXPECT_EQ(grid.ColumnCount(), 5);
    EXPECT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.Cell(1, 0), "200");
    EXPECT_EQ(grid.Cell(4, 0), "360");
    EXPECT_EQ(grid.Cell(0, 2), "51");
    EXPECT_EQ(grid.Cell(3, 1), "2");
    EXPECT_EQ(grid.Cell(2, 3), "1");
    EXPECT_EQ(e.WidthTexts(), (Messages{"40", "51", "63"}));
    EXPECT_EQ(e.HeightTexts(), (Messages{"200", "240", "300", "360"}));
}

TEST_F(CatalogueEditorTest, ReadsAFileWithAByteOrderMarkAndBareLineFeeds) {
    const CatalogueEditor& e = Loaded("\xEF\xBB\xBF"
                                      "1(40)\n2(200,240)\n12\n");
    EXPECT_TRUE(sink.Messages.empty());
    EXPECT_TRUE(e.IsAvailable("40", "200"));
    EXPECT_FALSE(e.IsAvailable("40", "240"));
}

TEST_F(CatalogueEditorTest, MissingFileGivesItsMessageAndAnEmptyCatalogue) {
    const CatalogueEditor& e = Fresh();
    EXPECT_EQ(sink.Messages, Messages{LoadFailureIn(File(), "файл не удалось прочитать")});
    EXPECT_EQ(e.Grid().RowCount(), 2);
    EXPECT_EQ(e.Grid().ColumnCount(), 2);
    EXPECT_EQ(e.Grid().Cell(0, 1), "");
    EXPECT_TRUE(e.WidthTexts().empty());
    EXPECT_TRUE(e.HeightTexts().empty());
    EXPECT_FALSE(std::filesystem::exists(File()));
}

TEST_F(CatalogueEditorTest, MalformedFileGivesItsMessageAndAnEmptyCatalogue) {
    const CatalogueEditor& e = Loaded("3(40,51,63)\r\n4(200,240,300,360)\r\n1122\r\n11\r\n");
    EXPECT_EQ(sink.Messages,
              Messages{LoadFailureIn(File(), "строка 4: меньше отметок, чем высот в списке")});
    EXPECT_TRUE(e.Catalogue().Widths.empty());
    EXPECT_EQ(e.Grid().RowCount(), 2);
}

TEST_F(CatalogueEditorTest, AddWidthInsertsANotAvailableLineAtItsPlace) {
    CatalogueEditor& e = Loaded(Sample);
    e.AddWidth("45");
    EXPECT_TRUE(sink.Messages.empty());
    EXPECT_EQ(FileText(),
              "4(40,45,51,63)\r\n4(200,240,300,360)\r\n1122\r\n2222\r\n1112\r\n1111\r\n");
    EXPECT_EQ(e.Grid().Cell(0, 2), "45");
    EXPECT_EQ(e.Grid().Cell(1, 2), "2");
    EXPECT_EQ(changes, std::vector<Change>{Change::SizeLists});
}

TEST_F(CatalogueEditorTest, PastedFractionAddsItsWholePart) {
    CatalogueEditor& e = Loaded(Sample);
    e.AddWidth("45,7");
    EXPECT_TRUE(sink.Messages.empty());
    EXPECT_EQ(e.WidthTexts(), (Messages{"40", "45", "51", "63"}));
}

TEST_F(CatalogueEditorTest, AddHeightAboveAllAppendsANotAvailableMarkToEveryLine) {
    CatalogueEditor& e = Loaded(Sample);
    e.AddHeight("400");
    EXPECT_EQ(FileText(), "3(40,51,63)\r\n5(200,240,300,360,400)\r\n11222\r\n11122\r\n11112\r\n");
    EXPECT_EQ(e.Grid().ColumnCount(), 6);
    EXPECT_EQ(changes, std::vector<Change>{Change::SizeLists});
}

TEST_F(CatalogueEditorTest, AddHeightBetweenInsertsTheMarkAtItsPlace) {
    Loaded(Sample).AddHeight("220");
    EXPECT_EQ(FileText(), "3(40,51,63)\r\n5(200,220,240,300,360)\r\n12122\r\n12112\r\n12111\r\n");
}

TEST_F(CatalogueEditorTest, EmptyCatalogueGrowsWithExactlyOneLinePerWidth) {
    CatalogueEditor& e = Fresh();
    sink.Messages.clear();
    e.AddWidth("45");
    EXPECT_EQ(FileText(), "1(45)\r\n0()\r\n0\r\n");
    e.AddHeight("200");
    EXPECT_EQ(FileText(), "1(45)\r\n1(200)\r\n2\r\n");
    e.AddWidth("39");
    EXPECT_EQ(FileText(), "2(39,45)\r\n1(200)\r\n2\r\n2\r\n");
    EXPECT_TRUE(sink.Messages.empty());
    EXPECT_EQ(e.Grid().RowCount(), 3);
    EXPECT_EQ(e.Grid().Cell(0, 1), "39");
}

TEST_F(CatalogueEditorTest, DeleteRowLeavesTheWidthsLineOut) {
    CatalogueEditor& e = Loaded(Sample);
    e.DeleteRow(2);
    EXPECT_EQ(FileText(), "2(40,63)\r\n4(200,240,300,360)\r\n1122\r\n1111\r\n");
    EXPECT_EQ(changes, std::vector<Change>{Change::SizeLists});
}

TEST_F(CatalogueEditorTest, DeletingTheLastWidthWritesAnEmptyList) {
    CatalogueEditor& e = Loaded("1(40)\r\n2(200,240)\r\n12\r\n");
    e.DeleteRow(1);
    EXPECT_EQ(FileText(), "0()\r\n2(200,240)\r\n");
    EXPECT_EQ(e.Grid().RowCount(), 2);
    EXPECT_EQ(e.Grid().Cell(0, 1), "");
    EXPECT_EQ(e.Grid().Cell(1, 0), "200");
}

TEST_F(CatalogueEditorTest, DeleteColumnLeavesTheHeightsMarkOut) {
    CatalogueEditor& e = Loaded(Sample);
    e.DeleteColumn(3);
    EXPECT_EQ(FileText(), "3(40,51,63)\r\n3(200,240,360)\r\n112\r\n112\r\n111\r\n");
    e.DeleteColumn(1);
    e.DeleteColumn(1);
    e.DeleteColumn(1);
    EXPECT_EQ(FileText(), "3(40,51,63)\r\n0()\r\n0\r\n0\r\n0\r\n");
    EXPECT_EQ(changes.size(), 4u);
}

TEST_F(CatalogueEditorTest, DeletingFromAnEmptyListRemovesNothing) {
    CatalogueEditor& e = Loaded("0()\r\n1(200)\r\n");
    e.DeleteRow(1);
    e.DeleteColumn(2);
    EXPECT_EQ(FileText(), "0()\r\n1(200)\r\n");
    EXPECT_EQ(e.HeightTexts(), Messages{"200"});
    EXPECT_TRUE(sink.Messages.empty());
}

TEST_F(CatalogueEditorTest, DeletingFromTheEmptyCatalogueOfADamagedFileLeavesTheFileForRepair) {
    const std::string damaged = "3(40,51,63)\r\n4(200,240)\r\n";
    CatalogueEditor& e = Loaded(damaged);
    e.DeleteRow(1);
    e.DeleteColumn(1);
    EXPECT_EQ(FileText(), damaged);
    EXPECT_EQ(sink.Messages,
              Messages{LoadFailureIn(
                  File(), "строка 2: количество размеров 4 не совпадает со списком (2)")});
}

TEST_F(CatalogueEditorTest, ToggleSizeSwapsTheMarkInGridAndFile) {
    CatalogueEditor& e = Loaded(Sample);
    EXPECT_FALSE(e.IsAvailable("40", "300"));
    e.ToggleSize(3, 1);
    EXPECT_TRUE(e.IsAvailable("40", "300"));
    EXPECT_EQ(e.Grid().Cell(3, 1), "1");
    EXPECT_EQ(FileText(), "3(40,51,63)\r\n4(200,240,300,360)\r\n1112\r\n1112\r\n1111\r\n");
    e.ToggleSize(1, 3);
    EXPECT_EQ(FileText(), "3(40,51,63)\r\n4(200,240,300,360)\r\n1112\r\n1112\r\n2111\r\n");
    EXPECT_EQ(changes, (std::vector<Change>{Change::Availability, Change::Availability}));
    EXPECT_EQ(view.Focus, (Messages{"bOK", "bOK"}));
    EXPECT_EQ(view.Refreshes, 3); // the reading and the two toggles
    EXPECT_TRUE(sink.Messages.empty());
}

TEST_F(CatalogueEditorTest, ToggleSizeLeavesHeadersAndEmptyEntriesAlone) {
    CatalogueEditor& e = Loaded("1(40)\r\n2(200,240)\r\n10\r\n");
    e.ToggleSize(2, 1);
    e.ToggleSize(0, 1);
    e.ToggleSize(1, 0);
    e.ToggleSize(3, 1);
    EXPECT_EQ(e.Grid().Cell(2, 1), "0");
    EXPECT_EQ(FileText(), "1(40)\r\n2(200,240)\r\n10\r\n");
    EXPECT_TRUE(changes.empty());
}

TEST_F(CatalogueEditorTest, ToggleSizeWithoutItsFileKeepsTheMarkAndSaysSo) {
    CatalogueEditor& e = Loaded(Sample);
    std::filesystem::remove(File());
    e.ToggleSize(4, 1);
    EXPECT_EQ(sink.Messages, Messages{"Изменения не были внесены в файл ''sortament.txt'', так "
                                      "как он отсутсвует."});
    EXPECT_EQ(e.Grid().Cell(4, 1), "1");
    EXPECT_FALSE(std::filesystem::exists(File()));
    EXPECT_EQ(changes, std::vector<Change>{Change::Availability});
}

struct RefusalCase {
    const char* name;
    bool heightBox;
    const char* typed;
    const char* message;
    bool focusesTheBox;
};

void PrintTo(const RefusalCase& c, std::ostream* out) {
    *out << c.name;
}

class CatalogueRefusalTest : public CatalogueEditorTest,
                             public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(CatalogueRefusalTest, ChangesNothing) {
    const RefusalCase& c = GetParam();
    CatalogueEditor& e = Loaded(Sample);
    if (c.heightBox) {
        e.AddHeight(c.typed);
    } else {
        e.AddWidth(c.typed);
    }
    EXPECT_EQ(sink.Messages, Messages{c.message});
    EXPECT_EQ(FileText(), Sample);
    EXPECT_EQ(e.WidthTexts().size(), 3u);
    EXPECT_TRUE(changes.empty());
    const std::string box = c.heightBox ? "edHeight" : "edWidth";
    EXPECT_EQ(view.Focus, c.focusesTheBox ? Messages{box} : Messages{});
    EXPECT_EQ(view.Refreshes, 1); // the reading only
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, CatalogueRefusalTest,
    ::testing::Values(
        RefusalCase{"EmptyWidth", false, "", "Укажите значение добавляемой толщины.", true},
        RefusalCase{"WidthNoNumber", false, "4x", "Указанное значение не является числом.", true},
        RefusalCase{"WidthBeyondWholeNumbers", false, "3000000000",
                    "Указанное значение не является числом.", true},
        RefusalCase{"ZeroWidth", false, "0", "Значение толщины должно быть больше нуля.", true},
        RefusalCase{"WidthTruncatedToZero", false, "0,9",
                    "Значение толщины должно быть больше нуля.", true},
        RefusalCase{"DuplicateWidth", false, "51", "Такое значение толщины уже есть в сортаменте.",
                    false},
        RefusalCase{"DuplicateWidthWithFraction", false, "51,5",
                    "Такое значение толщины уже есть в сортаменте.", false},
        RefusalCase{"EmptyHeight", true, "", "Укажите значение добавляемой высоты.", true},
        RefusalCase{"HeightNoNumber", true, "x", "Указанное значение не является числом.", true},
        RefusalCase{"ZeroHeight", true, "0", "Значение высоты должно быть больше нуля.", true},
        RefusalCase{"DuplicateHeight", true, "240", "Такое значение высоты уже есть в сортаменте.",
                    false}),
    [](const ::testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

TEST_F(CatalogueEditorTest, FailedWriteShowsItsMessageAndChangesNothing) {
    CatalogueEditor& e = Loaded(Sample);
    std::filesystem::remove(File());
    std::filesystem::create_directory(File()); // a folder where the file should be
    e.AddWidth("45");
    ASSERT_EQ(sink.Messages.size(), 1u);
    EXPECT_EQ(sink.Messages[0], "Не удалось записать файл \"" + File().string() + "\".");
    EXPECT_EQ(e.WidthTexts().size(), 3u);
    EXPECT_TRUE(changes.empty());
}

TEST_F(CatalogueEditorTest, AvailabilityComparesTheTextsExactly) {
    const CatalogueEditor& e = Loaded(Sample);
    EXPECT_TRUE(e.IsAvailable("51", "300"));
    EXPECT_FALSE(e.IsAvailable("51", "0300"));
    EXPECT_FALSE(e.IsAvailable("52", "300"));
    EXPECT_FALSE(e.IsAvailable("", ""));
}

TEST_F(CatalogueEditorTest, GridAndWindowAdaptToTheCatalogue) {
    const CatalogueEditor::Geometry small = Loaded(Sample).Sizes();
    EXPECT_EQ(small.GridHeight, 184);
    EXPECT_EQ(small.GridWidth, 394);
    EXPECT_EQ(small.WindowWidth, 418);
    EXPECT_EQ(small.WindowHeight, 329);
    // 10 widths and 12 heights: 22 + 18 * 10 high, 43 + 39 * 12 wide.
    std::string text = "10(1,2,3,4,5,6,7,8,9,10)\r\n12(1,2,3,4,5,6,7,8,9,10,11,12)\r\n";
    for (int j = 0; j < 10; ++j) {
        text += "111111111111\r\n";
    }
    const CatalogueEditor::Geometry large = Loaded(text).Sizes();
    EXPECT_EQ(large.GridHeight, 202);
    EXPECT_EQ(large.GridWidth, 511);
    EXPECT_EQ(large.WindowWidth, 535);
    EXPECT_EQ(large.WindowHeight, 347);
}

} // namespace
} // namespace balka

#include "refdata/MaterialEditor.h"

#include "model/ConversionError.h"
#include "model/NumericKeyFilter.h"
#include "refdata/RefdataFixture.h"
#include "support/RecordingEditorView.h"

#include <ostream>

namespace balka {
namespace {

using refdata_test::RefdataFixture;
using Messages = std::vector<std::string>;

const std::filesystem::path DataFolder = std::filesystem::path(BALKA_TEST_DATA) / "refdata";
const std::string LoadFailure = "Возникли ошибки при загрузке данных из файла ''material.txt''.";
// "Своя" in Windows-1251.
const std::string OwnNameCp1251 = "\xD1\xE2\xEE\xFF";

class MaterialEditorTest : public RefdataFixture {
  protected:
    std::filesystem::path File() const { return folder / "material.txt"; }
    // An editor over a copy of a fixture file, already loaded.
    MaterialEditor LoadedCopy(const char* fixture) {
        std::filesystem::copy_file(DataFolder / fixture, File());
        MaterialEditor editor(File(), sink);
        editor.LoadMaterials();
        return editor;
    }
    static std::vector<std::string> Row(const MaterialEditor& editor, int row) {
        const TextTable& t = editor.Table();
        return {t.Cell(0, row), t.Cell(1, row), t.Cell(2, row), t.Cell(3, row)};
    }
};

TEST_F(MaterialEditorTest, BeforeReadingShowsHeadersAndDefaultNames) {
    MaterialEditor editor(File(), sink);
    EXPECT_EQ(Row(editor, 0), (Messages{"", "Rиз, МПа", "Rск, МПа", "Е, МПа"}));
    EXPECT_EQ(Row(editor, 1), (Messages{"A", "", "", ""}));
    EXPECT_EQ(Row(editor, 4), (Messages{"Custom", "", "", ""}));
    EXPECT_EQ(editor.Table().RowCount(), 5);
}

TEST_F(MaterialEditorTest, ReadsWindows1251FileWithEitherSeparator) {
    MaterialEditor editor = LoadedCopy("material_cp1251.txt");
    EXPECT_TRUE(sink.Messages.empty());
    EXPECT_EQ(Row(editor, 1), (Messages{"A", "32", "3", "14000"}));
    EXPECT_EQ(Row(editor, 2), (Messages{"B", "28", "2,5", "12000"}));
    EXPECT_EQ(Row(editor, 4), (Messages{"Своя", "12,5", "1,5", "9000"}));
    EXPECT_EQ(editor.Name(3), "Своя");
    const TMaterialValues own = editor.Values(3);
    EXPECT_FLOAT_EQ(own.BendingStrength, 12.5f);
    EXPECT_FLOAT_EQ(own.ShearStrength, 1.5f);
    EXPECT_FLOAT_EQ(own.Modulus, 9000.0f);
}

TEST_F(MaterialEditorTest, ReadsTheSameNumbersUnderAFullStopLocale) {
    SetDecimalSeparator('.');
    MaterialEditor editor = LoadedCopy("material_cp1251.txt");
    EXPECT_TRUE(sink.Messages.empty());
    EXPECT_EQ(Row(editor, 4), (Messages{"Своя", "12.5", "1.5", "9000"}));
    EXPECT_FLOAT_EQ(editor.Values(3).BendingStrength, 12.5f);
    EXPECT_FLOAT_EQ(editor.Values(1).ShearStrength, 2.5f);
}

TEST_F(MaterialEditorTest, ReadsUtf8WithByteOrderMarkAndIgnoresAFourthField) {
    MaterialEditor editor = LoadedCopy("material_utf8_bom.txt");
    EXPECT_TRUE(sink.Messages.empty());
    EXPECT_EQ(Row(editor, 1), (Messages{"A", "32", "3", "14000"}));
    EXPECT_EQ(Row(editor, 4), (Messages{"Ель", "12", "1", "9000"}));
}

TEST_F(MaterialEditorTest, MissingFileGivesItsMessageAndKeepsTheDefaults) {
    MaterialEditor editor(File(), sink);
    editor.LoadMaterials();
    EXPECT_EQ(sink.Messages, Messages{LoadFailure + " Файл \"" + File().string() +
                                      "\", файл не удалось прочитать."});
    EXPECT_EQ(Row(editor, 1), (Messages{"A", "", "", ""}));
    EXPECT_EQ(Row(editor, 4), (Messages{"Custom", "", "", ""}));
    EXPECT_THROW(editor.Values(0), ConversionError);
}

struct MalformedCase {
    const char* name;
    const char* text;
    // Rows 1 and 2 after the failed reading: the cells filled before the fault keep their texts.
    std::vector<std::string> row1;
    std::vector<std::string> row2;
    // What the message says is wrong, after the file's name.
    const char* fault;
};

void PrintTo(const MalformedCase& c, std::ostream* out) {
    *out << c.name;
}

class MaterialMalformedTest : public MaterialEditorTest,
                              public ::testing::WithParamInterface<MalformedCase> {};

TEST_P(MaterialMalformedTest, StopsAtTheFaultWithOneMessage) {
    const MalformedCase& c = GetParam();
    WriteBytes(File(), c.text);
    MaterialEditor editor(File(), sink);
    editor.LoadMaterials();
    EXPECT_EQ(sink.Messages,
              Messages{LoadFailure + " Файл \"" + File().string() + "\", " + c.fault + "."});
    EXPECT_EQ(Row(editor, 1), c.row1);
    EXPECT_EQ(Row(editor, 2), c.row2);
}

INSTANTIATE_TEST_SUITE_P(
    Files, MaterialMalformedTest,
    ::testing::Values(MalformedCase{"SevenLines",
                                    "P\r\n1;2;3\r\nQ\r\n4;5;6\r\nR\r\n7;8;9\r\nS\r\n",
                                    {"A", "", "", ""},
                                    {"B", "", "", ""},
                                    "строка 8: строки нет (нужно 8 строк)"},
                      MalformedCase{"LettersInSecondRow",
                                    "P\r\n1;2;3\r\nQ\r\n4;x;6\r\nR\r\n7;8;9\r\nS\r\n1;1;1\r\n",
                                    {"P", "1", "2", "3"},
                                    {"Q", "4", "", ""},
                                    "строка 4: значение \"x\" не является числом"},
                      MalformedCase{"TwoFieldsOnly",
                                    "P\r\n1;2\r\nQ\r\n4;5;6\r\nR\r\n7;8;9\r\nS\r\n1;1;1\r\n",
                                    {"P", "1", "", ""},
                                    {"B", "", "", ""},
                                    "строка 2: меньше трех значений через точку с запятой"},
                      MalformedCase{"ZeroModulus",
                                    "P\r\n1;2;0\r\nQ\r\n4;5;6\r\nR\r\n7;8;9\r\nS\r\n1;1;1\r\n",
                                    {"P", "1", "2", ""},
                                    {"B", "", "", ""},
                                    "строка 2: значение 0 недопустимо: характеристика материала "
                                    "должна быть больше 0 и не больше 1000000 МПа"},
                      MalformedCase{"NegativeStrength",
                                    "P\r\n1;2;3\r\nQ\r\n-4;5;6\r\nR\r\n7;8;9\r\nS\r\n1;1;1\r\n",
                                    {"P", "1", "2", "3"},
                                    {"Q", "", "", ""},
                                    "строка 4: значение -4 недопустимо: характеристика материала "
                                    "должна быть больше 0 и не больше 1000000 МПа"},
                      MalformedCase{"EmptyField",
                                    "P\r\n1;;3\r\nQ\r\n4;5;6\r\nR\r\n7;8;9\r\nS\r\n1;1;1\r\n",
                                    {"P", "1", "", ""},
                                    {"B", "", "", ""},
                                    "строка 2: значение \"\" не является числом"},
                      MalformedCase{"ModulusOf1e30",
                                    "P\r\n1;2;1e30\r\nQ\r\n4;5;6\r\nR\r\n7;8;9\r\nS\r\n1;1;1\r\n",
                                    {"P", "1", "2", ""},
                                    {"B", "", "", ""},
                                    "строка 2: значение 1e30 недопустимо: характеристика материала "
                                    "должна быть больше 0 и не больше 1000000 МПа"}),
    [](const ::testing::TestParamInfo<MalformedCase>& info) { return info.param.name; });

TEST_F(MaterialEditorTest, AcceptedEditIsInTheFileAtOnce) {
    MaterialEditor editor = LoadedCopy("material_cp1251.txt");
    RecordingEditorView view;
    editor.AttachView(&view);
    EXPECT_EQ(editor.GridEditCellDone(2, 4, "1,8"), MaterialEditor::EditResult::Accepted);
    EXPECT_TRUE(sink.Messages.empty());
    EXPECT_EQ(view.Refreshes, 1);
    EXPECT_EQ(editor.Table().Cell(2, 4), "1,8");
    // The values of every row are the cells' texts, so the comma is written where it was shown.
    const std::string expected = "A\r\n32;3;14000\r\n"
                                 "B\r\n28;2,5;12000\r\n"
                                 "C\r\n25;2;10000\r\n" +
                                 OwnNameCp1251 + "\r\n12,5;1,8;9000\r\n";
    EXPECT_EQ(ReadBytes(File()), expected);
}

TEST_F(MaterialEditorTest, AcceptedEditOfAMissingFileWritesAllEightLines) {
    MaterialEditor editor(File(), sink);
    editor.LoadMaterials();
    sink.Messages.clear();
    EXPECT_EQ(editor.GridEditCellDone(3, 1, "14000"), MaterialEditor::EditResult::Accepted);
    EXPECT_EQ(ReadBytes(File()), "A\r\n;;14000\r\nB\r\n;;\r\nC\r\n;;\r\nCustom\r\n;;\r\n");
}

struct RefusalCase {
    const char* name;
    char separator;
    const char* typed;
    const char* message;
};

void PrintTo(const RefusalCase& c, std::ostream* out) {
    *out << c.name;
}

class MaterialRefusalTest : public MaterialEditorTest,
                            public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(MaterialRefusalTest, PutsThePreviousTextBackAndMakesTheCellCurrent) {
    const RefusalCase& c = GetParam();
    SetDecimalSeparator(c.separator);
    MaterialEditor editor = LoadedCopy("material_cp1251.txt");
    const std::string before = ReadBytes(File());
    RecordingEditorView view;
    editor.AttachView(&view);

    EXPECT_EQ(editor.GridEditCellDone(1, 2, c.typed), MaterialEditor::EditResult::Refused);
    EXPECT_EQ(sink.Messages, Messages{c.message});
    EXPECT_EQ(editor.Table().Cell(1, 2), "28");
    EXPECT_EQ(view.Cells, (std::vector<std::pair<int, int>>{{1, 2}}));
    EXPECT_EQ(view.Refreshes, 0);
    EXPECT_EQ(ReadBytes(File()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, MaterialRefusalTest,
    ::testing::Values(
        RefusalCase{"Empty", ',', "",
                    "Ячейка не может быть пустой. Возвращено предыдущее значение."},
        RefusalCase{"FullStopUnderComma", ',', "12.5",
                    "Введенное значение не является числом. Возвращено предыдущее значение."},
        RefusalCase{"TwoSeparators", '.', "1.2.3",
                    "Введенное значение не является числом. Возвращено предыдущее значение."},
        RefusalCase{"Zero", ',', "0",
                    "Значение должно быть больше нуля. Возвращено предыдущее значение."},
        RefusalCase{"BelowTolerance", ',', "0,0004",
                    "Значение должно быть больше нуля. Возвращено предыдущее значение."}),
    [](const ::testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

TEST_F(MaterialEditorTest, UnchangedTextChangesAndWritesNothing) {
    MaterialEditor editor = LoadedCopy("material_cp1251.txt");
    std::filesystem::remove(File());
    EXPECT_EQ(editor.GridEditCellDone(1, 1, "32"), MaterialEditor::EditResult::Unchanged);
    EXPECT_TRUE(sink.Messages.empty());
    EXPECT_FALSE(std::filesystem::exists(File()));
}

TEST_F(MaterialEditorTest, OnlyValueCellsCanBeEdited) {
    EXPECT_TRUE(MaterialEditor::IsCellEditable(1, 1));
    EXPECT_TRUE(MaterialEditor::IsCellEditable(3, 4));
    EXPECT_FALSE(MaterialEditor::IsCellEditable(0, 1));
    EXPECT_FALSE(MaterialEditor::IsCellEditable(1, 0));
    EXPECT_FALSE(MaterialEditor::IsCellEditable(4, 1));
    EXPECT_FALSE(MaterialEditor::IsCellEditable(1, 5));
    MaterialEditor editor = LoadedCopy("material_cp1251.txt");
    EXPECT_EQ(editor.GridEditCellDone(0, 1, "Z"), MaterialEditor::EditResult::Unchanged);
    EXPECT_EQ(editor.Table().Cell(0, 1), "A");
}

TEST_F(MaterialEditorTest, CellKeysAreDigitsSeparatorsBackspaceAndEnter) {
    for (const char32_t key : {U'0', U'9', U',', U'.', KeyBackspace, KeyEnter}) {
        EXPECT_TRUE(MaterialEditor::AcceptsCellKey(key));
    }
    for (const char32_t key : {U'-', U'e', U' ', U'Б'}) {
        EXPECT_FALSE(MaterialEditor::AcceptsCellKey(key));
    }
}

TEST_F(MaterialEditorTest, FailedWriteShowsItsMessageAndKeepsTheAcceptedValue) {
    const std::filesystem::path unreachable = folder / "absent" / "material.txt";
    MaterialEditor editor(unreachable, sink);
    EXPECT_EQ(editor.GridEditCellDone(1, 1, "30"), MaterialEditor::EditResult::Accepted);
    EXPECT_EQ(sink.Messages,
              Messages{"Не удалось записать файл \"" + unreachable.string() + "\"."});
    EXPECT_EQ(editor.Table().Cell(1, 1), "30");
}

} // namespace
} // namespace balka

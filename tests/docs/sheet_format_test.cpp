#include "docs/sheet_format.h"
#include "sheet/sheet_globals.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <vector>

static void SetModel(int row, const char* name, const char* range, std::initializer_list<float> values)
{
    ModelRecord& m = Row(row);
    m.name = Str255(name);
    m.range = Str255(range);
    int c = kFirstParamColumn;
    for (float v : values) m.Param(c++) = v;
}

// A row's name and range, as "name|range".
static std::string Texts(int row)
{
    return Row(row).name.str() + "|" + Row(row).range.str();
}

TEST(SheetFormat, WritesNumbersRoundedAndTextsToReadBackTheSame)
{
    SheetGlobalsDefaults();
    SetModel(1, "W-165", "Woofer",
             {16.5f, 38.2f, 25.123f, 0.35f, 0.4f, 3.1f, 0.87f, 6.2f, 60, 132.7f, 4.5f, 59.72f, 0.45f});
    SetModel(2, "T25 \"Silk\"", "", {2.5f, 1200, 0.01f, 0.6f, 0.8f, 2.4f, 0.3f, 4.8f, 80, 7.1f, 0.3f, 0.21f, 0.05f});
    SetModel(3, "Odd, named\tone", " lead", {-3, 0, 1e-3f, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    SetModel(4, "\"quoted", "line\rbreak\nhere", {});
    SetModel(5, "Tab\tonly", "Blank at the end ", {});
    fNum = 1;
    EXPECT_EQ(SheetFileBytes(),
              "W-165,Woofer, 16.5, 38.2, 25.123, 0.35, 0.4, 3.1, 0.87, 6.2, 60, 132.7, 4.5, 59.72, 0.45\r");
    // Texts of every kind read back as they were; inner quotes need no quoting.
    fNum = 5;
    const std::string first = SheetFileBytes();
    SheetGlobalsDefaults();
    EXPECT_EQ(ReadSheetBytes(first).records, 5);
    EXPECT_EQ((std::vector{Texts(2), Texts(3), Texts(4), Texts(5)}),
              (std::vector<std::string>{"T25 \"Silk\"|", "Odd, named\tone| lead", "\"quoted|line\rbreak\nhere",
                                        "Tab\tonly|Blank at the end "}));
    EXPECT_EQ(SheetFileBytes(), first);
    EXPECT_NE(first.find("T25 \"Silk\","), std::string::npos); // ordinary texts are written as they are
    const float a = 0.0125f, b = 0.375f;                       // each column to its own decimals
    SetModel(1, "", "", {16.545f, b, a, -1.5f, a, a, a, a, b, b, b, b, 0.005f});
    fNum = 1;
    EXPECT_EQ(SheetFileBytes(),
              ",, 16.54, 0.38, 0.012,-1.5, 0.012, 0.012, 0.012, 0.012, 0.38, 0.38, 0.38, 0.38,5e-03\r");
}

// Values that rounding to the file's decimals cannot change (their scaled product is already whole in single precision)
// must not drift from save to save: they read back with the same bits.
TEST(SheetFormat, SavingAndReopeningIsStable)
{
    SheetGlobalsDefaults();
    for (float v : {1.71771003e+12f, 1e10f, -2.5e15f, 3.4e38f, 4294967296.0f, 16777216.0f, 1234567.8f, 123456.789f,
                    60.0f, -1.5f}) {
        SetModel(1, "", "", {v, v, v, v, v, v, v, v, v, v, v, v, v});
        fNum = 1;
        const std::string first = SheetFileBytes();
        ReadSheetBytes(first);
        for (int c = kFirstParamColumn; c <= kColLe; ++c)
            EXPECT_EQ(std::bit_cast<std::uint32_t>(Row(1).Param(c)), std::bit_cast<std::uint32_t>(v))
                << v << " " << first;
    }
    // Floats of every size and sign: what a save writes, a reopen and a second save write again; and from 2^24 up,
    // where every float is whole, the reopened sheet holds the very floats that were saved.
    std::mt19937 bits(20261206);
    for (int k = 0; k < 20000; ++k) {
        const std::uint32_t exponent = 100 + bits() % 154; // 2^-27 .. 2^126
        const float v = std::bit_cast<float>(static_cast<std::uint32_t>((bits() & 0x807FFFFFu) | (exponent << 23)));
        SetModel(1, "", "", {v, v, v, v, v, v, v, v, v, v, v, v, v});
        fNum = 1;
        ReadSheetBytes(SheetFileBytes());
        for (int c = kFirstParamColumn; c <= kColLe && std::fabs(v) >= 16777216.0f; ++c)
            ASSERT_EQ(Row(1).Param(c), v) << c;
        const std::string first = SheetFileBytes();
        ReadSheetBytes(first);
        ASSERT_EQ(SheetFileBytes(), first) << v;
    }
}

TEST(SheetFormat, ReaderIsAStreamOfFields)
{
    SheetGlobalsDefaults();
    // A record may span lines, an empty line is one empty field, and missing fields at the end read as 0.
    ReadSheetBytes("A,Woofer, 1, 2, 3\r 4, 5, 6, 7, 8, 9, 10, 11, 12, 13\rB,Tw\r\r 7\r");
    ASSERT_EQ(fNum, 2);
    EXPECT_EQ(std::tuple(Row(1).Param(kColLe), Texts(2), Row(1).entryNo, Row(2).entryNo),
              std::tuple(13.0f, "B|Tw", 1, 2));
    EXPECT_EQ(std::vector(Row(2).params, Row(2).params + kParamCount),
              (std::vector<float>{0, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    // Fields left on the last line are ignored; on any other line they begin the next record.
    ReadSheetBytes("A,,1,2,3,4,5,6,7,8,9,10,11,12,13,Extra,Stuff");
    EXPECT_EQ(fNum, 1);
    ReadSheetBytes("A,,1,2,3,4,5,6,7,8,9,10,11,12,13,B\rC\r");
    EXPECT_EQ(std::tuple(fNum, Texts(2)), std::tuple(2, "B|C"));
    // LF then CR are two line ends, with an empty line between.
    ReadSheetBytes("A\n\rB\r");
    EXPECT_EQ(std::tuple(Texts(1), Row(1).Param(kColDia)), std::tuple("A|", 0.0f));
    // Blanks around a field go, blanks inside stay; quotes hold separators.
    ReadSheetBytes("  \"My, name\" ,Woofer\t 16.5\t38.2x,abc,  ,1e1\n");
    EXPECT_EQ(Texts(1), "My, name|Woofer");
    EXPECT_EQ(std::vector(Row(1).params, Row(1).params + 5), (std::vector<float>{16.5f, 38.2f, 0, 0, 10}));
    ReadSheetBytes("Name  with blanks  ,R\r");
    EXPECT_EQ(Row(1).name, Str255("Name  with blanks  ")); // inner and trailing blanks stay
    ReadSheetBytes("\"unclosed, still one field\rB\r");
    EXPECT_EQ(Texts(1), "unclosed, still one field|B");
    ReadSheetBytes("\"ab\"\""); // a doubled quote at the very end is one quote of the text
    EXPECT_EQ(Row(1).name, Str255("ab\""));
    // A long line is read whole, its texts cut at 255 bytes.
    ReadSheetBytes(std::string(400, 'n') + ",Woofer, 16.5\r");
    EXPECT_EQ(std::tuple(Texts(1), Row(1).Param(kColDia)), std::tuple(std::string(255, 'n') + "|Woofer", 16.5f));
    // A quote looks 512 bytes ahead for its close (255 doubled quotes and
    // more): a longer quoted text runs to the end of its line.
    for (const auto& [inside, range] : {std::pair(511, "W"), std::pair(512, "")}) {
        ReadSheetBytes("\"" + std::string(std::size_t(inside), 'q') + "\",W\r");
        EXPECT_EQ(Texts(1), std::string(255, 'q') + "|" + range) << inside;
    }
}

TEST(SheetFormat, CsvHeaderIsSkippedOnRequest)
{
    SheetGlobalsDefaults();
    const std::string csv
        = std::string(kCsvHeaderLine) + "A,W, 1,0,0,0,0,0,0,0,0,0,0,0,0\rB,T, 2,0,0,0,0,0,0,0,0,0,0,0,0\r";
    EXPECT_EQ(ReadSheetBytes(csv, {.csvHeader = true}).records, 2);
    // The entry numbers stay ascending in row order.
    EXPECT_EQ(std::tuple(fNum, Texts(1), Row(2).Param(kColDia), Row(1).entryNo, Row(2).entryNo, Texts(3)),
              std::tuple(2, "A|W", 2.0f, 1, 2, "|"));
    EXPECT_EQ(std::pair(ReadSheetBytes(csv).records, Row(1).name),
              std::pair(3, Str255("Model Name"))); // a document's model
    // Only the first record can be the header.
    ReadSheetBytes("A,W,,,,,,,,,,,,,\r" + std::string(kCsvHeaderLine), {.csvHeader = true});
    EXPECT_EQ(std::tuple(fNum, Row(2).name.str()), std::tuple(2, "Model Name"));
    // What is exported imports as the same models.
    SetModel(1, "W-165", "Woofer",
             {16.5f, 38.2f, 25.123f, 0.35f, 0.4f, 3.1f, 0.87f, 6.2f, 60, 132.7f, 4.5f, 59.72f, 0.45f});
    fNum = 1;
    const std::string exported = CsvExportBytes();
    EXPECT_EQ(exported.substr(0, 28), "Model Name,Range,DIA(cm),FS(");
    const std::string body = SheetFileBytes();
    SheetGlobalsDefaults();
    ReadSheetBytes(exported, {.csvHeader = true});
    EXPECT_EQ(std::tuple(fNum, SheetFileBytes()), std::tuple(1, body));
    // An empty table is an empty file, or the header alone, and back.
    SheetGlobalsDefaults();
    EXPECT_EQ(std::tuple(SheetFileBytes(), CsvExportBytes()), std::tuple("", std::string(kCsvHeaderLine)));
    EXPECT_EQ(std::pair(ReadSheetBytes("").records, int(fNum)), std::pair(0, 0));
    EXPECT_EQ(std::pair(ReadSheetBytes(CsvExportBytes(), {.csvHeader = true}).records, int(fNum)), std::pair(0, 0));
}

TEST(FileNames, PassiveRadiatorListsExtensionsAndNames)
{
    // The blank after "Manufacturer" stays part of it.
    for (const auto& [text, list] : {std::pair("Manufacturer,Model\r", true),
                                     {"Manufacturer\tModel\r", true},
                                     {"Manufacturer ,Model\r", false},
                                     {"Model Name,Manufacturer\r", false},
                                     {"", false}})
        EXPECT_EQ(IsPassiveRadiatorList(text), list) << text;
    using Names = std::vector<std::string>;
    const auto each = [](auto f, Names in) {
        for (std::string& s : in) s = f(s);
        return in;
    };
    EXPECT_EQ(each(LastPathComponent, {"/home/u/drivers.spdata", "drivers.spdata", "/home/u/sheets/"}),
              (Names{"drivers.spdata", "drivers.spdata", "sheets"}));
    EXPECT_EQ(each(PathExtension, {"drivers.spdatasta", "README", ".hidden"}), (Names{"spdatasta", "", ""}));
    EXPECT_EQ(ReplaceSpdataExtension("drivers.spdata", "spdatasta"), "drivers.spdatasta");
    EXPECT_EQ(ReplaceSpdataExtension("drivers.SPData", "csv"), "drivers.csv");
    EXPECT_EQ(ReplaceSpdataExtension("notes.txt", "csv"), "notes.txt");
    EXPECT_EQ(
        each(ImportedDocumentName,
             {"drivers.csv", "notes.txt", "LIST.CSV", "notes.text", "HW-170.wdr", "speakers.XML"}),
        (Names{"drivers.spdata", "notes.spdata", "LIST.spdata", "notes.text", "HW-170.spdata", "speakers.spdata"}));
    EXPECT_EQ(each(FileKindExtension, {"/a.b/MINE.SPDATA", "/a.b/mine"}), (Names{"spdata", ""}));
    EXPECT_EQ(each(FolderOfPath, {"/home/u/a.spdata", "/a.spdata", "a.spdata"}), (Names{"/home/u", "/", ""}));
    EXPECT_EQ(WithExtension("/u/speakers", "spdata"), "/u/speakers.spdata");
    EXPECT_EQ(WithExtension("/u.v/speakers", "csv"), "/u.v/speakers.csv");
    EXPECT_EQ(WithExtension("/u/speakers.CSV", "csv"), "/u/speakers.CSV");
    EXPECT_EQ(WithExtension("", "csv"), "");
}

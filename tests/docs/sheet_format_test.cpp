#include "docs/sheet_format.h"
#include "sheet/sheet_globals.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace {

class SheetFormat : public ::testing::Test {
protected:
    void SetUp() override { SheetGlobalsDefaults(); }

    static void SetModel(int row, const char* name, const char* range, std::initializer_list<float> values)
    {
        ModelRecord& m = Row(row);
        m.name = Str255(name);
        m.range = Str255(range);
        int c = kFirstParamColumn;
        for (float v : values) m.Param(c++) = v;
    }
};

TEST_F(SheetFormat, WritesTheExampleLineByteForByte)
{
    SetModel(1, "W-165", "Woofer",
             {16.5f, 38.2f, 25.123f, 0.35f, 0.4f, 3.1f, 0.87f, 6.2f, 60, 132.7f, 4.5f, 59.72f, 0.45f});
    fNum = 1;
    EXPECT_EQ(SheetFileBytes(),
              "W-165,Woofer, 16.5, 38.2, 25.123, 0.35, 0.4, 3.1, 0.87, 6.2, 60, 132.7, 4.5, 59.72, 0.45\r");
}

TEST_F(SheetFormat, NumbersAreRoundedToTheFieldsDecimals)
{
    SetModel(1, "", "", {16.545f, 0.375f, 0, -1.5f, 0.0125f, 0, 0, 0, 0.375f, 0, 0, 0, 0.005f});
    fNum = 1;
    EXPECT_EQ(SheetFileBytes(), ",, 16.54, 0.38, 0,-1.5, 0.012, 0, 0, 0, 0.38, 0, 0, 0,5e-03\r");
}

// Values that rounding to the file's decimals cannot change (their scaled
// product is already whole in single precision) must not drift from save to
// save: they read back with the same bits.
TEST_F(SheetFormat, ValuesWithNothingToRoundKeepTheirBits)
{
    const float values[] = {1.71771003e+12f, 1e10f,      -2.5e15f,    3.4e38f, 4294967296.0f,
                            16777216.0f,     1234567.8f, 123456.789f, 60.0f,   -1.5f};
    for (float v : values) {
        SetModel(1, "", "", {v, v, v, v, v, v, v, v, v, v, v, v, v});
        fNum = 1;
        const std::string first = SheetFileBytes();
        ReadSheetBytes(first);
        for (int c = kFirstParamColumn; c <= kColLe; ++c)
            EXPECT_EQ(std::bit_cast<std::uint32_t>(Row(1).Param(c)), std::bit_cast<std::uint32_t>(v))
                << v << " " << first;
    }
    SetModel(1, "", "", {0.35f, 16.545f, 0.0125f});
    fNum = 1;
    EXPECT_EQ(SheetFileBytes().substr(0, 22), ",, 0.35, 16.54, 0.012,"); // decimals still rounded
}

// Floats of every size and sign: what a save writes, a reopen and a second
// save write again; and from 2^24 up, where every float is whole, the
// reopened sheet holds the very floats that were saved.
TEST_F(SheetFormat, SavingAndReopeningIsStable)
{
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

TEST_F(SheetFormat, EmptyTableIsAnEmptyFileAndBack)
{
    fNum = 0;
    EXPECT_EQ(SheetFileBytes(), "");
    EXPECT_EQ(CsvExportBytes(), std::string(kCsvHeaderLine));
    EXPECT_EQ(ReadSheetBytes("").records, 0);
    EXPECT_EQ(fNum, 0);
    ReadSheetBytes(CsvExportBytes(), {.csvHeader = true});
    EXPECT_EQ(fNum, 0);
}

TEST_F(SheetFormat, RoundTripGivesIdenticalBytes)
{
    SetModel(1, "W-165", "Woofer",
             {16.5f, 38.2f, 25.123f, 0.35f, 0.4f, 3.1f, 0.87f, 6.2f, 60, 132.7f, 4.5f, 59.72f, 0.45f});
    SetModel(2, "T25 \"Silk\"", "", {2.5f, 1200, 0.01f, 0.6f, 0.8f, 2.4f, 0.3f, 4.8f, 80, 7.1f, 0.3f, 0.21f, 0.05f});
    SetModel(3, "Odd, named\tone", " lead", {-3, 0, 1e-3f, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    SetModel(4, "\"quoted", "line\rbreak\nhere", {});
    SetModel(5, "Tab\tonly", "Blank at the end ", {});
    fNum = 5;
    const std::string first = SheetFileBytes();
    SheetGlobalsDefaults();
    EXPECT_EQ(ReadSheetBytes(first).records, 5);
    EXPECT_EQ(Row(5).name, Str255("Tab\tonly"));
    EXPECT_EQ(Row(5).range, Str255("Blank at the end "));
    EXPECT_EQ(Row(3).name, Str255("Odd, named\tone"));
    EXPECT_EQ(Row(3).range, Str255(" lead"));
    EXPECT_EQ(Row(4).name, Str255("\"quoted"));
    EXPECT_EQ(Row(4).range, Str255("line\rbreak\nhere"));
    EXPECT_EQ(Row(2).name, Str255("T25 \"Silk\"")); // inner quotes need no quoting
    EXPECT_EQ(SheetFileBytes(), first);
    EXPECT_NE(first.find("T25 \"Silk\","), std::string::npos); // ordinary texts are written as they are
}

TEST_F(SheetFormat, ReaderIsAStreamOfFields)
{
    // A record may span lines, and an empty line is one empty field.
    ReadSheetBytes("A,Woofer, 1, 2, 3\r 4, 5, 6, 7, 8, 9, 10, 11, 12, 13\rB,Tw\r\r 7\r");
    ASSERT_EQ(fNum, 2);
    EXPECT_EQ(Row(1).Param(kColLe), 13.0f);
    EXPECT_EQ(Row(2).name, Str255("B"));
    EXPECT_EQ(Row(2).Param(kColDia), 0.0f); // the empty line's field
    EXPECT_EQ(Row(2).Param(kColFs), 7.0f);
    EXPECT_EQ(Row(2).Param(kColLe), 0.0f); // missing fields at the end read as 0
    EXPECT_EQ(Row(1).entryNo, 1);
    EXPECT_EQ(Row(2).entryNo, 2);
}

TEST_F(SheetFormat, FieldsLeftOnTheLastLineAreIgnored)
{
    ReadSheetBytes("A,,1,2,3,4,5,6,7,8,9,10,11,12,13,Extra,Stuff");
    EXPECT_EQ(fNum, 1);
    ReadSheetBytes("A,,1,2,3,4,5,6,7,8,9,10,11,12,13,B\rC\r");
    EXPECT_EQ(fNum, 2); // leftovers on a line that is not the last begin the next record
    EXPECT_EQ(Row(2).name, Str255("B"));
    EXPECT_EQ(Row(2).range, Str255("C"));
}

TEST_F(SheetFormat, TabsBlanksAndQuotes)
{
    ReadSheetBytes("  \"My, name\" ,Woofer\t 16.5\t38.2x,abc,  ,1e1\n");
    EXPECT_EQ(Row(1).name, Str255("My, name"));
    EXPECT_EQ(Row(1).range, Str255("Woofer"));
    EXPECT_EQ(Row(1).Param(kColDia), 16.5f);
    EXPECT_EQ(Row(1).Param(kColFs), 38.2f);
    EXPECT_EQ(Row(1).Param(kColVas), 0.0f);
    EXPECT_EQ(Row(1).Param(kColQts), 0.0f);
    EXPECT_EQ(Row(1).Param(kColQes), 10.0f);
    ReadSheetBytes("Name  with blanks  ,R\r");
    EXPECT_EQ(Row(1).name, Str255("Name  with blanks  ")); // inner and trailing blanks stay
    ReadSheetBytes("\"unclosed, still one field\rB\r");
    EXPECT_EQ(Row(1).name, Str255("unclosed, still one field"));
    EXPECT_EQ(Row(1).range, Str255("B"));
}

TEST_F(SheetFormat, CrLfIsOneLineEnd)
{
    const std::string crlf = "A,Woofer, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13\r\nB,Tweeter, 2\r\n";
    ReadSheetBytes(crlf);
    ASSERT_EQ(fNum, 2);
    EXPECT_EQ(Row(2).name, Str255("B"));
    EXPECT_EQ(Row(2).range, Str255("Tweeter"));
    ReadSheetBytes("A\n\rB\r"); // LF then CR: two line ends, an empty line between
    EXPECT_EQ(Row(1).range, Str255(""));
    EXPECT_EQ(Row(1).Param(kColDia), 0.0f);
}

TEST_F(SheetFormat, LongLinesAreReadWholeAndTextsCutAt255)
{
    const std::string longName(400, 'n');
    ReadSheetBytes(longName + ",Woofer, 16.5\r");
    EXPECT_EQ(Row(1).name.size(), 255u);
    EXPECT_EQ(Row(1).range, Str255("Woofer"));
    EXPECT_EQ(Row(1).Param(kColDia), 16.5f);
}

TEST_F(SheetFormat, AtMost32767RecordsAreRead)
{
    std::string many;
    for (int r = 0; r < kMaxModels + 2; ++r) many += "M,R,1,2,3,4,5,6,7,8,9,10,11,12,13\r";
    const ReadResult result = ReadSheetBytes(many);
    EXPECT_EQ(result.records, kMaxModels);
    EXPECT_TRUE(result.truncated);
    EXPECT_EQ(fNum, kMaxModels);
    EXPECT_EQ(Row(kMaxModels).entryNo, kMaxModels);
    EXPECT_FALSE(ReadSheetBytes("M\r").truncated);
}

TEST_F(SheetFormat, HeaderRecordIsSkippedOnRequest)
{
    const std::string csv
        = std::string(kCsvHeaderLine) + "A,W, 1,0,0,0,0,0,0,0,0,0,0,0,0\rB,T, 2,0,0,0,0,0,0,0,0,0,0,0,0\r";
    EXPECT_EQ(ReadSheetBytes(csv, {.csvHeader = true}).records, 2);
    EXPECT_EQ(fNum, 2);
    EXPECT_EQ(Row(1).name, Str255("A"));
    EXPECT_EQ(Row(2).Param(kColDia), 2.0f);
    EXPECT_EQ(Row(1).entryNo, 1); // the numbers stay ascending in row order
    EXPECT_EQ(Row(2).entryNo, 2);
    EXPECT_TRUE(Row(3).name.empty());
    EXPECT_EQ(ReadSheetBytes(csv).records, 3); // a document keeps it as a model
    EXPECT_EQ(Row(1).name, Str255("Model Name"));
    // Only the first record can be the header.
    ReadSheetBytes("A,W,,,,,,,,,,,,,\r" + std::string(kCsvHeaderLine), {.csvHeader = true});
    EXPECT_EQ(fNum, 2);
    EXPECT_EQ(Row(2).name, Str255("Model Name"));
}

TEST_F(SheetFormat, ExportThenImportGivesTheSameModels)
{
    SetModel(1, "W-165", "Woofer",
             {16.5f, 38.2f, 25.123f, 0.35f, 0.4f, 3.1f, 0.87f, 6.2f, 60, 132.7f, 4.5f, 59.72f, 0.45f});
    fNum = 1;
    const std::string csv = CsvExportBytes();
    EXPECT_EQ(csv.substr(0, 28), "Model Name,Range,DIA(cm),FS(");
    const std::string body = SheetFileBytes();
    SheetGlobalsDefaults();
    ReadSheetBytes(csv, {.csvHeader = true});
    EXPECT_EQ(fNum, 1);
    EXPECT_EQ(SheetFileBytes(), body);
}

TEST_F(SheetFormat, TabSeparatedTextReadsLikeCommas)
{
    ReadSheetBytes("A\tW\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12\t13\r");
    const std::string tabs = SheetFileBytes();
    ReadSheetBytes("A,W\t1,2\t3,4,5,6,7,8,9,10,11,12,13\r");
    EXPECT_EQ(SheetFileBytes(), tabs);
    EXPECT_EQ(Row(1).Param(kColLe), 13.0f);
}

TEST_F(SheetFormat, PassiveRadiatorListsAreRecognised)
{
    EXPECT_TRUE(IsPassiveRadiatorList("Manufacturer,Model\r"));
    EXPECT_TRUE(IsPassiveRadiatorList("Manufacturer\tModel\r"));
    EXPECT_FALSE(IsPassiveRadiatorList("Manufacturer ,Model\r")); // the blank stays part of it
    EXPECT_FALSE(IsPassiveRadiatorList("Model Name,Manufacturer\r"));
    EXPECT_FALSE(IsPassiveRadiatorList(""));
}

TEST(FileNames, ExtensionsAndNames)
{
    EXPECT_EQ(LastPathComponent("/home/u/drivers.spdata"), "drivers.spdata");
    EXPECT_EQ(LastPathComponent("drivers.spdata"), "drivers.spdata");
    EXPECT_EQ(LastPathComponent("/home/u/sheets/"), "sheets");
    EXPECT_EQ(PathExtension("drivers.spdatasta"), "spdatasta");
    EXPECT_EQ(PathExtension("README"), "");
    EXPECT_EQ(PathExtension(".hidden"), "");
    EXPECT_EQ(ReplaceSpdataExtension("drivers.spdata", "spdatasta"), "drivers.spdatasta");
    EXPECT_EQ(ReplaceSpdataExtension("drivers.SPData", "csv"), "drivers.csv");
    EXPECT_EQ(ReplaceSpdataExtension("notes.txt", "csv"), "notes.txt");
    EXPECT_EQ(ImportedDocumentName("drivers.csv"), "drivers.spdata");
    EXPECT_EQ(ImportedDocumentName("notes.txt"), "notes.spdata");
    EXPECT_EQ(ImportedDocumentName("LIST.CSV"), "LIST.spdata");
    EXPECT_EQ(ImportedDocumentName("notes.text"), "notes.text");
    EXPECT_EQ(FileKindExtension("/a.b/MINE.SPDATA"), "spdata");
    EXPECT_EQ(FileKindExtension("/a.b/mine"), "");
    EXPECT_EQ(FolderOfPath("/home/u/a.spdata"), "/home/u");
    EXPECT_EQ(FolderOfPath("/a.spdata"), "/");
    EXPECT_EQ(FolderOfPath("a.spdata"), "");
    EXPECT_EQ(WithExtension("/u/speakers", "spdata"), "/u/speakers.spdata");
    EXPECT_EQ(WithExtension("/u.v/speakers", "csv"), "/u.v/speakers.csv");
    EXPECT_EQ(WithExtension("/u/speakers.CSV", "csv"), "/u/speakers.CSV");
    EXPECT_EQ(WithExtension("", "csv"), "");
}

} // namespace

#include <cmath>
#include <fstream>
#include <sstream>

namespace {

TEST(SampleSheet, IsPhysicallyConsistentAndRoundTrips)
{
    std::ifstream in(MERESTONE_SOURCE_DIR "/examples/drivers.spdata", std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    const std::string bytes = all.str();
    SheetGlobalsDefaults();
    ASSERT_EQ(ReadSheetBytes(bytes).records, 20);
    EXPECT_EQ(SheetFileBytes(), bytes);
    for (int r = 1; r <= fNum; ++r) {
        const ModelRecord& m = Row(r);
        const double qes = m.Param(kColQes), qms = m.Param(kColQms);
        EXPECT_NEAR(m.Param(kColQts), qes * qms / (qes + qms), 0.001) << m.name;
        EXPECT_NEAR(m.Param(kColVd), m.Param(kColSd) * m.Param(kColXmax) / 10.0, 0.01) << m.name;
        const double eta = 4 * M_PI * M_PI / std::pow(345.0, 3) * std::pow(m.Param(kColFs), 3) * m.Param(kColVas)
            / 1000.0 / qes * 100.0;
        EXPECT_NEAR(m.Param(kColEffi), eta, 0.001) << m.name;
        EXPECT_FALSE(m.range.empty());
    }
}

} // namespace

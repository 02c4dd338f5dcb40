// The readers of imported files: CSV and TXT as spreadsheets write them, and the driver files of other programs; and
// every input kept in the fuzzers' corpora, run through the same checks as the fuzzers.
#include "../../fuzz/fuzz_checks.h"
#include "docs/import_files.h"
#include "docs/text_coding.h"
#include "sheet/sheet_globals.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

static std::string Fixture(const char* name)
{
    QFile file(QStringLiteral(MERESTONE_SOURCE_DIR "/tests/docs/fixtures/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll().toStdString();
}

// A data sheet line of the values 1..n (n <= 13) in the parameter fields.
static std::string Line(const char* name, const char* range, int n)
{
    ModelRecord m{.name = Str255(name), .range = Str255(range)};
    for (int k = 0; k < n; ++k) m.params[k] = float(k + 1);
    return FormatRecordLine(m);
}

static std::string Imported(std::string_view bytes)
{
    fNum = 0;
    AppendImportedFile(ImportKind::SheetText, bytes);
    return SheetFileBytes();
}

static void ExpectParams(int row, std::initializer_list<float> values)
{
    for (int c = kFirstParamColumn; float v : values) {
        EXPECT_NEAR(Row(row).Param(c), v, std::abs(v) * 1e-5) << "row " << row << " column " << c;
        ++c;
    }
}

// Every way a spreadsheet lays out empty cells, with commas and with tabs:
// the fields stay in their columns and no record borrows from the next line.
TEST(ImportReaders, EmptyCellsKeepEveryFieldInItsColumn)
{
    SheetGlobalsDefaults();
    const std::string full = "B,T,1,2,3,4,5,6,7,8,9,10,11,12,13";
    const std::string fullTabs = "B\tT\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12\t13";
    const std::string b = Line("B", "T", 13), a12 = Line("A", "W", 12);
    const std::pair<std::string, std::string> cases[] = {
        {"A,W,1,2,3,4,5,6,7,8,9,10,11,12,\r" + full + "\r", a12 + b},
        {"A,W,1,2,3,4,5,6,7,8,9,10,11,12,\r\n" + full + "\r\n", a12 + b},
        {"A\tW\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12\t\n" + fullTabs + "\n", a12 + b},
        {",W,1,2,3,4,5,6,7,8,9,10,11,12,13\r" + full, Line("", "W", 13) + b},
        {"\tW\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12\t13\r" + fullTabs, Line("", "W", 13) + b},
        {"A\t\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12\t13\r" + fullTabs, Line("A", "", 13) + b},
        {",,,,,,,,,,,,,,\r" + full, Line("", "", 0) + b},
        {"\t\t\t\t\t\t\t\t\t\t\t\t\t\t\r" + fullTabs, Line("", "", 0) + b},
        {full + ",\r" + full + "\t\r", b + b}, // a separator after the last field
        {"B \t T\t 1\t2 \t3\t4\t5\t6\t7\t8\t9\t10\t11\t12\t13", Line("B ", "T", 13)},
        {"B,T,1,2,3\r4,5,6,7,8,9,10,11,12,13\r", b}, // a record that runs out of fields continues
    };
    for (const auto& [file, sheet] : cases) EXPECT_EQ(Imported(file), sheet) << file;
}

TEST(ImportReaders, Utf8TextsAndTheByteOrderMark)
{
    SheetGlobalsDefaults();
    // Names in UTF-8 with letters Mac OS Roman has and lacks, behind a byte-order mark, and a long one that counts
    // letters, not bytes; then Mac OS Roman files, one with bytes that only start a UTF-8 letter.
    const std::pair<std::string, std::string> cases[] = {
        {"R\xC3\xA9v\xC3\xA9lator \xC3\x98 \xE2\x80\x93 \xE2\x84\xA2,W", "R\x8Ev\x8Elator \xAF \xD0 \xAA"},
        {"\xC5\xA0koda \xE5\xA3\xB0 \xC5\x81,W", "Skoda ? ?"},
        {"\xEF\xBB\xBF\xC3\xA9,W", "\x8E"},
        {"\xEF\xBB\xBFPlain,W", "Plain"},
        {QString(200, QChar(0xE9)).toStdString() + ",W", std::string(200, '\x8E')},
        {"R\x8Ev\x8Elator \xA5,W", "R\x8Ev\x8Elator \xA5"},
        {"\xC3 Mac,W", "\xC3 Mac"},
    };
    for (const auto& [file, name] : cases) {
        Imported(file);
        EXPECT_EQ(Row(1).name, Str255(name)) << file;
    }
    // A quoted UTF-8 name longer than the program keeps is still one field.
    Imported("\"" + QString(300, QChar(0xE9)).toStdString() + "\",Woofer,1\r");
    EXPECT_EQ(std::tuple(Row(1).name.str(), Row(1).range.str()), std::tuple(std::string(255, '\x8E'), "Woofer"));
    ReadSheetBytes("R\xC3\xA9v,W\r"); // a document is read byte for byte, UTF-8 or not
    EXPECT_EQ(Row(1).name, Str255("R\xC3\xA9v"));
    // UTF-8 is recognised only when well formed; \xDF is the last two-byte lead and \xF1\x80\x80\x80 is U+40000.
    for (const char* good : {"\xEF\xBB\xBF", "a\xF0\x9F\x94\x8A b \xE2\x82\xAC \xC3\xA9 \xDF\x90", "\xF1\x80\x80\x80"})
        EXPECT_TRUE(IsUtf8Text(good)) << good;
    for (const char* bad : {"plain ASCII", "\xC0\xAF", "\xE0\x80\xAF", "\xF0\x80\x80\x80", "\xED\xA0\x80",
                            "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "ok \xC3", "\xE2\x82", "\xC3\xA9\x80", "\x8E"})
        EXPECT_FALSE(IsUtf8Text(bad)) << bad;
    // The byte-order mark of "CSV UTF-8" is no part of the first field, so the
    // header is still found, and a passive-radiator list is still refused.
    const std::string bom = "\xEF\xBB\xBF", header = kCsvHeaderLine, body = Line("A", "W", 13);
    const std::string crlf = header.substr(0, header.size() - 1) + "\r\n" + body.substr(0, body.size() - 1) + "\r\n";
    EXPECT_EQ((std::tuple{Imported(bom + header + body), Imported(bom + crlf)}), std::tuple(body, body));
    EXPECT_TRUE(AppendImportedFile(ImportKind::SheetText, bom + "Manufacturer,Model\r").passiveRadiatorList);
    ReadSheetBytes(bom + body); // a document too
    EXPECT_EQ(SheetFileBytes(), body);
}

// Models past the table's limit: the header takes no place, and a full import is not cut.
TEST(ImportReaders, TheLimitCountsModelsNotLines)
{
    SheetGlobalsDefaults();
    std::string csv(kCsvHeaderLine);
    for (int r = 0; r < kMaxModels; ++r) csv += "M,R,1,2,3,4,5,6,7,8,9,10,11,12,13\r";
    ImportedFile file = AppendImportedFile(ImportKind::SheetText, csv);
    EXPECT_EQ(std::tuple(file.result.read.records, file.result.read.truncated), std::tuple(kMaxModels, false));
    fNum = 0;
    file = AppendImportedFile(ImportKind::SheetText, csv + "Last,R\r");
    EXPECT_EQ(std::tuple(file.result.read.records, file.result.read.truncated, fNum, Row(kMaxModels).entryNo),
              std::tuple(kMaxModels, true, kMaxModels, kMaxModels));
    // A driver file has no room left either.
    EXPECT_EQ(std::pair(AppendWdrDriver("[Driver]\nFs=40\n").read.truncated, int(fNum)), std::pair(true, kMaxModels));
    EXPECT_FALSE(ReadSheetBytes("M\r").truncated); // a document starts from an empty table
}

TEST(ImportReaders, WdrDriverFilesAndTheXmlDriverDatabase)
{
    SheetGlobalsDefaults();
    ASSERT_TRUE(AppendWdrDriver(Fixture("halden_hw170.wdr")).ok);
    EXPECT_EQ(std::tuple(Row(1).name.str(), Row(1).range.empty()),
              std::tuple("Halden Audio HW-170 R\x8Ev\x8Elator", true));
    //                Dia  Fs    Vas   Qts    Qes   Qms   Effi  Re   Pe  Sd   Xmax Vd     Le
    ExpectParams(1, {17, 39.5f, 25.2f, 0.374f, 0.42f, 3.41f, 0.46f, 5.6f, 60, 133, 4.8f, 63.84f, 0.52f});
    // Windows-1252, keys in any case, blanks, Dd for a missing Dia, a
    // decimal comma, and values that are empty or not numbers.
    EXPECT_EQ((std::tuple{AppendWdrDriver(Fixture("kestrel_t25.wdr")).read.records, Row(2).name.str(), Row(2).entryNo}),
              std::tuple(1, std::string("Kestrel T25 Soie \xD0 \xAF") + "25", 2));
    ExpectParams(2, {2.51f, 1100, 0, 0.62f, 0, 0, 0, 4.7f, 80, 7.1f, 0.3f, 0, 0});
    // UTF-16 with its byte-order mark, as Windows editors save "Unicode";
    // the last line has no end, so nothing past the file may join it.
    const QString text = QStringLiteral("[Driver]\r\nFs=28\r\nBrand=\u00C9ole");
    std::string utf16 = "\xFF\xFE";
    utf16.append(reinterpret_cast<const char*>(text.utf16()), std::size_t(text.size()) * 2);
    ASSERT_TRUE(AppendWdrDriver(utf16).ok);
    EXPECT_EQ(std::tuple(Row(3).name.str(), Row(3).Param(kColFs)), std::tuple("\x83ole", 28.0f));
    SheetGlobalsDefaults(); // what is not a driver file adds nothing
    for (const char* notOne : {"", "Manufacturer,Model\r", "[Box]\nFs=40\n", "Fs=40\n", "\xFF\xFE", "[Driver"}) {
        const DriverFileResult r = AppendWdrDriver(notOne);
        EXPECT_EQ(std::tuple(r.ok, r.problem, fNum), std::tuple(false, "no [Driver] section", 0)) << notOne;
    }
    // Only the [Driver] section counts.
    ASSERT_TRUE(AppendWdrDriver("[Box]\nFs=99\n[Driver]\nFs=40\n[Other]\nFs=12\n").ok);
    EXPECT_EQ(Row(1).Param(kColFs), 40.0f);
    // A broken database adds nothing to that one model: cut inside the third
    // driver, the two before it were read and are taken back.
    const std::string db = Fixture("speakers.xml");
    const std::string laughs = "<!DOCTYPE s [<!ENTITY a \"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\">"
                               "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
                               "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">]>"
                               "<speakers><speaker vendor=\"&c;&c;&c;&c;&c;&c;&c;&c;\" fs=\"1\"/></speakers>";
    for (const std::string& bad : {db.substr(0, db.find("Kestrel")), std::string("<html><speaker fs=\"40\"/></html>"),
                                   std::string("not xml at all"), std::string(), laughs}) {
        EXPECT_FALSE(AppendDriverDatabase(bad).ok) << bad;
        // The row behind the last is blank again.
        EXPECT_EQ(std::tuple(fNum, Row(2).name.empty(), Row(3).Param(kColFs)), std::tuple(1, true, 0.0f)) << bad;
    }
    EXPECT_EQ(AppendDriverDatabase(db.substr(0, db.find("Kestrel"))).problem.substr(0, 21), "broken XML at line 6:");
    SheetGlobalsDefaults();
    const DriverFileResult r = AppendDriverDatabase(db);
    ASSERT_TRUE(r.ok) << r.problem;
    EXPECT_EQ(std::tuple(r.read.records, Row(1).name.str(), Row(2).name.str(), Row(3).name.str(), Row(3).entryNo),
              std::tuple(3, "Halden Audio HW-170", "\xAFrsted & S\xBFn PR-380", "Kestrel T25 Soie", 3));
    //                Dia  Fs    Vas   Qts    Qes   Qms   Effi   Re   Pe  Sd   Xmax Vd     Le
    ExpectParams(1, {17, 39.5f, 25.2f, 0.374f, 0.42f, 3.41f, 0.337427f, 5.6f, 60, 133, 4.8f, 63.84f, 0.52f});
    ExpectParams(2, {0, 21, 310, 0.33f, 0, 0, 0.995818f, 5.8f, 250, 850, 7, 595, 0});
    EXPECT_EQ(Row(3).Param(kColEffi), 0.0f); // no level given
}

TEST(ImportNames, KindsCountsAndTheReport)
{
    EXPECT_EQ(std::tuple(ImportKindOf("/a/b.WDR"), ImportKindOf("db.xml"), ImportKindOf("list.txt")),
              std::tuple(ImportKind::WdrDriver, ImportKind::DriverDatabase, ImportKind::SheetText));
    EXPECT_EQ((std::vector{CountText(1047), CountText(32767), CountText(999), CountText(1000000)}),
              (std::vector<std::string>{"1,047", "32,767", "999", "1,000,000"}));
    std::vector<ImportFailure> failures;
    for (int k = 1; k <= 12; ++k) failures.push_back({"f" + std::to_string(k) + ".wdr", "no [Driver] section"});
    const AlertText text = ImportFailureAlert(failures, 1047, true);
    EXPECT_EQ(std::tuple(text.message, text.explanation.substr(0, 32)),
              std::tuple("12 files could not be read.", "f1.wdr: no [Driver] section\nf2.w"));
    EXPECT_NE(text.explanation.find("f10.wdr"), std::string::npos);
    EXPECT_EQ(text.explanation.find("f11.wdr"), std::string::npos);
    EXPECT_NE(
        text.explanation.find("\nand 2 more\n\n1,047 models were imported. Only the first 32,767 models were read."),
        std::string::npos)
        << text.explanation;
    EXPECT_EQ(ImportFailureAlert({failures[0]}, 1, false).explanation,
              "f1.wdr: no [Driver] section\n\n1 model was imported.");
}

// Sheets read back unchanged, driver files add what they say, and clipboard texts give finite numbers.
TEST(FuzzCorpus, EveryKeptInputHolds)
{
    for (const auto& [corpus, check] : {std::pair("sheet_reader", &SheetReaderHolds),
                                        {"driver_file", DriverFileReadersHold},
                                        {"clipboard_text", ClipboardReaderHolds}}) {
        const QDir dir(QStringLiteral(MERESTONE_SOURCE_DIR "/fuzz/corpus/") + QLatin1String(corpus));
        const QStringList names = dir.entryList(QDir::Files);
        EXPECT_FALSE(names.isEmpty()) << corpus;
        for (const QString& name : names) {
            QFile file(dir.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
            const QByteArray bytes = file.readAll();
            SheetGlobalsDefaults();
            EXPECT_TRUE(check(std::string_view(bytes.constData(), std::size_t(bytes.size())))) << name.toStdString();
        }
    }
}

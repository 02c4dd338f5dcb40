// Every input kept in the fuzzers' corpora, run through the same checks as
// the fuzzers.
#include "../../fuzz/fuzz_checks.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

template<typename Check> void Replay(const char* corpus, Check check)
{
    const QDir dir(QStringLiteral(MERESTONE_SOURCE_DIR "/fuzz/corpus/") + QLatin1String(corpus));
    const QStringList names = dir.entryList(QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        SheetGlobalsDefaults();
        EXPECT_TRUE(check(std::string_view(bytes.constData(), std::size_t(bytes.size())))) << name.toStdString();
    }
}

} // namespace

TEST(FuzzCorpus, SheetReaderInputsReadBackUnchanged)
{
    Replay("sheet_reader", SheetReaderHolds);
}

TEST(FuzzCorpus, DriverFileInputsAddWhatTheySay)
{
    Replay("driver_file", DriverFileReadersHold);
}

TEST(FuzzCorpus, ClipboardTextsGiveFiniteNumbers)
{
    Replay("clipboard_text", ClipboardReaderHolds);
}

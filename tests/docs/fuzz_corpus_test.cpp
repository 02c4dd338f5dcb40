// Every input kept in the fuzzer's corpus, run through the same checks as
// the fuzzer: the reader never fails, and a written table reads back as the
// same table.
#include "docs/sheet_format.h"
#include "sheet/sheet_globals.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

TEST(FuzzCorpus, WrittenTablesReadBackUnchanged)
{
    const QDir dir(QStringLiteral(MERESTONE_SOURCE_DIR "/fuzz/corpus/sheet_reader"));
    const QStringList names = dir.entryList(QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        SheetGlobalsDefaults();
        ReadSheetBytes(std::string_view(bytes.constData(), std::size_t(bytes.size())));
        DropHeaderRecord();
        const std::string first = SheetFileBytes();
        ReadSheetBytes(first);
        EXPECT_EQ(SheetFileBytes(), first) << name.toStdString();
    }
}

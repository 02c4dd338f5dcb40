#include "app/bundle.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class Bundle : public ::testing::Test {
protected:
    void TearDown() override { SetDataFolder({}); }
    void Write(const QString& name, const QByteArray& bytes)
    {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QTemporaryDir dir;
};

TEST_F(Bundle, MissingOrBrokenDictionaryGivesEmptyValues)
{
    SetDataFolder(dir.path().toStdString());
    EXPECT_EQ(GetCFBundleVersion("CFBundleVersion"), "");
    Write("Info.json", "{ not json at all");
    SetDataFolder(dir.path().toStdString() + "/."); // a new folder name reads the file again
    EXPECT_EQ(GetCFBundleVersion("CFBundleVersion"), "");
    EXPECT_EQ(MakerWebHost(), "kelvane.example");
    EXPECT_EQ(BundleResourcePath("Merestone's_Manual.pdf", "Images"), "");
    EXPECT_EQ(BundleResourcePath("", "Images"), "");
}

TEST_F(Bundle, ADictionaryCanPointTheAddressesElsewhere)
{
    Write("Info.json", R"({"MerestoneWebHost": "127.0.0.1:8080", "CFBundleVersion": 7})");
    SetDataFolder(dir.path().toStdString());
    EXPECT_EQ(MakerWebHost(), "127.0.0.1:8080");
    EXPECT_EQ(MakerMailAddress(), "support@127.0.0.1:8080");
    EXPECT_EQ(GetCFBundleVersion("CFBundleVersion"), ""); // not a text
}

TEST(BundleText, DeleteExtensionRemovesEveryPdf)
{
    EXPECT_EQ(CFStringDeleteExtension("Manual.pdf"), "Manual");
    EXPECT_EQ(CFStringDeleteExtension("a.pdf.pdf"), "a");
    EXPECT_EQ(CFStringDeleteExtension("a.pdfb.pdf"), "ab");
    EXPECT_EQ(CFStringDeleteExtension("Notes"), "Notes");
}

} // namespace

#include <QImage>

TEST(BundleImages, EveryImageIsCompiledInAtOneAndTwoTimes)
{
    for (const char* name : {"NumberBuleBack", "UpArrow", "DownArrow", "TitleBuleBack", "ExplanationBuleBack",
                             "TarnwellButton", "TarnwellDefaultButton", "FellmarkButton", "FellmarkDefaultButton",
                             "BecklineButton", "BecklineDefaultButton"}) {
        const QString base = QStringLiteral(":/Images/") + QLatin1String(name);
        const QImage one(base + QStringLiteral(".png"));
        EXPECT_FALSE(one.isNull()) << name;
        EXPECT_EQ(QImage(base + QStringLiteral("@2x.png")).size(), one.size() * 2) << name;
    }
}

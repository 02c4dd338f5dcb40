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

TEST_F(Bundle, TheBuiltDictionaryHoldsTheFourKeys)
{
    EXPECT_EQ(GetCFBundleVersion("CFBundleVersion"), "1.0.0");
    EXPECT_EQ(GetCFBundleVersion("CFBundleShortVersionString"), "1.0.0");
    EXPECT_FALSE(GetCFBundleVersion("NSHumanReadableCopyright").empty());
    EXPECT_EQ(GetCFBundleVersion("JapaneseString-1"), "Merestone Quick Start.pdf");
    EXPECT_FALSE(BundleResourcePath("Merestone's_Manual.pdf", "Images").empty());
}

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
    struct Image {
        const char* name;
        int width, height;
    } images[] = {
        {"NumberBuleBack", 63, 21},        {"UpArrow", 16, 16},
        {"DownArrow", 16, 16},             {"TitleBuleBack", 130, 22},
        {"ExplanationBuleBack", 190, 22},  {"TarnwellButton", 172, 50},
        {"TarnwellDefaultButton", 172, 50}, {"FellmarkButton", 172, 50},
        {"FellmarkDefaultButton", 172, 50}, {"BecklineButton", 172, 50},
        {"BecklineDefaultButton", 172, 50},
    };
    for (const Image& image : images) {
        const QString base = QStringLiteral(":/Images/") + QLatin1String(image.name);
        const QImage one(base + QStringLiteral(".png"));
        const QImage two(base + QStringLiteral("@2x.png"));
        EXPECT_EQ(one.size(), QSize(image.width, image.height)) << image.name;
        EXPECT_EQ(two.size(), QSize(2 * image.width, 2 * image.height)) << image.name;
    }
    EXPECT_EQ(QImage(":/Images/merestone.png").size(), QSize(256, 256));
}

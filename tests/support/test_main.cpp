// Test runner for every test program: GoogleTest on Qt's offscreen platform. Listing the tests needs no application
// object, so discovery runs anywhere. Each test program has a home of its own (preferences, Downloads, trash), so
// programs run side by side never share a file, and a test run however started cannot touch the real home.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(name, (home.path() + QLatin1Char('/') + QLatin1String(name)).toUtf8());
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

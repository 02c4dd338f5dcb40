// A second launch hands its files to the running instance over the session
// bus and ends; the running instance opens them as a desktop request.
#include "platform/open_requests.h"
#include "platform/test_seams.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

std::vector<std::string> gReceived;

TEST(SecondLaunch, HandsItsFilesToTheRunningInstanceAndEnds)
{
    if (!QDBusConnection::sessionBus().isConnected()) GTEST_SKIP() << "no D-Bus session bus";
    SetSessionBusUse(true);
    InstallOpenDocumentsHandler([](const std::vector<std::string>& paths) { gReceived = paths; });

    QTemporaryDir dir;
    QProcess second;
    second.setWorkingDirectory(dir.path());
    second.start(QStringLiteral(MERESTONE_BINARY), {QStringLiteral("drivers.spdata")});
    ASSERT_TRUE(second.waitForStarted(5000));
    const QDeadlineTimer deadline(20000);
    while (second.state() != QProcess::NotRunning && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        second.waitForFinished(20);
    }
    if (second.state() != QProcess::NotRunning) {
        second.kill();
        second.waitForFinished();
        FAIL() << "the second launch did not end";
    }
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    for (int k = 0; k < 50 && gReceived.empty(); ++k) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_EQ(gReceived.size(), 1u);
    EXPECT_EQ(gReceived[0], QDir(dir.path()).absoluteFilePath("drivers.spdata").toStdString());
}

TEST(SecondLaunch, FileArgumentsBecomeAbsolutePaths)
{
    char program[] = "merestone";
    char relative[] = "a.spdata";
    char absolute[] = "/tmp/b.csv";
    char* argv[] = {program, relative, absolute};
    const std::vector<std::string> paths = FileArguments(3, argv);
    ASSERT_EQ(paths.size(), 2u);
    EXPECT_EQ(paths[0], QDir::current().absoluteFilePath("a.spdata").toStdString());
    EXPECT_EQ(paths[1], "/tmp/b.csv");
}

} // namespace

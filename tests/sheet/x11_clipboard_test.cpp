// The real X11 clipboard, shared with another program (xclip). Runs only on
// the xcb platform, which the x11_clipboard test gives it under Xvfb.
#include "platform/clipboard.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

// Runs xclip while this program keeps answering the X server.
QByteArray RunXclip(const QStringList& args, const QByteArray& input = {})
{
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"), args);
    if (!xclip.waitForStarted(5000)) return "xclip did not start";
    if (!input.isNull()) {
        xclip.write(input);
        xclip.closeWriteChannel();
    }
    const QDeadlineTimer deadline(10000);
    while (xclip.state() != QProcess::NotRunning && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        xclip.waitForFinished(20);
    }
    return xclip.readAllStandardOutput();
}

TEST(X11Clipboard, OtherProgramsReadAndWriteItAsUtf8)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs an X server";
    PutTextToClipboard(Str255("Caf\x8E  Woofer"));
    EXPECT_EQ(RunXclip({"-o", "-selection", "clipboard"}), QByteArray("Caf\xC3\xA9  Woofer"));

    RunXclip({"-i", "-selection", "clipboard"}, QByteArray("12\xE2\x82\xAC fifty"));
    Str255 text;
    const QDeadlineTimer deadline(5000);
    while (!(GetTextFromClipboard(text) && text == Str255("12\xDB fifty")) && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(text, Str255("12\xDB fifty"));
}

} // namespace

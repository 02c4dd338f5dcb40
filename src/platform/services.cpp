#include "platform/services.h"

#include "platform/internal.h"
#include "platform/menus.h"
#include "platform/test_seams.h"
#include "platform/windows.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QSessionManager>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

using namespace platform;

namespace {

QHash<int, QPointer<QTimer>>& Timers()
{
    static QHash<int, QPointer<QTimer>> timers;
    return timers;
}

bool OpenUrl(const QUrl& url)
{
    if (R().urlOpener) return R().urlOpener(url.toString().toStdString());
    return QDesktopServices::openUrl(url);
}

} // namespace

void InitPlatform(int& argc, char** argv)
{
    if (!qApp) new QApplication(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Merestone"));
    QApplication::setOrganizationName(QStringLiteral("Kelvane"));
    QApplication::setDesktopFileName(QStringLiteral("merestone"));
    QApplication::setQuitOnLastWindowClosed(false); // the program decides when it ends
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/Images/merestone.png")));
}

void InitPlatformWithoutDisplay()
{
    static int argc = 1;
    static char name[] = "merestone";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    InitPlatform(argc, argv);
}

void InstallSessionEndHandler(bool (*mayEnd)())
{
    static bool (*handler)() = nullptr;
    if (!handler)
        QObject::connect(qApp, &QGuiApplication::commitDataRequest, qApp, [](QSessionManager& manager) {
            if (handler && !handler()) manager.cancel();
        });
    handler = mayEnd;
}

int RunApplicationEventLoop()
{
    const int status = QApplication::exec();
    ResetPlatformForTests(); // every window and menu goes before the application object
    delete qApp;
    return status;
}

void InstallOneShotTimer(int id, int milliseconds, void (*fire)())
{
    RemoveTimer(id);
    auto* timer = new QTimer(qApp);
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, timer, [id, fire, timer] {
        Timers().remove(id);
        timer->deleteLater();
        fire();
    });
    Timers().insert(id, timer);
    timer->start(milliseconds);
}

void RemoveTimer(int id)
{
    if (QPointer<QTimer> t = Timers().take(id)) {
        t->stop();
        t->deleteLater();
    }
}

bool TimerIsPending(int id)
{
    return Timers().value(id) != nullptr;
}

void SysBeep()
{
    ++R().beeps;
    QApplication::beep();
}

int SysBeepCount()
{
    return R().beeps;
}

int OpenFileWithDefaultApp(const std::string& path)
{
    const QFileInfo info(QString::fromStdString(path));
    if (path.empty() || !info.isFile()) return -50;
    return OpenUrl(QUrl::fromLocalFile(info.absoluteFilePath())) ? 0 : -50;
}

int OpenUrlWithDefaultApp(const std::string& url)
{
    const QUrl u(QString::fromStdString(url), QUrl::StrictMode);
    if (!u.isValid() || u.scheme().isEmpty()) return -50;
    return OpenUrl(u) ? 0 : -50;
}

std::string FindProgram(std::string_view name)
{
    const QString file = Utf8(name);
    const QFileInfo beside(QCoreApplication::applicationDirPath() + QLatin1Char('/') + file);
    if (beside.isFile() && beside.isExecutable()) return beside.absoluteFilePath().toStdString();
    return QStandardPaths::findExecutable(file).toStdString();
}

bool StartProgram(const std::string& path)
{
    if (R().programStarter) return R().programStarter(path);
    return QProcess::startDetached(QString::fromStdString(path), {});
}

void ShowAlertSheet(int window, std::string_view message, std::string_view informative)
{
    auto* box = new QMessageBox(QMessageBox::Warning, QString(), Utf8(message), QMessageBox::Ok, Window(window));
    box->setObjectName(QStringLiteral("SheetAlert"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    // The texts may name files: "<b>" in a name is shown, never obeyed.
    box->setTextFormat(Qt::PlainText);
    box->setInformativeText(Utf8(informative));
    if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel")))
        label->setTextFormat(Qt::PlainText);
    box->setWindowModality(box->parentWidget() ? Qt::WindowModal : Qt::ApplicationModal);
    box->open();
}

void ShowAboutBox(std::string_view name, std::string_view version, std::string_view description)
{
    auto* box = new QMessageBox(QApplication::activeWindow());
    box->setObjectName(QStringLiteral("AboutBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowTitle(QStringLiteral("About ") + Utf8(name));
    box->setIconPixmap(QIcon(QStringLiteral(":/Images/merestone.png")).pixmap(64, 64));
    box->setTextFormat(Qt::PlainText);
    box->setText(Utf8(name));
    box->setInformativeText(QStringLiteral("Version ") + Utf8(version) + QStringLiteral("\n\n") + Utf8(description));
    box->setStandardButtons(QMessageBox::Ok);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

void ExitApplication(int status)
{
    if (R().exitHook) return R().exitHook(status);
    QApplication::exit(status);
}

void SetPopUpMenuChooser(std::function<int(int)> chooser)
{
    R().popUpChooser = std::move(chooser);
}

void SetUrlOpener(std::function<bool(const std::string&)> opener)
{
    R().urlOpener = std::move(opener);
}

void SetExitHook(std::function<void(int)> hook)
{
    R().exitHook = std::move(hook);
}

void SetProgramStarter(std::function<bool(const std::string&)> starter)
{
    R().programStarter = std::move(starter);
}

void ResetPlatformForTests() // also the orderly end of a real run
{
    for (int number : R().windows.keys()) DisposeWindow(number);
    for (int number : R().menus.keys()) DeleteMenu(number);
    for (int id : Timers().keys()) RemoveTimer(id);
    R().controls.clear();
    R().barOrder.clear();
    R().boundsHandlers.clear();
    R().contextHandlers.clear();
    R().beeps = 0;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

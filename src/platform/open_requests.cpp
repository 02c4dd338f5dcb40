#include "platform/open_requests.h"

#include "platform/internal.h"
#include "platform/session_bus.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>

#include <climits>
#include <unistd.h>

namespace {

const QString kService = QStringLiteral("com.kelvane.Merestone");
const QString kPath = QStringLiteral("/Merestone");
const QString kInterface = QStringLiteral("com.kelvane.Merestone");

OpenDocumentsHandler gHandler = nullptr;

// The object a second launch calls: OpenFiles(array of byte strings). A
// path travels as the file system's bytes, so any file name arrives as it
// is, UTF-8 or not.
class OpenService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.kelvane.Merestone")
public:
    using QObject::QObject;

public Q_SLOTS:
    void OpenFiles(const QByteArrayList& paths)
    {
        std::vector<std::string> list;
        for (const QByteArray& p : paths) list.push_back(p.toStdString());
        // Answer the caller first; open from the event loop.
        QMetaObject::invokeMethod(
            qApp, [list] { DeliverOpenDocuments(AbsolutePathsOnly(list)); }, Qt::QueuedConnection);
    }
};

} // namespace

std::vector<std::string> FileArguments(const std::vector<std::string>& args)
{
    char cwd[PATH_MAX];
    const std::string folder = ::getcwd(cwd, sizeof cwd) ? cwd : "";
    std::vector<std::string> paths;
    for (const std::string& arg : args) {
        if (arg.empty()) continue;
        paths.push_back(arg[0] == '/' ? arg : (folder == "/" ? "" : folder) + "/" + arg);
    }
    return paths;
}

std::vector<std::string> AbsolutePathsOnly(const std::vector<std::string>& paths)
{
    std::vector<std::string> absolute;
    for (const std::string& p : paths)
        if (!p.empty() && p[0] == '/') absolute.push_back(p);
    return absolute;
}

bool HandOverToRunningInstance(const std::vector<std::string>& paths)
{
    QDBusConnection bus = SessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(kService)) return false;
    qDBusRegisterMetaType<QByteArrayList>();
    QByteArrayList list;
    for (const std::string& p : paths) list << QByteArray::fromStdString(p);
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("OpenFiles"));
    call << QVariant::fromValue(list);
    const QDBusMessage reply = bus.call(call, QDBus::Block, 5000);
    return reply.type() == QDBusMessage::ReplyMessage;
}

void InstallOpenDocumentsHandler(OpenDocumentsHandler handler)
{
    gHandler = handler;
    static OpenService* service = nullptr;
    if (service || !SessionBusAvailable()) return; // no bus: this instance just serves its own arguments
    qDBusRegisterMetaType<QByteArrayList>();
    service = new OpenService(qApp);
    ExportOnSessionBus(kService, kPath, service);
}

void DeliverOpenDocuments(const std::vector<std::string>& paths)
{
    if (gHandler) gHandler(paths);
}

void RaiseVisibleWindows()
{
    for (const platform::WindowEntry& e : platform::R().windows)
        if (e.top && e.top->isVisible()) {
            e.top->raise();
            e.top->activateWindow();
        }
}

#include "open_requests.moc"

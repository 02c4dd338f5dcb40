#include "platform/open_requests.h"

#include "platform/internal.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFileInfo>

namespace {

const QString kService = QStringLiteral("com.kelvane.Merestone");
const QString kPath = QStringLiteral("/Merestone");
const QString kInterface = QStringLiteral("com.kelvane.Merestone");

OpenDocumentsHandler gHandler = nullptr;
bool gUseBus = true;

// The object a second launch calls: OpenFiles(array of string).
class OpenService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.kelvane.Merestone")
public:
    using QObject::QObject;

public Q_SLOTS:
    void OpenFiles(const QStringList& paths)
    {
        std::vector<std::string> list;
        for (const QString& p : paths) list.push_back(p.toStdString());
        // Answer the caller first; open from the event loop.
        QMetaObject::invokeMethod(qApp, [list] { DeliverOpenDocuments(list); }, Qt::QueuedConnection);
    }
};

} // namespace

std::vector<std::string> FileArguments(int argc, char** argv)
{
    std::vector<std::string> paths;
    for (int k = 1; k < argc; ++k) {
        const QString arg = QString::fromLocal8Bit(argv[k]);
        if (arg.startsWith(QLatin1Char('-'))) continue; // Qt's own options
        paths.push_back(QFileInfo(arg).absoluteFilePath().toStdString());
    }
    return paths;
}

bool HandOverToRunningInstance(const std::vector<std::string>& paths)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(kService)) return false;
    QStringList list;
    for (const std::string& p : paths) list << QString::fromStdString(p);
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("OpenFiles"));
    call << list;
    const QDBusMessage reply = bus.call(call, QDBus::Block, 5000);
    return reply.type() == QDBusMessage::ReplyMessage;
}

void InstallOpenDocumentsHandler(OpenDocumentsHandler handler)
{
    gHandler = handler;
    if (!gUseBus) return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return; // no bus: this instance just serves its own arguments
    static OpenService* service = nullptr;
    if (service) return;
    service = new OpenService(qApp);
    bus.registerObject(kPath, service, QDBusConnection::ExportAllSlots);
    bus.registerService(kService);
}

void SetSessionBusUse(bool use)
{
    gUseBus = use;
}

void DeliverOpenDocuments(const std::vector<std::string>& paths)
{
    if (!gHandler) return;
    if (paths.empty()) { // a second launch without files: show what is there
        for (const platform::WindowEntry& e : platform::R().windows)
            if (e.top && e.top->isVisible()) {
                e.top->raise();
                e.top->activateWindow();
            }
        return;
    }
    gHandler(paths);
}

#include "open_requests.moc"

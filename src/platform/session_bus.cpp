#include "platform/session_bus.h"

#include "platform/test_seams.h"

#include <QDBusConnectionInterface>

namespace {

bool gUseBus = true;

} // namespace

void SetSessionBusUse(bool use)
{
    gUseBus = use;
}

bool SessionBusAvailable()
{
    return gUseBus && QDBusConnection::sessionBus().isConnected();
}

QDBusConnection SessionBus()
{
    return QDBusConnection::sessionBus();
}

bool ExportOnSessionBus(const QString& service, const QString& path, QObject* object)
{
    if (!SessionBusAvailable()) return false;
    QDBusConnection bus = SessionBus();
    return bus.registerObject(path, object, QDBusConnection::ExportAllSlots) && bus.registerService(service);
}

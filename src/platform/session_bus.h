// The session bus, one place for every service the program offers on it:
// the desktop-open service today, the messages between the sibling programs
// next. Tests that run side by side on one bus turn its use off
// (SetSessionBusUse).
#pragma once

#include <QDBusConnection>
#include <QString>

class QObject;

// The session bus when the program may use it and it is there.
bool SessionBusAvailable();
QDBusConnection SessionBus();

// Exports the object's slots at `path` and takes the name `service`; false
// when the bus is not to be used, missing, or the name is taken.
bool ExportOnSessionBus(const QString& service, const QString& path, QObject* object);

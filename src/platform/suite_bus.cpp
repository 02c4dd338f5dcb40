#include "platform/suite_bus.h"

#include "platform/internal.h"
#include "platform/session_bus.h"
#include "platform/test_seams.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>

#include <functional>
#include <unistd.h>

namespace {

constexpr std::string_view kPrefix = "com.kelvane.Suite.";
const QString kPath = QStringLiteral("/com/kelvane/Suite");
const QString kInterface = QStringLiteral("com.kelvane.Suite.Events");

SuiteEventHandler gHandler = nullptr;

class SuiteEvents : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.kelvane.Suite.Events")
public:
    using QObject::QObject;

public Q_SLOTS:
    // A call with other argument types never reaches here: the bus answers
    // it with an error of its own.
    Q_NOREPLY void Deliver(uint eventClass, uint eventId, const QByteArray& message)
    {
        if (gHandler) gHandler(eventClass, eventId, message.toStdString());
    }
};

std::string EscapedName(std::string_view name)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : name) {
        const auto u = static_cast<unsigned char>(c);
        // A name element may not begin with a digit.
        const bool digit = u >= '0' && u <= '9' && !out.empty();
        if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || digit || u == '_') {
            out += c;
        } else {
            out += '_';
            out += kHex[u >> 4];
            out += kHex[u & 15];
        }
    }
    return out;
}

// The pid of a suite bus name of that process name ("" any), or 0.
long long PidOfSuiteName(const std::string& busName, std::string_view processName)
{
    if (busName.compare(0, kPrefix.size(), kPrefix) != 0) return 0;
    const std::size_t mark = busName.rfind(".i");
    if (mark == std::string::npos || mark < kPrefix.size()) return 0;
    if (!processName.empty() && busName.substr(kPrefix.size(), mark - kPrefix.size()) != EscapedName(processName))
        return 0;
    long long pid = 0;
    for (std::size_t k = mark + 2; k < busName.size(); ++k) {
        if (busName[k] < '0' || busName[k] > '9' || pid > 1'000'000'000'000) return 0;
        pid = pid * 10 + (busName[k] - '0');
    }
    return pid; // 0 when no digit follows ".i"
}

// The bus names of the other processes of that name.
QStringList OtherSuiteNames(std::string_view processName)
{
    QStringList names;
    if (!SessionBusAvailable()) return names;
    const QDBusReply<QStringList> all = SessionBus().interface()->registeredServiceNames();
    if (!all.isValid()) return names;
    const long long self = ::getpid();
    for (const QString& name : all.value()) {
        const long long pid = PidOfSuiteName(name.toStdString(), processName);
        if (pid != 0 && pid != self) names << name;
    }
    return names;
}

} // namespace

void SetSuiteEventRecorder(std::function<void(const SentSuiteEvent&)> recorder)
{
    platform::R().suiteRecorder = std::move(recorder);
}

std::string SuiteBusName(std::string_view processName, long long pid)
{
    return std::string(kPrefix) + EscapedName(processName) + ".i" + std::to_string(pid);
}

bool InstallSuiteEventHandler(std::string_view processName, SuiteEventHandler handler)
{
    gHandler = handler;
    static SuiteEvents* events = nullptr;
    if (events) return true;
    events = new SuiteEvents(qApp);
    const QString name = QString::fromStdString(SuiteBusName(processName, ::getpid()));
    if (ExportOnSessionBus(name, kPath, events)) return true;
    delete events;
    events = nullptr;
    return false;
}

int SendSuiteEvent(std::string_view processName, std::uint32_t eventClass, std::uint32_t eventId,
                   std::string_view message)
{
    const QByteArray bytes(message.data(), static_cast<qsizetype>(message.size()));
    if (platform::R().suiteRecorder)
        platform::R().suiteRecorder({std::string(processName), eventClass, eventId, bytes.toStdString()});
    int sent = 0;
    for (const QString& name : OtherSuiteNames(processName)) {
        QDBusMessage call = QDBusMessage::createMethodCall(name, kPath, kInterface, QStringLiteral("Deliver"));
        call.setAutoStartService(false);
        call << eventClass << eventId << bytes;
        if (SessionBus().send(call)) ++sent;
    }
    return sent;
}

bool SuiteProcessOnBus(std::string_view processName)
{
    return !OtherSuiteNames(processName).isEmpty();
}

#include "suite_bus.moc"

#include "platform/preferences.h"

#include "platform/internal.h"
#include "platform/test_seams.h"

#include <QSettings>
#include <QStringList>
#include <memory>

using namespace platform;

namespace {

QString Key(std::string_view key)
{
    return Utf8(key);
}

// The same file whether or not the application object has its names yet.
std::unique_ptr<QSettings> Settings()
{
    return std::make_unique<QSettings>(QStringLiteral("Kelvane"), QStringLiteral("Merestone"));
}

} // namespace

std::optional<int> PrefInteger(std::string_view key)
{
    const QVariant v = Settings()->value(Key(key));
    if (v.typeId() != QMetaType::QString && v.typeId() != QMetaType::Int && v.typeId() != QMetaType::LongLong)
        return std::nullopt;
    bool ok = false;
    const int n = v.toString().trimmed().toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

std::optional<std::string> PrefText(std::string_view key)
{
    const QVariant v = Settings()->value(Key(key));
    // A text with commas that lost its quotes comes back as a list.
    if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(QLatin1Char(',')).toStdString();
    if (v.typeId() != QMetaType::QString) return std::nullopt;
    return v.toString().toStdString();
}

void SetPrefInteger(std::string_view key, int value)
{
    Settings()->setValue(Key(key), value);
}

void SetPrefText(std::string_view key, std::string_view utf8)
{
    Settings()->setValue(Key(key), Utf8(utf8));
}

void SyncPrefs()
{
    Settings()->sync();
}

void ClearPreferencesForTests()
{
    Settings()->clear(); // written when the object goes
}

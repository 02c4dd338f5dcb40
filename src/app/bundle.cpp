#include "app/bundle.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

std::string& FolderOverride()
{
    static std::string folder;
    return folder;
}

const QJsonObject& InfoDictionary()
{
    static QJsonObject dict;
    static std::string loadedFrom;
    const std::string folder = DataFolder();
    if (loadedFrom != folder) { // read once per data folder
        loadedFrom = folder;
        dict = QJsonObject();
        QFile file(QString::fromStdString(folder + "/Info.json"));
        if (file.size() < (1 << 20) && file.open(QIODevice::ReadOnly))
            dict = QJsonDocument::fromJson(file.readAll()).object();
    }
    return dict;
}

} // namespace

std::string DataFolder()
{
    if (!FolderOverride().empty()) return FolderOverride();
    const QString bin = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QStringLiteral(".");
    return QFileInfo(bin + QStringLiteral("/../share/merestone")).absoluteFilePath().toStdString();
}

void SetDataFolder(std::string folder)
{
    FolderOverride() = std::move(folder);
}

std::string GetCFBundleVersion(std::string_view key)
{
    const QJsonValue v = InfoDictionary().value(QString::fromUtf8(key.data(), qsizetype(key.size())));
    return v.isString() ? v.toString().toStdString() : std::string();
}

std::string BundleResourcePath(std::string_view name, std::string_view subdir)
{
    if (name.empty()) return {};
    const std::string path = DataFolder() + "/" + std::string(subdir) + "/" + std::string(name);
    const QFileInfo info(QString::fromStdString(path));
    return info.isFile() ? path : std::string();
}

std::string CFStringDeleteExtension(std::string_view text)
{
    std::string out(text);
    for (std::size_t at; (at = out.find(".pdf")) != std::string::npos;) out.erase(at, 4);
    return out;
}

std::string MakerWebHost()
{
    const std::string host = GetCFBundleVersion("MerestoneWebHost");
    return host.empty() ? std::string("kelvane.example") : host;
}

std::string MakerMailAddress()
{
    const std::string mail = GetCFBundleVersion("MerestoneMailAddress");
    return mail.empty() ? "support@" + MakerWebHost() : mail;
}

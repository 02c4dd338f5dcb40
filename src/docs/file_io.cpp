#include "docs/file_io.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

FileResult Failure(const QString& error)
{
    return {false, error.toStdString()};
}

} // namespace

FileResult ReadWholeFile(const std::string& path, const std::function<void(std::string_view)>& use)
{
    QFile file(QString::fromStdString(path));
    if (QFileInfo(file).isDir()) return {false, "Is a directory"};
    if (!file.open(QIODevice::ReadOnly)) return Failure(file.errorString());
    if (file.size() > kMaxReadBytes) return {false, "The file is too large to be a data sheet"};
    const QByteArray all = file.read(kMaxReadBytes + 1);
    if (file.error() != QFileDevice::NoError) return Failure(file.errorString());
    if (all.size() > kMaxReadBytes) return {false, "The file is too large to be a data sheet"};
    use(std::string_view(all.constData(), std::size_t(all.size())));
    return {};
}

FileResult WriteFileSafely(const std::string& path, std::string_view bytes)
{
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return Failure(file.errorString());
    if (file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size())) {
        file.cancelWriting();
        return Failure(file.errorString());
    }
    if (file.flush() && ::fsync(file.handle()) != 0) { // on disk before it replaces the old file
        const QString error = QString::fromLocal8Bit(strerror(errno));
        file.cancelWriting();
        return Failure(error);
    }
    if (!file.commit()) return Failure(file.errorString());
    return {};
}

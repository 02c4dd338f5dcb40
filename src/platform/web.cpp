#include "platform/web.h"

#include "platform/internal.h"
#include "platform/test_seams.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkInformation>
#include <QNetworkReply>
#include <QPointer>
#include <QStandardPaths>
#include <memory>

namespace {

constexpr int kMaxRedirects = 5;
// A short text that has not come after this long (without a byte) never will.
constexpr int kShortTextTimeout = 10'000;
// A download that gets no byte for a minute has stalled.
constexpr int kDownloadStallLimit = 60'000;
constexpr qint64 kMaxDownloadBytes = qint64(1) << 30;

struct TestAnswers {
    int stallLimit = 0;
    qint64 maxDownloadBytes = 0;
    int networkUp = -1;
};

TestAnswers& Seams()
{
    static TestAnswers answers;
    return answers;
}

int StallLimit()
{
    return Seams().stallLimit > 0 ? Seams().stallLimit : kDownloadStallLimit;
}

qint64 MaxDownloadBytes()
{
    return Seams().maxDownloadBytes > 0 ? Seams().maxDownloadBytes : kMaxDownloadBytes;
}

QNetworkAccessManager* Manager()
{
    static QPointer<QNetworkAccessManager> manager;
    if (!manager) manager = new QNetworkAccessManager(qApp);
    return manager;
}

QNetworkReply* Get(const std::string& url, int timeout)
{
    QNetworkRequest request(QUrl(QString::fromStdString(url), QUrl::StrictMode));
    // Redirects lead only where it is as safe as the first address (never
    // from HTTPS to HTTP), and a loop ends after a few.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    request.setTransferTimeout(timeout); // counts from the last byte
    return Manager()->get(request);
}

int Status(QNetworkReply* reply)
{
    return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

bool Succeeded(QNetworkReply* reply)
{
    return reply->error() == QNetworkReply::NoError && Status(reply) >= 200 && Status(reply) < 300;
}

qint64 AnnouncedLength(QNetworkReply* reply)
{
    bool ok = false;
    const qint64 length = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&ok);
    return ok ? length : -1;
}

// Ends a reply that is no longer wanted; its signals find it is not the
// current one any more and do nothing.
void Drop(QNetworkReply* reply)
{
    if (!reply) return;
    if (!reply->isFinished()) reply->abort();
    reply->deleteLater();
}

struct ShortText {
    QPointer<QNetworkReply> reply;
    QByteArray body;
    qsizetype maxBytes = 0;
    void (*done)(bool ok, std::string_view body) = nullptr;
};

ShortText& Text()
{
    static ShortText text;
    return text;
}

void FinishShortText(bool ok)
{
    ShortText finished = std::exchange(Text(), {});
    Drop(finished.reply);
    if (!ok) finished.body.clear();
    if (finished.done) finished.done(ok, std::string_view(finished.body.constData(), size_t(finished.body.size())));
}

void ConnectShortText(QNetworkReply* reply)
{
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [reply] {
        if (reply == Text().reply && AnnouncedLength(reply) > Text().maxBytes) FinishShortText(false);
    });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply] {
        if (reply != Text().reply) return;
        Text().body += reply->readAll();
        if (Text().body.size() > Text().maxBytes) FinishShortText(false); // at once, not when it ends
    });
    QObject::connect(reply, &QNetworkReply::finished, reply, [reply] {
        if (reply != Text().reply) return;
        Text().body += reply->readAll();
        FinishShortText(Succeeded(reply) && Text().body.size() <= Text().maxBytes);
    });
}

struct Download {
    QPointer<QNetworkReply> reply;
    std::unique_ptr<QFile> part; // ".Merestone.zip.part" until it is complete
    QString folder, name, finalPath;
    qint64 received = 0;
    DownloadState state = DownloadState::None;
};

Download& Dl()
{
    static Download download;
    return download;
}

void EndDownload(DownloadState state)
{
    Download& d = Dl();
    d.state = state;
    if (d.part && state != DownloadState::Succeeded) d.part->remove();
    d.part.reset();
    Drop(std::exchange(d.reply, nullptr));
}

// "Merestone.zip", "Merestone (1).zip", "Merestone (2).zip" ...
QString NumberedName(const QString& name, int n)
{
    if (n == 0) return name;
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const qsizetype at = dot > 0 ? dot : name.size();
    return name.left(at) + QStringLiteral(" (%1)").arg(n) + name.mid(at);
}

// The complete file takes the first free name; a rename never replaces a
// file, so one that appears meanwhile is kept too.
void NameDownloadedFile()
{
    Download& d = Dl();
    for (int n = 0; n < 1000; ++n) {
        const QString path = d.folder + QLatin1Char('/') + NumberedName(d.name, n);
        if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) continue;
        if (!d.part->rename(path)) break;
        d.finalPath = path;
        return EndDownload(DownloadState::Succeeded);
    }
    EndDownload(DownloadState::Failed);
}

// Only a success's body goes into the file, never an error page.
void StoreReceived(QNetworkReply* reply)
{
    Download& d = Dl();
    const QByteArray bytes = reply->isOpen() ? reply->readAll() : QByteArray(); // closed when it timed out
    if (Status(reply) < 200 || Status(reply) > 299) return;
    d.received += bytes.size();
    if (d.received > MaxDownloadBytes() || d.part->write(bytes) != bytes.size()) EndDownload(DownloadState::Failed);
}

void ConnectDownload(QNetworkReply* reply)
{
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [reply] {
        if (reply == Dl().reply && AnnouncedLength(reply) > MaxDownloadBytes()) EndDownload(DownloadState::Failed);
    });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply] {
        if (reply == Dl().reply) StoreReceived(reply);
    });
    QObject::connect(reply, &QNetworkReply::finished, reply, [reply] {
        if (reply != Dl().reply) return;
        StoreReceived(reply);
        if (reply != Dl().reply) return; // too long
        Dl().part->close();              // written out, or an error
        if (Succeeded(reply) && Dl().part->error() == QFileDevice::NoError)
            NameDownloadedFile();
        else
            EndDownload(DownloadState::Failed);
    });
}

} // namespace

bool NetworkIsUp()
{
    if (Seams().networkUp >= 0) return Seams().networkUp == 1;
    static const bool monitored = QNetworkInformation::loadDefaultBackend()
        || QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability);
    const QNetworkInformation* monitor = monitored ? QNetworkInformation::instance() : nullptr;
    return !monitor || monitor->reachability() != QNetworkInformation::Reachability::Disconnected;
}

void RequestShortText(const std::string& url, std::size_t maxBytes, void (*done)(bool ok, std::string_view body))
{
    CancelShortText();
    Text() = {Get(url, kShortTextTimeout), {}, qsizetype(maxBytes), done};
    ConnectShortText(Text().reply);
}

void CancelShortText()
{
    Drop(std::exchange(Text(), {}).reply);
}

void StartDownload(const std::string& url, const std::string& folder, const std::string& fileName)
{
    EndDownload(DownloadState::None);
    Download& d = Dl();
    d.folder = QString::fromStdString(folder);
    d.name = QString::fromStdString(fileName);
    d.finalPath.clear();
    d.received = 0;
    d.part = std::make_unique<QFile>(d.folder + QStringLiteral("/.") + d.name + QStringLiteral(".part"));
    if (folder.empty()) return EndDownload(DownloadState::Failed);
    QFile::remove(d.part->fileName()); // left by a run that ended during a download
    if (!d.part->open(QIODevice::WriteOnly | QIODevice::NewOnly)) return EndDownload(DownloadState::Failed);
    d.state = DownloadState::Running;
    d.reply = Get(url, StallLimit());
    ConnectDownload(d.reply);
}

DownloadState DownloadStatus()
{
    return Dl().state;
}

std::string DownloadedFile()
{
    return Dl().state == DownloadState::Succeeded ? Dl().finalPath.toStdString() : std::string();
}

std::string DownloadsFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder)) return {};
    return folder.toStdString();
}

int OpenDownloadsFolder()
{
    const std::string folder = DownloadsFolder();
    if (folder.empty()) return -50;
    const QUrl url = QUrl::fromLocalFile(QString::fromStdString(folder));
    const auto& opener = platform::R().urlOpener;
    return (opener ? opener(url.toString().toStdString()) : QDesktopServices::openUrl(url)) ? 0 : -50;
}

bool MoveFileToTrash(const std::string& path)
{
    const QString file = QString::fromStdString(path);
    if (!QFileInfo::exists(file) && !QFileInfo(file).isSymLink()) return true;
    // Qt 6.4 makes the trash in the current folder when the user's data
    // folder is missing.
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    return QFile::moveToTrash(file);
}

void SetDownloadLimits(int stallMilliseconds, long long maxBytes)
{
    Seams().stallLimit = stallMilliseconds;
    Seams().maxDownloadBytes = maxBytes;
}

void SetNetworkMonitorAnswer(int up)
{
    Seams().networkUp = up;
}

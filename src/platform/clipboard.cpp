#include "platform/clipboard.h"

#include "platform/mac_roman.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QStringDecoder>

namespace {

// Longer texts are refused anyway; converting more would only cost time.
constexpr qsizetype kLongestUseful = 2 * qsizetype(Str255::kMax);

bool Decode(const QMimeData& data, const QString& format, QString& text)
{
    const QString f = format.toLower();
    if (!f.startsWith(QLatin1String("text/"))) return false;
    const QByteArray bytes = data.data(format);
    if (f.startsWith(QLatin1String("text/plain;charset=utf-16"))) {
        QStringDecoder utf16(QStringDecoder::Utf16);
        text = utf16(bytes);
    } else {
        text = QString::fromUtf8(bytes); // plain text on this desktop is UTF-8
    }
    return true;
}

} // namespace

void PutTextToClipboard(const Str255& text)
{
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(ToQString(text));
}

bool GetTextFromClipboard(Str255& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    if (!data) return false;
    for (const QString& format : data->formats()) {
        QString decoded;
        if (!Decode(*data, format, decoded)) continue;
        const std::string bytes = QStringToMacRomanBytes(decoded.left(kLongestUseful));
        if (bytes.size() > Str255::kMax) return false;
        text = Str255(bytes);
        return true;
    }
    return false;
}

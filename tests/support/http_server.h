// A small HTTP/1.1 server on 127.0.0.1 for tests of the program's web
// requests. Each path answers as its route says, the ways a broken or
// hostile server answers included. With tls it speaks HTTPS with a
// certificate for 127.0.0.1 that this process is made to trust.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

class QTcpServer;
class QTcpSocket;

// What the server answers on one path. Its fields in this order:
struct HttpRoute {
    using Headers = QList<QPair<QByteArray, QByteArray>>;
    HttpRoute(int status = 200, QByteArray body = {}, Headers headers = {}, bool answers = true, int delayMs = 0,
              qint64 streamBytes = 0)
        : status(status)
        , body(std::move(body))
        , headers(std::move(headers))
        , answers(answers)
        , delayMs(delayMs)
        , streamBytes(streamBytes)
    {
    }
    int status;
    QByteArray body;
    // Location for a redirect; a Content-Length given here is sent as it
    // is, whatever the body's size.
    Headers headers;
    bool answers; // false: takes the request and never answers
    int delayMs;  // waits this long before it answers
    // After the body, this many more bytes, a chunk at a time, and then the
    // connection closes; without a Content-Length given, the close ends the
    // body.
    qint64 streamBytes;
};

class HttpServer : public QObject {
public:
    explicit HttpServer(bool tls = false);
    QString Base() const; // "http://127.0.0.1:PORT" or "https://..."
    void Route(const QByteArray& path, const HttpRoute& route) { routes_[path] = route; }

private:
    void Read(QTcpSocket* socket);
    void Answer(QTcpSocket* socket, const QByteArray& path);
    void Stream(QTcpSocket* socket, qint64 left);
    bool tls_;
    QTcpServer* server_;
    QHash<QByteArray, HttpRoute> routes_;
};

// A small HTTP/1.1 server on 127.0.0.1 for tests of the program's web requests: each path answers as its route says, as
// a broken or hostile server would too. With tls it speaks HTTPS, with a certificate this process is made to trust.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

class QTcpServer;
class QTcpSocket;

// What the server answers on one path, its fields in this order; a route gives
// the first few (the {} spare it the compiler's warnings for the others).
struct HttpRoute {
    int status = 200;
    QByteArray body{};
    // Location for a redirect; a Content-Length given here is sent as it is, whatever the body's size.
    QList<QPair<QByteArray, QByteArray>> headers{};
    bool answers = true; // false: takes the request and never answers
    int delayMs = 0;     // waits this long before it answers
    // After the body, this many more bytes a chunk at a time, then the
    // connection closes; with no Content-Length given, that ends the body.
    qint64 streamBytes = 0;
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

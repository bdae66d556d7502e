#pragma once

#include <QHash>
#include <QSet>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <chrono>

#include <functional>
#include <memory>
#include <utility>

// A small web server on 127.0.0.1 for tests: answers each request with the
// page registered for its path, a redirect, or 404; a silent path is never
// answered. A raw response is sent as given, status line and headers
// included, and may leave the connection open. An endless page sends a 200
// head, then chunks without end. Every request is logged as "METHOD /path".
class LocalHttpServer : public QObject {
public:
    explicit LocalHttpServer(QObject* parent = nullptr) : QObject(parent)
    {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                serve(socket);
        });
    }

    // Also takes the port that refusingUrl() names.
    bool listen()
    {
        return m_server.listen(QHostAddress::LocalHost) &&
               m_refusing.bind(QHostAddress::LocalHost, 0, QAbstractSocket::DontShareAddress);
    }
    QString url(const QString& path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
    }
    // An address on 127.0.0.1 that refuses connections: its port is held by
    // a socket bound without listening, which no other program can take.
    QString refusingUrl() const { return QStringLiteral("http://127.0.0.1:%1/").arg(m_refusing.localPort()); }

    void setPage(const QString& path, const QByteArray& html,
                 const QByteArray& contentType = "text/html; charset=utf-8")
    {
        m_pages.insert(path, html);
        m_contentTypes.insert(path, contentType);
    }
    void setRawResponse(const QString& path, const QByteArray& bytes, bool keepOpen = false)
    {
        m_raw.insert(path, {bytes, keepOpen});
    }
    // The page a POST to that path is answered with; a GET gets setPage's.
    void setPostAnswer(const QString& path, const QByteArray& html) { m_postAnswers.insert(path, html); }
    void setRedirect(const QString& path, const QString& location) { m_redirects.insert(path, location); }
    void setSilent(const QString& path) { m_silent.insert(path); }
    // A chunk of that many bytes at each interval; with no interval, as fast
    // as the client takes them, never more than one chunk waiting. Ends after
    // 10 s or 256 MiB all the same, so that a client that never stops reading
    // cannot hold a test for long.
    void setEndless(const QString& path, qsizetype chunk, std::chrono::milliseconds interval)
    {
        m_endless.insert(path, {chunk, interval});
    }
    // Called as each request arrives, before it is answered.
    void onRequest(std::function<void(const QString& request)> hook) { m_hook = std::move(hook); }

    int requestCount() const { return m_requests.size(); }
    QStringList requests() const { return m_requests; }
    // Path and query of each request, as they came on the wire.
    const QList<QByteArray>& requestTargets() const { return m_targets; }

private:
    void serve(QTcpSocket* socket)
    {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            QByteArray& request = m_pending[socket];
            request += socket->readAll();
            if (!request.contains("\r\n\r\n"))
                return;
            const QList<QByteArray> words = request.split(' ');
            const QString path = QString::fromLatin1(words.value(1));
            m_targets.append(words.value(1));
            m_requests << QString::fromLatin1(words.value(0)) + QLatin1Char(' ') + path;
            m_pending.remove(socket);
            if (m_hook)
                m_hook(m_requests.constLast());
            if (m_raw.contains(path)) {
                const auto& [bytes, keepOpen] = m_raw.value(path);
                socket->write(bytes);
                if (!keepOpen)
                    socket->disconnectFromHost();
                return;
            }
            if (m_silent.contains(path))
                return;
            if (m_endless.contains(path)) {
                sendEndless(socket, m_endless.value(path));
                return;
            }
            if (m_redirects.contains(path)) {
                socket->write("HTTP/1.1 302 Found\r\nLocation: " + m_redirects.value(path).toLatin1() +
                              "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
                socket->disconnectFromHost();
                return;
            }
            const bool posted = words.value(0) == "POST" && m_postAnswers.contains(path);
            const bool found = posted || m_pages.contains(path);
            const QByteArray body = posted  ? m_postAnswers.value(path)
                                    : found ? m_pages.value(path)
                                            : QByteArray("<title>Absente</title>");
            const QByteArray type =
                found && !posted ? m_contentTypes.value(path) : QByteArray("text/html; charset=utf-8");
            socket->write((found ? "HTTP/1.1 200 OK\r\n" : "HTTP/1.1 404 Not Found\r\n") +
                          (type.isEmpty() ? QByteArray() : "Content-Type: " + type + "\r\n") + "Content-Length: " +
                          QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
            socket->disconnectFromHost();
        });
    }

    void sendEndless(QTcpSocket* socket, std::pair<qsizetype, std::chrono::milliseconds> pace)
    {
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\n\r\n");
        auto sent = std::make_shared<qint64>(0);
        auto send = [socket, sent, chunk = QByteArray(pace.first, 'x')] {
            if (*sent >= 256 * 1024 * 1024)
                socket->disconnectFromHost();
            else if (socket->state() == QAbstractSocket::ConnectedState)
                *sent += socket->write(chunk);
        };
        QTimer::singleShot(std::chrono::seconds(10), socket, &QTcpSocket::disconnectFromHost);
        if (pace.second.count() == 0) {
            connect(socket, &QTcpSocket::bytesWritten, socket, [socket, send] {
                if (socket->bytesToWrite() == 0)
                    send();
            });
            send();
            return;
        }
        auto* timer = new QTimer(socket);
        connect(timer, &QTimer::timeout, socket, send);
        timer->start(pace.second);
    }

    QTcpServer m_server;
    QTcpSocket m_refusing;
    QHash<QString, QByteArray> m_pages;
    QHash<QString, QByteArray> m_contentTypes;
    QHash<QString, std::pair<QByteArray, bool>> m_raw;
    QHash<QString, QByteArray> m_postAnswers;
    QHash<QString, QString> m_redirects;
    QSet<QString> m_silent;
    QHash<QString, std::pair<qsizetype, std::chrono::milliseconds>> m_endless;
    QHash<QTcpSocket*, QByteArray> m_pending;
    QStringList m_requests;
    QList<QByteArray> m_targets;
    std::function<void(const QString&)> m_hook;
};

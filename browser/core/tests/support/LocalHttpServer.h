#pragma once

#include <QHash>
#include <QTcpServer>
#include <QTcpSocket>

#include <utility>

// A small web server on 127.0.0.1 for tests: answers each GET with the page
// registered for its path, or 404. A raw response is sent as given, status
// line and headers included, and may leave the connection open.
class LocalHttpServer : public QObject {
public:
    explicit LocalHttpServer(QObject* parent = nullptr) : QObject(parent)
    {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                serve(socket);
        });
    }

    bool listen() { return m_server.listen(QHostAddress::LocalHost); }
    QString url(const QString& path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
    }
    void setPage(const QString& path, const QByteArray& html) { m_pages.insert(path, html); }
    void setRawResponse(const QString& path, const QByteArray& bytes, bool keepOpen = false)
    {
        m_raw.insert(path, {bytes, keepOpen});
    }
    int requestCount() const { return m_requests; }
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
            ++m_requests;
            m_targets.append(request.split(' ').value(1));
            const QString path = QString::fromLatin1(m_targets.last());
            m_pending.remove(socket);
            if (m_raw.contains(path)) {
                const auto& [bytes, keepOpen] = m_raw.value(path);
                socket->write(bytes);
                if (!keepOpen)
                    socket->disconnectFromHost();
                return;
            }
            const bool found = m_pages.contains(path);
            const QByteArray body = found ? m_pages.value(path) : QByteArray("<title>Absente</title>");
            socket->write((found ? "HTTP/1.1 200 OK\r\n" : "HTTP/1.1 404 Not Found\r\n")
                          + QByteArray("Content-Type: text/html; charset=utf-8\r\nContent-Length: ")
                          + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
            socket->disconnectFromHost();
        });
    }

    QTcpServer m_server;
    QHash<QString, QByteArray> m_pages;
    QHash<QString, std::pair<QByteArray, bool>> m_raw;
    QHash<QTcpSocket*, QByteArray> m_pending;
    QList<QByteArray> m_targets;
    int m_requests = 0;
};

#include "common/LocalSite.h"

#include <QBuffer>
#include <QEventLoop>
#include <QImage>
#include <QTcpSocket>
#include <QTimer>

bool WaitUntil(const std::function<bool()>& condition, int iMs)
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (condition())
            loop.quit();
    });
    poll.start(10);
    QTimer::singleShot(iMs, &loop, &QEventLoop::quit);
    loop.exec();
    return condition();
}

LocalSite::LocalSite()
{
    m_server.listen(QHostAddress::LocalHost);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Answer(socket); });
        }
    });
}

QString LocalSite::Url(const QByteArray& path) const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()) +
           QString::fromLatin1(path);
}

// One request a connection, answered once its head is in.
void LocalSite::Answer(QTcpSocket* socket)
{
    const QByteArray request = socket->peek(socket->bytesAvailable());
    if (!request.contains("\r\n\r\n"))
        return;
    const QByteArray path = request.split(' ').value(1);
    socket->readAll();
    if (m_hanging.contains(path))
        return;
    Reply reply = m_replies.value(path, {"Not here", "text/plain", 404, {}});
    if (auto failing = m_failing.find(path); failing != m_failing.end() && failing->second-- > 0)
        reply = {"Failed", "text/plain", failing->first, {}};
    QByteArray head = "HTTP/1.1 " + QByteArray::number(reply.status) +
                      " Reply\r\nContent-Type: " + reply.type +
                      "\r\nContent-Length: " + QByteArray::number(reply.body.size()) +
                      "\r\nConnection: close\r\n";
    if (!reply.location.isEmpty())
        head += "Location: " + reply.location + "\r\n";
    socket->write(head + "\r\n" + reply.body);
    socket->disconnectFromHost();
}

QByteArray LocalSite::Picture(QSize size, QColor color, const QByteArray& format)
{
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, format.constData());
    return bytes;
}

QByteArray LocalSite::Page(const QByteArray& head, const QByteArray& body)
{
    return "<!DOCTYPE html><html><head><title>A site</title>" + head + "</head><body>" + body +
           "</body></html>";
}

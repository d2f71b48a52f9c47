#pragma once

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QTcpServer>
#include <functional>

// Runs the event loop until the condition holds: unlike QTest::qWaitFor it never sleeps, which
// would hold the web engine up at every one of its many turns.
bool WaitUntil(const std::function<bool()>& condition, int iMs = 20000);

// A web site on 127.0.0.1 served by the test itself, so that no test reaches the internet. Each
// path gets the reply given for it, any other a 404; a path that hangs is never answered.
class LocalSite : public QObject
{
public:
    struct Reply {
        QByteArray body;
        QByteArray type = "text/html";
        int status = 200;
        QByteArray location; // where a redirect leads
    };

    LocalSite();

    void Serve(const QByteArray& path, const QByteArray& body, const QByteArray& type = "text/html")
    {
        m_replies.insert(path, {body, type, 200, {}});
    }
    void Redirect(const QByteArray& path, const QByteArray& location)
    {
        m_replies.insert(path, {{}, "text/html", 302, location});
    }
    void Hang(const QByteArray& path) { m_hanging.insert(path, true); }
    // The first iTimes requests of the path get the status (410, 503), the rest what it serves.
    void Fail(const QByteArray& path, int iStatus, int iTimes = 1000)
    {
        m_failing.insert(path, {iStatus, iTimes});
    }
    // "http://127.0.0.1:<port><path>"
    QString Url(const QByteArray& path) const;

    // A picture file of one colour, in the format named ("PNG", "JPG", "BMP", "ICO").
    static QByteArray Picture(QSize size, QColor color, const QByteArray& format = "PNG");
    // A page with the head and the body given.
    static QByteArray Page(const QByteArray& head, const QByteArray& body = "<h1>A site</h1>");

private:
    void Answer(QTcpSocket* socket);

    QTcpServer m_server;
    QHash<QByteArray, Reply> m_replies;
    QHash<QByteArray, bool> m_hanging;
    QHash<QByteArray, std::pair<int, int>> m_failing;
};

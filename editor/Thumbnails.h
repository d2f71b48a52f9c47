#pragma once

#include <QHash>
#include <QIcon>
#include <QImage>
#include <QObject>
#include <QString>
#include <QThreadPool>

// Small pictures of picture files, for lists that name pictures. A picture is read at thumbnail
// size on a worker thread, so asking never holds the window up: until the thumbnail is ready the
// answer is a neutral placeholder, which also stands for a picture that cannot be read. A file is
// read once for as long as its size and modification time stay the same.
class Thumbnails : public QObject
{
    Q_OBJECT

public:
    // The largest side of a thumbnail, in pixels.
    static constexpr int Size = 32;

    // The program's one cache, living as long as the application object.
    static Thumbnails& Shared();

    // The thumbnail of a picture file ("\"-separated path): the placeholder until it is ready,
    // when Ready follows, and for good when the file cannot be read as a picture.
    QIcon Icon(const QString& sFile);
    // What a picture shows before its thumbnail is ready, or when it has none.
    QIcon Placeholder() const { return m_placeholder; }

signals:
    // The thumbnail of sFile has been read, or the file found unreadable: Icon now gives it.
    void Ready(const QString& sFile);

private:
    explicit Thumbnails(QObject* parent);
    ~Thumbnails() override;

    void Read(const QString& sFile, const QString& sStamp);
    void Finished(const QString& sFile, const QString& sStamp, const QImage& image);

    struct Entry {
        QString stamp; // the file's size and modification time when it was read
        QIcon icon;    // null while it is being read
    };
    QHash<QString, Entry> m_entries;
    QIcon m_placeholder;
    QThreadPool m_pool;
};

#include "model/PageArchive.h"

#include "support/Error.h"
#include "support/FileError.h"
#include "support/FileNameParts.h"
#include "support/LinkText.h"
#include "support/NativePath.h"
#include "support/NewFile.h"
#include "support/WholeFile.h"
#include "support/basProcs.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QTemporaryDir>
#include <memory>
#include <sys/stat.h>
#include <zip.h>

using namespace Qt::StringLiterals;

namespace
{

const QString SettingsName = u"qzhome.dat"_s;
const QString PageName = u"qzhome.html"_s;
const QString TrailsScript = u"trails.js"_s;

using Zip = std::unique_ptr<zip_t, decltype(&zip_discard)>;

// The pictures of the page, each once, in the order the page names them.
QStringList PictureNames(const CWebPage& page)
{
    QStringList names{page.Wallpaper(), page.MouseTrails()};
    for (const std::shared_ptr<CWebPage>& link : page.Links())
        names << link->MainPicture();
    for (const QString& own : {QString(), SettingsName, PageName, TrailsScript})
        names.removeAll(own);
    names.removeDuplicates();
    return names;
}

// A name the page refers to beside itself: no folder, no way up.
bool IsBareName(const QString& sName)
{
    return !sName.contains(u'\\') && !sName.contains(u'/') && sName != u"."_s && sName != u".."_s;
}

// Every picture reference of the page passed through change.
template <class Change> void ChangePictures(CWebPage& page, Change change)
{
    page.SetWallpaper(change(page.Wallpaper()));
    page.SetMouseTrails(change(page.MouseTrails()));
    for (const std::shared_ptr<CWebPage>& link : page.Links())
        link->SetMainPicture(change(link->MainPicture()));
}

// ---- Writing

// Builds the ZIP in memory, so that the file on the disk is written in one go through QSaveFile.
class ZipBuilder
{
public:
    ZipBuilder()
    {
        zip_error_t error;
        zip_error_init(&error);
        m_buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
        m_zip.reset(m_buffer ? zip_open_from_source(m_buffer, ZIP_CREATE | ZIP_TRUNCATE, &error)
                             : nullptr);
        if (!m_zip) {
            zip_source_free(m_buffer);
            Fail(QString::fromUtf8(zip_error_strerror(&error)));
        }
        // The buffer outlives the archive: its bytes are the result.
        zip_source_keep(m_buffer);
    }
    ~ZipBuilder() { zip_source_free(m_buffer); }

    // Pictures are compressed already, and deflating them again only costs time.
    void Add(const QString& sName, QByteArray bytes, bool bDeflate)
    {
        m_kept.append(std::move(bytes));
        const QByteArray& kept = m_kept.constLast();
        zip_source_t* source =
            zip_source_buffer(m_zip.get(), kept.constData(), zip_uint64_t(kept.size()), 0);
        const zip_int64_t index =
            source ? zip_file_add(m_zip.get(), sName.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8)
                   : -1;
        if (index < 0) {
            zip_source_free(source);
            Fail(QString::fromUtf8(zip_strerror(m_zip.get())));
        }
        if (!bDeflate)
            zip_set_file_compression(m_zip.get(), zip_uint64_t(index), ZIP_CM_STORE, 0);
    }

    QByteArray Finish()
    {
        if (zip_close(m_zip.get()) != 0)
            Fail(QString::fromUtf8(zip_strerror(m_zip.get())));
        m_zip.release();
        zip_stat_t stat;
        QByteArray bytes;
        if (zip_source_open(m_buffer) == 0 && zip_source_stat(m_buffer, &stat) == 0) {
            bytes.resize(qsizetype(stat.size));
            const zip_int64_t got = zip_source_read(m_buffer, bytes.data(), stat.size);
            zip_source_close(m_buffer);
            if (got == zip_int64_t(stat.size))
                return bytes;
        }
        Fail(QString::fromUtf8(zip_error_strerror(zip_source_error(m_buffer))));
    }

private:
    [[noreturn]] static void Fail(const QString& sWhy)
    {
        throw Error(
            Error::PathFileAccessError,
            QCoreApplication::translate("PageArchive", "The export could not be put together: %1.")
                .arg(sWhy));
    }

    zip_source_t* m_buffer = nullptr;
    Zip m_zip{nullptr, &zip_discard};
    QList<QByteArray> m_kept;
};

void WriteWhole(const QString& sFile, const QByteArray& bytes)
{
    QSaveFile file(NativePath(sFile));
    if (!file.open(QIODevice::WriteOnly))
        throw FileError::OpenFailed(file, sFile, FileError::Access::Write);
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw FileError::WriteFailed(sFile);
}

// ---- Reading

// A ZIP opened for reading, whose every refusal names the file and says why.
class ZipReader
{
public:
    explicit ZipReader(const QString& sFile) : m_file(sFile)
    {
        // Opened first, so that a missing or locked file is told as every file is.
        if (const std::optional<Error> notAFile = FileError::NotAFile(sFile))
            throw *notAFile;
        if (QFile file(NativePath(sFile)); !file.open(QIODevice::ReadOnly))
            throw FileError::OpenFailed(file, sFile, FileError::Access::Read);
        int code = 0;
        m_zip.reset(zip_open(QFile::encodeName(NativePath(sFile)).constData(),
                             ZIP_RDONLY | ZIP_CHECKCONS, &code));
        if (!m_zip) {
            zip_error_t error;
            zip_error_init_with_code(&error, code);
            const QString why = QString::fromUtf8(zip_error_strerror(&error));
            zip_error_fini(&error);
            if (code == ZIP_ER_NOZIP)
                Refuse(QCoreApplication::translate("PageArchive", "It is no ZIP file (%1)."), why);
            RefuseDamaged(why);
        }
    }

    zip_int64_t Count() const { return zip_get_num_entries(m_zip.get(), 0); }
    QString Name(zip_int64_t index) const
    {
        return QString::fromUtf8(zip_get_name(m_zip.get(), zip_uint64_t(index), 0));
    }
    zip_int64_t Find(const QString& sName) const
    {
        return zip_name_locate(m_zip.get(), sName.toUtf8().constData(), 0);
    }
    qint64 Size(zip_int64_t index) const
    {
        zip_stat_t stat;
        return zip_stat_index(m_zip.get(), zip_uint64_t(index), 0, &stat) == 0 &&
                       (stat.valid & ZIP_STAT_SIZE)
                   ? qint64(stat.size)
                   : 0;
    }
    bool IsLink(zip_int64_t index) const
    {
        zip_uint8_t system = 0;
        zip_uint32_t attributes = 0;
        return zip_file_get_external_attributes(m_zip.get(), zip_uint64_t(index), 0, &system,
                                                &attributes) == 0 &&
               system == ZIP_OPSYS_UNIX && ((attributes >> 16) & S_IFMT) == S_IFLNK;
    }

    // The entry's bytes, checked against their checksum.
    QByteArray Read(zip_int64_t index) const
    {
        std::unique_ptr<zip_file_t, decltype(&zip_fclose)> entry(
            zip_fopen_index(m_zip.get(), zip_uint64_t(index), 0), &zip_fclose);
        if (!entry)
            RefuseDamaged(QString::fromUtf8(zip_strerror(m_zip.get())));
        QByteArray bytes(Size(index), Qt::Uninitialized);
        qint64 read = 0;
        // Read to its end, where the checksum is checked: a byte beyond the size it gives is
        // damage too.
        for (char beyond = 0;;) {
            const bool full = read == bytes.size();
            const zip_int64_t got = zip_fread(entry.get(), full ? &beyond : bytes.data() + read,
                                              full ? 1 : zip_uint64_t(bytes.size() - read));
            if (got < 0 || (full && got > 0))
                RefuseDamaged(QString::fromUtf8(zip_file_strerror(entry.get())));
            if (got == 0)
                break;
            read += got;
        }
        bytes.truncate(read);
        return bytes;
    }

    [[noreturn]] void Refuse(const QString& sWhy, const QString& sDetail = {}) const
    {
        const QString why = sDetail.isEmpty() ? sWhy : sWhy.arg(sDetail);
        throw Error(
            Error::InvalidFileFormat,
            QCoreApplication::translate(
                "PageArchive", "The page cannot be imported from \"%1\". %2 Nothing was changed.")
                .arg(DisplayPath(m_file), why));
    }
    [[noreturn]] void RefuseDamaged(const QString& sDetail) const
    {
        Refuse(QCoreApplication::translate("PageArchive", "It is damaged: %1."), sDetail);
    }
    const QString& File() const { return m_file; }

private:
    QString m_file;
    Zip m_zip{nullptr, &zip_discard};
};

// A name that leads out of the folder it is unpacked in: from the root, a drive, or upwards.
bool ClimbsOut(const QString& sName)
{
    if (sName.startsWith(u'/') || sName.startsWith(u'\\') ||
        (sName.size() >= 2 && sName.at(0).isLetter() && sName.at(1) == u':'))
        return true;
    for (const QStringView part : QStringView(sName).split(QRegularExpression(u"[/\\\\]"_s)))
        if (part == u"..")
            return true;
    return false;
}

// The one folder that every entry lies in, after each entry has been checked; a refusal when
// there are too many entries, one that leads out, a link, or entries outside one folder.
QString CheckedFolder(const ZipReader& zip)
{
    if (zip.Count() > PageArchive::MaxEntries)
        zip.Refuse(QCoreApplication::translate(
                       "PageArchive", "It holds %1 files, and an export holds at most 10,000."),
                   QString::number(zip.Count()));
    QString folder;
    qint64 unpacked = 0;
    for (zip_int64_t index = 0; index < zip.Count(); ++index) {
        const QString name = zip.Name(index);
        if (ClimbsOut(name))
            zip.Refuse(QCoreApplication::translate(
                           "PageArchive",
                           "It holds \"%1\", a name that leads out of its folder, where unpacking "
                           "it could change any file."),
                       name);
        if (zip.IsLink(index))
            zip.Refuse(QCoreApplication::translate(
                           "PageArchive",
                           "It holds \"%1\", a symbolic link, which could lead to any file."),
                       name);
        const qsizetype slash = name.indexOf(u'/');
        if (slash <= 0 || (!folder.isEmpty() && name.left(slash) != folder))
            zip.Refuse(QCoreApplication::translate(
                "PageArchive",
                "It holds no exported page: an export holds one folder with the page "
                "and its pictures."));
        folder = name.left(slash);
        // The page and the script are never read, only the settings and the pictures.
        if (name.mid(slash + 1) != PageName && name.mid(slash + 1) != TrailsScript)
            unpacked += zip.Size(index);
    }
    if (unpacked > PageArchive::MaxUnpackedBytes)
        zip.Refuse(
            QCoreApplication::translate(
                "PageArchive", "Unpacked it would take %1 MB, and an export takes at most 200 MB."),
            QString::number((unpacked + 999999) / 1000000));
    if (zip.Find(folder + u'/' + SettingsName) < 0)
        zip.Refuse(QCoreApplication::translate("PageArchive",
                                               "It holds no exported page: its folder has no %1."),
                   SettingsName);
    return folder;
}

// The settings file read as the editor reads its own, from a temporary folder: an Error names
// the file inside the export rather than the temporary copy.
void ReadSettings(const ZipReader& zip, const QString& sFolder, CWebPage& page)
{
    const QTemporaryDir temporary;
    const QString copy = BackslashPath(temporary.path()) + u'\\' + SettingsName;
    WriteWhole(copy, zip.Read(zip.Find(sFolder + u'/' + SettingsName)));
    try {
        page.LoadSettings(copy);
    } catch (const Error& error) {
        const QString inside = zip.File() + u'\\' + sFolder + u'\\' + SettingsName;
        throw Error(error.Number(),
                    QString(error.Description()).replace(DisplayPath(copy), DisplayPath(inside)));
    }
}

// A picture's name as the page can hold it: no markup, nothing that would end its attribute.
QString CleanPictureName(const QString& sName)
{
    QString name = LinkTexts::FromOutside(sName, {}).caption;
    for (QChar& character : name)
        if (QStringView(u"\"<>&\u2039\u203A").contains(character))
            character = u'_';
    return name;
}

// Takes the markup out of every text of the page, and answers how many texts held some.
qint32 CleanTexts(CWebPage& page, const QHash<QString, QString>& pictureNames)
{
    qint32 cleaned = 0;
    const auto clean = [&cleaned](const QString& sText, const QString& sClean) {
        cleaned += sText != sClean;
        return sClean;
    };
    const auto caption = [](const QString& sText) {
        return LinkTexts::FromOutside(sText, {}).caption;
    };
    page.SetTitle(clean(page.Title(), caption(page.Title())));
    page.SetName(clean(page.Name(), caption(page.Name())));
    ChangePictures(page, [&](const QString& sName) {
        return clean(sName, pictureNames.value(sName, CleanPictureName(sName)));
    });
    for (const std::shared_ptr<CWebPage>& link : page.Links()) {
        const LinkText text = LinkTexts::FromOutside(link->Name(), link->MainLink());
        link->SetName(clean(link->Name(), text.caption));
        link->SetMainLink(clean(link->MainLink(), text.address));
    }
    return cleaned;
}

} // namespace

namespace PageArchive
{

QString FileTitle(const QString& sTitle)
{
    QString title;
    for (const QChar character : sTitle)
        if (character.category() != QChar::Other_Control &&
            !QStringView(u"\\/:*?\"<>|").contains(character))
            title += character;
    // Windows drops blanks and dots at a name's end; a name of dots alone means a folder.
    while (!title.isEmpty() && (title.back() == u' ' || title.back() == u'.'))
        title.chop(1);
    title = title.left(100).trimmed();
    return title.isEmpty() ? QCoreApplication::translate("PageArchive", "Home Page") : title;
}

void Export(const CWebPage& page, const QString& sHomeFolder, const QString& sFile)
{
    const QString folder = FileTitle(page.Title()) + u'/';
    const QTemporaryDir temporary;
    const QString written = BackslashPath(temporary.path()) + u'\\';
    page.SaveSettings(written + SettingsName);
    page.GeneratePage(written + PageName);
    ZipBuilder zip;
    zip.Add(folder + SettingsName, WholeFile::Read(written + SettingsName), true);
    zip.Add(folder + PageName, WholeFile::Read(written + PageName), true);
    const QString home = basProcs::AddBackslash(sHomeFolder);
    QStringList files = PictureNames(page);
    files.prepend(TrailsScript);
    for (const QString& name : files) {
        if (IsBareName(name) && QFileInfo(NativePath(home + name)).isFile())
            zip.Add(folder + name, WholeFile::Read(home + name), name == TrailsScript);
    }
    WriteWhole(sFile, zip.Finish());
}

Import Read(const QString& sFile)
{
    const ZipReader zip(sFile);
    const QString folder = CheckedFolder(zip);
    Import incoming;
    ReadSettings(zip, folder, incoming.page);
    // Each picture the export holds, under a clean name of its own: two names that clean alike
    // would otherwise come to name one picture.
    QHash<QString, QString> cleanNames;
    QSet<QString> taken;
    for (const QString& name : PictureNames(incoming.page)) {
        const zip_int64_t index = IsBareName(name) ? zip.Find(folder + u'/' + name) : -1;
        if (index < 0)
            continue;
        const FileNameParts parts = FileNameParts::Of(CleanPictureName(name));
        QString clean;
        for (int number = 1; clean.isEmpty() || taken.contains(clean); ++number)
            clean = NewFile::NumberedName(parts.stem, parts.extension, number);
        taken.insert(clean);
        cleanNames.insert(name, clean);
        incoming.pictures.append({clean, zip.Read(index)});
    }
    incoming.cleaned = CleanTexts(incoming.page, cleanNames);
    return incoming;
}

void Place(Import& incoming, const QString& sHomeFolder)
{
    const QString home = basProcs::AddBackslash(sHomeFolder);
    QHash<QString, QString> placed;
    for (const Picture& picture : incoming.pictures) {
        const FileNameParts parts = FileNameParts::Of(picture.name);
        const auto name = [&parts](int iNumber) {
            return NewFile::NumberedName(parts.stem, parts.extension, iNumber);
        };
        QString target;
        for (int number = 1; target.isEmpty(); ++number) {
            const QFileInfo there(NativePath(home + name(number)));
            if (!there.exists() && !there.isSymLink())
                break;
            if (there.isFile() && there.size() == picture.bytes.size() &&
                WholeFile::Read(home + name(number)) == picture.bytes)
                target = name(number);
        }
        if (target.isEmpty())
            target = basProcs::GetPathPart(NewFile::Write(home, name, picture.bytes),
                                           basProcs::PartFileName);
        placed.insert(picture.name, target);
    }
    ChangePictures(incoming.page,
                   [&placed](const QString& sName) { return placed.value(sName, sName); });
}

} // namespace PageArchive

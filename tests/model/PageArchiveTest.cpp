#include "model/PageArchive.h"

#include "common/ErrorOf.h"
#include "common/QStringPrinter.h"
#include "common/TempAppFolder.h"
#include "support/Error.h"

#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <zip.h>

using namespace Qt::StringLiterals;

namespace
{

struct Entry {
    QString name;
    QByteArray bytes;
    bool link = false;
};

// A ZIP of the entries as any program may make one.
void MakeZip(const QString& sNative, const std::vector<Entry>& entries)
{
    int code = 0;
    zip_t* zip = zip_open(QFile::encodeName(sNative).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    ASSERT_TRUE(zip);
    for (const Entry& entry : entries) {
        zip_source_t* source =
            zip_source_buffer(zip, entry.bytes.constData(), zip_uint64_t(entry.bytes.size()), 0);
        const zip_int64_t index = zip_file_add(zip, entry.name.toUtf8().constData(), source, 0);
        ASSERT_GE(index, 0) << qPrintable(entry.name);
        if (entry.link)
            zip_file_set_external_attributes(zip, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX,
                                             zip_uint32_t(S_IFLNK | 0777) << 16);
    }
    ASSERT_EQ(zip_close(zip), 0);
}

// "Kids: Page?" on sky.jpg with the trail heart.gif, its links on ball.jpg, sky.jpg and none.
CWebPage Page(const QString& sLinkPicture = u"ball.jpg"_s, const QString& sCaption = u"Ball"_s)
{
    CWebPage page;
    page.SetTitle(u"Kids: Page?"_s);
    page.SetName(u"Hello & welcome"_s);
    page.SetWallpaper(u"sky.jpg"_s);
    page.SetMouseTrails(u"heart.gif"_s);
    page.SetBackcolor(255);
    for (const auto& [caption, picture] :
         {std::pair(sCaption, sLinkPicture), {u"Sky"_s, u"sky.jpg"_s}, {u"Text"_s, QString()}}) {
        auto link = std::make_shared<CWebPage>();
        link->SetName(caption);
        link->SetMainPicture(picture);
        link->SetMainLink(u"https://example.org/?a=1&b=2"_s);
        page.Links().Add(link);
    }
    return page;
}

QByteArray SettingsBytes(const CWebPage& page, const TempAppFolder& app)
{
    page.SaveSettings(app.Path() + u"\\settings.dat"_s);
    return app.ReadFile(u"settings.dat"_s);
}

// The files below a folder, "/"-separated from it, sorted.
QStringList Files(const QString& sNative)
{
    QStringList files;
    for (QDirIterator it(sNative, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        files << QDir(sNative).relativeFilePath(it.next());
    files.sort();
    return files;
}

class Archive : public ::testing::Test
{
protected:
    Archive()
    {
        for (const QString& picture :
             {u"sky.jpg"_s, u"heart.gif"_s, u"ball.jpg"_s, u"unused.jpg"_s, u"trails.js"_s})
            app.WriteFile(u"home/"_s + picture, picture.toUtf8() + " bytes");
    }

    QString Zip() const { return app.Path() + u"\\Kids Page.zip"_s; }

    TempAppFolder app;
};

} // namespace

// Unzipped with another program, the folder holds the page, the settings, the script and the
// pictures it uses, nothing else; taken into a fresh application folder it is the same page.
TEST_F(Archive, ExportThenImportGivesTheSamePageAndPictures)
{
    const CWebPage page = Page();
    PageArchive::Export(page, app.Path() + u"\\home"_s, Zip());
    ASSERT_EQ(QProcess::execute(u"unzip"_s,
                                {u"-q"_s, NativePath(Zip()), u"-d"_s, app.NativeFile(u"out"_s)}),
              0);
    const QString folder = app.NativeFile(u"out/Kids Page"_s);
    EXPECT_EQ(Files(folder), QStringList({u"ball.jpg"_s, u"heart.gif"_s, u"qzhome.dat"_s,
                                          u"qzhome.html"_s, u"sky.jpg"_s, u"trails.js"_s}));
    const QString html = QString::fromLatin1(ReadFile(folder + u"/qzhome.html"_s));
    qsizetype references = 0;
    for (const QRegularExpressionMatch& match :
         QRegularExpression(u"(?:src|SRC|background)=\"([^\"]*)\""_s).globalMatch(html)) {
        EXPECT_TRUE(QFileInfo::exists(folder + u'/' + match.captured(1)))
            << qPrintable(match.captured(1));
        ++references;
    }
    EXPECT_EQ(references, 1 + 7 + 1 + 2);

    const TempAppFolder other;
    other.MakeFolder(u"home"_s);
    PageArchive::Import incoming = PageArchive::Read(Zip());
    EXPECT_EQ(incoming.cleaned, 0);
    PageArchive::Place(incoming, other.Path() + u"\\home"_s);
    EXPECT_EQ(SettingsBytes(incoming.page, other), SettingsBytes(page, app));
    EXPECT_EQ(Files(other.NativeFile(u"home"_s)),
              QStringList({u"ball.jpg"_s, u"heart.gif"_s, u"sky.jpg"_s}));
    for (const QString& picture : {u"ball.jpg"_s, u"heart.gif"_s, u"sky.jpg"_s})
        EXPECT_EQ(other.ReadFile(u"home/"_s + picture), app.ReadFile(u"home/"_s + picture));
}

// A name taken by other bytes gives a free name, the same bytes are used as they are, and what
// holds markup comes in without it; nothing in the home folder changes.
TEST_F(Archive, PicturesComeInUnderFreeNamesAndTextsWithoutMarkup)
{
    // The link's picture and caption, what the home folder holds under that name before (if
    // anything), the picture and caption placed, and the texts cleaned.
    const std::tuple<QString, QString, QByteArray, QString, QString, qint32> cases[] = {
        {u"ball.jpg"_s, u"Ball"_s, "ball.jpg bytes", u"ball.jpg"_s, u"Ball"_s, 0},
        {u"ball.jpg"_s, u"Ball"_s, "another ball", u"ball-2.jpg"_s, u"Ball"_s, 0},
        {u"a\"b<c>&.gif"_s, u"<b>Ball</b>"_s, {}, u"a_b_c__.gif"_s, u"‹b›Ball‹/b›"_s, 2},
    };
    for (const auto& [picture, caption, there, placed, shownCaption, cleaned] : cases) {
        SCOPED_TRACE(picture.toStdString() + " " + there.toStdString());
        app.WriteFile(u"home/"_s + picture, "ball.jpg bytes");
        PageArchive::Export(Page(picture, caption), app.Path() + u"\\home"_s, Zip());
        const TempAppFolder other;
        other.MakeFolder(u"home"_s);
        if (!there.isNull())
            other.WriteFile(u"home/"_s + picture, there);
        PageArchive::Import incoming = PageArchive::Read(Zip());
        PageArchive::Place(incoming, other.Path() + u"\\home"_s);
        const CWebPage& link = *incoming.page.Links().Item(1);
        EXPECT_EQ(std::tuple(link.MainPicture(), link.Name(), incoming.cleaned),
                  std::tuple(placed, shownCaption, cleaned));
        EXPECT_EQ(other.ReadFile(u"home/"_s + placed), "ball.jpg bytes");
        EXPECT_EQ(other.ReadFile(u"home/"_s + picture), there);
    }
}

// Each refusal says what is wrong with the file; none writes anything.
TEST_F(Archive, RefusesWhatIsNoSafeExportSayingWhy)
{
    PageArchive::Export(Page(), app.Path() + u"\\home"_s, Zip());
    QByteArray damaged = app.ReadFile(u"Kids Page.zip"_s);
    damaged[damaged.indexOf("qzhome.dat") + 16] ^= 0x55;
    const QByteArray settings = SettingsBytes(Page(), app);
    std::vector<Entry> many;
    for (int i = 0; i <= 10000; ++i)
        many.push_back({u"Page/%1.gif"_s.arg(i), {}});
    const Entry dat{u"Page/qzhome.dat"_s, settings};
    const struct {
        QString why;
        std::vector<Entry> entries; // none: the bytes below
        QByteArray bytes = {};
    } cases[] = {
        {u"It is damaged"_s, {}, damaged},
        {u"It is no ZIP file"_s, {}, "not a zip at all"},
        {u"It holds no exported page: an export holds one"_s, {{u"notes.txt"_s, "notes"}}},
        {u"its folder has no qzhome.dat"_s, {{u"Page/notes.txt"_s, "notes"}}},
        {u"It holds \"Page/../../ball.jpg\", a name that leads out of its folder"_s,
         {dat, {u"Page/../../ball.jpg"_s, "x"}}},
        {u"a name that leads out of its folder"_s, {{u"/tmp/qzhome.dat"_s, settings}}},
        {u"It holds \"Page/ball.jpg\", a symbolic link"_s,
         {dat, {u"Page/ball.jpg"_s, "/etc/passwd", true}}},
        {u"Unpacked it would take 201 MB"_s,
         {dat, {u"Page/big.bmp"_s, QByteArray(200'000'001, 0)}}},
        {u"It holds 10001 files, and an export holds at most 10,000."_s, many},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why.toStdString());
        const QString file = app.NativeFile(u"refused.zip"_s);
        if (c.entries.empty())
            app.WriteFile(u"refused.zip"_s, c.bytes);
        else
            MakeZip(file, c.entries);
        const QStringList before = Files(app.NativeFile({}));
        const QString why = ErrorOf([&] { PageArchive::Read(BackslashPath(file)); }).Description();
        const QString from =
            u"The page cannot be imported from \""_s + DisplayPath(BackslashPath(file));
        EXPECT_TRUE(why.startsWith(from) && why.contains(c.why)) << qPrintable(why);
        EXPECT_EQ(Files(app.NativeFile({})), before);
    }
}

TEST(PageArchiveTitle, HoldsOnlyWhatAFileNameCan)
{
    const std::pair<QString, QString> cases[] = {
        {u"Kids: Page?"_s, u"Kids Page"_s},
        {u"a/b\\c*d|e\"f<g>h"_s, u"abcdefgh"_s},
        {u" Tom's page. "_s, u"Tom's page"_s},
        {u"..."_s, u"Home Page"_s},
        {u"\t"_s, u"Home Page"_s},
        {QString(), u"Home Page"_s},
    };
    for (const auto& [title, name] : cases)
        EXPECT_EQ(PageArchive::FileTitle(title), name);
}

#include "common/OrdinaryUser.h"
#include "editor/EditorFixture.h"
#include "support/App.h"

#include <QDir>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace
{

// The versions kept, in no particular order.
QStringList History(const TempAppFolder& app)
{
    QStringList versions;
    const QDir folder(app.NativeFile(u"home/history"_s));
    for (const QString& name : folder.entryList(QDir::Files, QDir::Name))
        versions << QString::fromLatin1(app.ReadFile(u"home/history/"_s + name));
    versions.sort();
    return versions;
}

// Another program writes the settings and the page after the window read them (or made them after
// a first run): Save asks, No leaves both files as that program left them and the window as it
// was, open even when asked from the close question's Yes; Yes saves, keeping the other version,
// and the next Save, of what this window wrote itself, asks nothing.
TEST_F(Editor, AsksBeforeReplacingSettingsChangedByAnotherProgram)
{
    const QByteArray other = "\"QZBROWSE_CFG_001\"\r\n\"Theirs\"\r\n";
    const struct {
        bool fileAtLoad, closing;
        QString answer;
    } cases[] = {{true, false, u"No"_s},
                 {true, true, u"No"_s},
                 {false, false, u"No"_s},
                 {true, false, u"Yes"_s}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer.toStdString() + (c.closing ? " closing" : ""));
        QFile::remove(app.NativeFile(u"home/qzhome.dat"_s));
        Open(c.fileAtLoad ? std::optional(Page()) : std::nullopt);
        TypeInto(window.get(), u"txtTitle"_s, u"Our Page"_s);
        app.WriteFile(u"home/qzhome.dat"_s, other);
        app.WriteFile(u"home/qzhome.html"_s, "their page");
        MessageBoxSeen changed, closing;
        std::optional<ModalDriver> changedBox;
        if (c.closing) {
            ModalDriver driver([&](QWidget* box) {
                changedBox.emplace(AnswerMessageBox(c.answer, changed));
                AnswerMessageBox(u"Yes"_s, closing)(box);
            });
            window->close();
        } else {
            changedBox.emplace(AnswerMessageBox(c.answer, changed));
            PressCtrlS();
        }

        EXPECT_EQ(changed.text, u"The home page settings were changed by another program after "
                                u"this window read them. Replace them with the settings in this "
                                u"window?"_s);
        EXPECT_EQ(changed.icon, QMessageBox::Question);
        EXPECT_EQ(changed.title, App::Title());
        EXPECT_EQ(changed.buttons, QStringList({u"No"_s, u"Yes"_s}));
        const bool yes = c.answer == u"Yes"_s;
        EXPECT_EQ(app.ReadFile(u"home/qzhome.dat"_s), yes ? Golden(u"saved.dat"_s) : other);
        EXPECT_EQ(app.ReadFile(u"home/qzhome.html"_s),
                  yes ? Golden(u"saved.html"_s) : "their page");
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(Child<QLineEdit>(u"txtTitle"_s)->text(), u"Our Page"_s);
        EXPECT_EQ(History(app).contains(QString::fromLatin1(other)), yes);

        MessageBoxSeen again;
        ModalDriver none(AnswerMessageBox(u"No"_s, again), 500);
        PressCtrlS();
        EXPECT_EQ(again.text.isEmpty(), yes);
    }
}

// A first save keeps nothing, as nothing was there; each later one keeps what it replaced.
TEST_F(Editor, KeepsEachReplacedVersionInTheHistory)
{
    Open();
    QStringList saved;
    for (const QString& title : {u"First"_s, u"Second"_s, u"Third"_s}) {
        TypeInto(window.get(), u"txtTitle"_s, title);
        PressCtrlS();
        EXPECT_EQ(History(app), saved);
        saved << QString::fromLatin1(app.ReadFile(u"home/qzhome.dat"_s));
        saved.sort();
    }
}

// A history folder the parent may not write to is said, naming it, and the save goes on.
TEST_F(Editor, SavesWhenNoEarlierVersionCanBeKept)
{
    if (RanAsOrdinaryUser())
        return;
    Open(Page());
    app.MakeFolder(u"home/history"_s);
    const QString history = app.NativeFile(u"home/history"_s);
    QFile::setPermissions(history, QFile::ReadOwner | QFile::ExeOwner);
    TypeInto(window.get(), u"txtTitle"_s, u"Our Page"_s);
    MessageBoxSeen seen;
    ModalDriver driver(AnswerMessageBox(u"OK"_s, seen));
    PressCtrlS();
    QFile::setPermissions(history, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    EXPECT_TRUE(seen.text.contains(u"could not be kept"_s)) << qPrintable(seen.text);
    EXPECT_TRUE(seen.text.contains(DisplayPath(app.Path() + u"\\home\\history\\qzhome-"_s)));
    EXPECT_EQ(SavedSettings().value(1), u"Our Page"_s);
    EXPECT_TRUE(History(app).isEmpty());
}

} // namespace

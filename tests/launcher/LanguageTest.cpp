#include "launcher/ProgramFixture.h"
#include "toolkit/Languages.h"

#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QXmlStreamReader>
#include <algorithm>

// Run by CTest under several languages (see CMakeLists.txt), each with the tests it names.

// One text of a translation file: "context|source" and its translation, empty when unfinished.
using Texts = QMap<QString, QString>;

static Texts ReadTranslations(const QString& sPath)
{
    QFile file(sPath);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << sPath.toStdString();
    QXmlStreamReader xml(&file);
    Texts texts;
    QString context, source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"source")
            source = xml.readElementText();
        else if (xml.name() == u"translation")
            texts[context + u'|' + source] =
                xml.attributes().hasAttribute(u"type"_s) ? QString() : xml.readElementText();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return texts;
}

// What a translation must keep of its source: the place markers, and whether it has a key letter.
static QString Kept(const QString& sText)
{
    QStringList markers;
    for (const auto& match : QRegularExpression(u"%\\d|&(?!&)"_s).globalMatch(sText))
        markers << match.captured();
    markers.sort();
    return markers.join(u' ');
}

// The captions of the labels and buttons a window shows, "|" between; each must fit its control.
static QString Captions(const QWidget* window)
{
    QStringList captions{window->windowTitle()};
    for (QWidget* control : window->findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(control);
        auto* button = qobject_cast<QAbstractButton*>(control);
        const QString text = label ? label->text() : button ? button->text() : QString();
        if (text.isEmpty() || !control->isVisibleTo(window))
            continue;
        captions << text;
        int room = label && !label->wordWrap() ? label->contentsRect().width() : INT_MAX;
        if (auto* push = qobject_cast<QPushButton*>(control)) {
            QStyleOptionButton option;
            option.initFrom(push);
            room =
                push->style()->subElementRect(QStyle::SE_PushButtonContents, &option, push).width();
        } else if (auto* tool = qobject_cast<QToolButton*>(control)) {
            room = tool->width() - 2 * tool->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        }
        EXPECT_FALSE(control->isVisible() &&
                     control->fontMetrics().horizontalAdvance(QString(text).remove(u'&')) > room)
            << qPrintable(control->objectName() + u" does not fit: "_s + text);
    }
    return captions.join(u'|');
}

// Every text the program shows has a finished translation in each language, with the place markers
// of its source and a key letter where the source has one; the texts are those in the sources now.
TEST(Translations, AreFinishedForEveryTextOfTheSources)
{
    const QTemporaryDir folder;
    const QString current = folder.filePath(u"current.ts"_s);
    QStringList arguments{u"-silent"_s, u"-no-obsolete"_s, u"-locations"_s,
                          u"none"_s,    u"-I"_s,           QStringLiteral(QZ_SOURCE)};
    for (const char* part : {"support", "model", "toolkit", "editor", "launcher"})
        arguments << QStringLiteral(QZ_SOURCE "/") + QLatin1StringView(part);
    QProcess lupdate;
    lupdate.start(QStringLiteral(QZ_LUPDATE), arguments << u"-ts"_s << current);
    ASSERT_TRUE(lupdate.waitForFinished(60000) && lupdate.exitCode() == 0)
        << lupdate.readAllStandardError().toStdString();
    const QStringList sources = ReadTranslations(current).keys();
    ASSERT_GT(sources.size(), 100);
    for (const QString& file : QStringLiteral(QZ_TRANSLATIONS).split(u',')) {
        SCOPED_TRACE(file.toStdString());
        const Texts texts = ReadTranslations(file);
        QStringList unmatched; // not in the file, or no longer in the sources
        std::ranges::set_symmetric_difference(texts.keys(), sources, std::back_inserter(unmatched));
        EXPECT_EQ(unmatched, QStringList());
        for (const auto& [key, translation] : texts.asKeyValueRange()) {
            const QString source = key.section(u'|', 1);
            EXPECT_FALSE(translation.trimmed().isEmpty()) << key.toStdString();
            EXPECT_EQ(Kept(translation), Kept(source)) << key.toStdString();
        }
    }
}

class Language : public Program
{
protected:
    static void SetUpTestSuite() { UseSystemLanguage(); }

    // The captions of the Control Center, the editor, and its close's question, a line each.
    QString Seen()
    {
        QString seen = Captions(controlCenter) + u'\n';
        frmMain* editor = ChooseBrowser();
        if (!editor)
            return seen;
        QStringList menus;
        for (QAction* menu : editor->menuBar()->actions())
            menus << menu->text();
        seen += Captions(editor) + u'|' + menus.join(u'|') + u'\n';
        const auto fits = [](QWidget* dialog) {
            Captions(dialog);
            PressKey(dialog, Qt::Key_Escape);
        };
        ModalDriver linkDialog(fits);
        ClickButton(editor, u"cmdLink_0"_s);
        FileCommand(editor, mnuFileImportLinks, firefox, fits);
        MessageBoxSeen question; // answered No, in whatever language it is asked
        ModalDriver answer([&question](QWidget* widget) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            ASSERT_TRUE(box);
            AnswerMessageBox(box->button(QMessageBox::No)->text().remove(u'&'), question)(box);
        });
        editor->close();
        return seen + question.text + u'|' + question.buttons.join(u'|');
    }
};

TEST_F(Language, GermanShowsGermanTexts)
{
    EXPECT_EQ(
        Seen(),
        u"Steuerzentrale|Wählen Sie, was Sie einrichten möchten|Desktop|Browser|Hier klicken: "
        u"Tasten für Eltern\n"
        u"Startseiten-Editor für Zellow's Browser|Seitentitel:|Name auf der Seite:|"
        u"Hintergrundbild:|Mausspur:|Farben    |Links:|Neu...|Ändern|Entf|↑|↓|"
        u"Vorschau aktualisieren|&Datei|&Bearbeiten\n"
        u"Startseite vor dem Beenden speichern?|Ja|Nein"_s);
}

TEST_F(Language, EnglishShowsTheSourceTexts)
{
    EXPECT_EQ(Seen(), u"Control Center|Select the application you want to configure|Desktop|"
                      u"Browser|Click here to find out about parental keys\n"
                      u"Zellow's Browser Home Page Editor|Page Title:|Name On Page:|Wallpaper:|"
                      u"Mouse Trails:|Set Colors    |Links:|Add...|Edit...|Del|↑|↓|Update "
                      u"Preview|&File|&Edit\n"
                      u"Save Home Page before exiting?|No|Yes"_s);
}

// Every caption fits its label or button, in the Control Center, the editor and its dialogs.
TEST_F(Language, EveryCaptionFitsItsControl)
{
    Seen();
}

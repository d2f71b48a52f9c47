#include "../support/QStringPrinter.h"
#include "CWebPage.h"
#include "MessageBoxSeen.h"
#include "PickerDriving.h"
#include "TempAppFolder.h"
#include "WebBrowser.h"
#include "frmLink.h"
#include "usrHomeImages.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

using namespace Qt::StringLiterals;

namespace
{

const QString None = usrHomeImages::NoneEntry.toString();
const QString Preview = u"home/qzhometmp2.html"_s;

// A page with one link, in a home folder that holds cat.gif.
class LinkDialog : public ::testing::Test
{
protected:
    LinkDialog()
    {
        app.WriteFile(u"home/cat.gif"_s);
        link->SetMode(1);
        page.Links().Add(link);
    }

    void SetLink(const QString& sName, const QString& sAddress, const QString& sPicture)
    {
        link->SetName(sName);
        link->SetMainLink(sAddress);
        link->SetMainPicture(sPicture);
    }

    // Creates the dialog on the link, as the editor does, up to UpdateFields.
    frmLink& Open()
    {
        dialog.emplace(nullptr);
        dialog->SetWebPage(page.Links().Item(1));
        picker = dialog->findChild<usrHomeImages*>(u"cmbImages"_s);
        return *dialog;
    }

    QString Field(const QString& sName) const
    {
        return dialog->findChild<QLineEdit*>(sName)->text();
    }

    // The preview page that a link with these fields gives.
    QByteArray PreviewOf(const QString& sName, const QString& sPicture) const
    {
        CWebPage expected;
        expected.SetMode(1);
        expected.SetName(sName);
        expected.SetMainPicture(sPicture);
        expected.GeneratePage(app.Path() + u"\\expected.html"_s);
        return app.ReadFile(u"expected.html"_s);
    }

    TempAppFolder app;
    CWebPage page;
    std::shared_ptr<CWebPage> link = std::make_shared<CWebPage>();
    std::optional<frmLink> dialog;
    usrHomeImages* picker = nullptr;
};

TEST_F(LinkDialog, ANewLinkShowsItsCaptionInThePreview)
{
    SetLink(u"New Link"_s, QString(), QString());
    auto* browser = Open().findChild<WebBrowser*>(u"ieBrowser"_s);
    QSignalSpy loaded(browser, &WebBrowser::loadFinished);
    dialog->UpdateFields();
    dialog->show();

    EXPECT_EQ(Field(u"txtTitle"_s), u"New Link"_s);
    EXPECT_EQ(Field(u"txtURL"_s), QString());
    EXPECT_EQ(picker->Text(), None);
    EXPECT_EQ(app.ReadFile(Preview), PreviewOf(u"New Link"_s, QString()));
    ASSERT_TRUE(loaded.wait(60000));
    QString shown;
    browser->page()->runJavaScript(u"document.body.innerText"_s,
                                   [&](const QVariant& text) { shown = text.toString(); });
    EXPECT_TRUE(QTest::qWaitFor([&] { return !shown.isEmpty(); }, 60000));
    EXPECT_EQ(shown.trimmed(), u"New Link"_s);
}

// The user changes every field, previews the change and closes the dialog in one of its ways.
TEST_F(LinkDialog, WritesTheLinkOnlyOnOk)
{
    const auto click = [](const QString& sButton) {
        return [sButton](QWidget* window) { ClickButton(window, sButton); };
    };
    const auto press = [](const QString& sField, Qt::Key key) {
        return [sField, key](QWidget* window) {
            window->findChild<QWidget*>(sField)->setFocus();
            PressKey(window, key);
        };
    };
    const struct {
        const char* name;
        QString picture; // the link's picture when the dialog opens
        std::function<void(QWidget* dialog)> close;
        bool written;
    } cases[] = {
        {"OK", u"cat.gif"_s, click(u"OK"_s), true},
        {"Enter in Title", u"cat.gif"_s, press(u"txtTitle"_s, Qt::Key_Return), true},
        {"Enter in URL", u"cat.gif"_s, press(u"txtURL"_s, Qt::Key_Enter), true},
        {"Cancel", u"cat.gif"_s, click(u"Cancel"_s), false},
        {"Esc", u"cat.gif"_s, press(u"txtURL"_s, Qt::Key_Escape), false},
        {"close box", u"cat.gif"_s, [](QWidget* window) { window->close(); }, false},
        {"OK, picture gone", u"gone.gif"_s, click(u"OK"_s), true},
        {"Cancel, picture gone", u"gone.gif"_s, click(u"Cancel"_s), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetLink(u"Cat"_s, u"http://cat/"_s, c.picture);
        Open().UpdateFields();
        const QString opened = picker->Text();
        ModalDriver driver([&](QWidget* window) {
            TypeInto(window, u"txtTitle"_s, u"  Dog  "_s);
            TypeInto(window, u"txtURL"_s, u" http://dog/ "_s);
            Choose(picker->findChild<QComboBox*>(), None);
            ClickButton(window, u"cmdUpdatePreview"_s);
            c.close(window);
        });

        EXPECT_EQ(dialog->exec(), c.written ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(opened, c.picture == u"cat.gif"_s ? c.picture : None);
        EXPECT_EQ(dialog->WebPage(), nullptr);
        const CWebPage& after = *page.Links().Item(1);
        EXPECT_EQ(after.Name(), c.written ? u"  Dog  "_s : u"Cat"_s);
        EXPECT_EQ(after.MainLink(), c.written ? u" http://dog/ "_s : u"http://cat/"_s);
        EXPECT_EQ(after.MainPicture(), c.written ? QString() : c.picture);
        EXPECT_EQ(app.ReadFile(Preview), PreviewOf(u"  Dog  "_s, QString()));
    }
}

TEST_F(LinkDialog, APreviewThatCannotBeWrittenIsToldOnlyWhenAsked)
{
    app.MakeFolder(Preview);
    SetLink(u"Cat"_s, u"http://cat/"_s, u"cat.gif"_s);
    {
        ModalDriver unexpected([](QWidget* box) { ClickButton(box, u"OK"_s); });
        Open().UpdateFields();
        EXPECT_FALSE(unexpected.Ran());
    }
    MessageBoxSeen seen;
    std::optional<ModalDriver> messageBox;
    ModalDriver driver([&](QWidget* window) {
        messageBox.emplace(AnswerMessageBox(u"OK"_s, seen));
        ClickButton(window, u"cmdUpdatePreview"_s);
        ClickButton(window, u"cmdCancel"_s);
    });
    dialog->exec();

    EXPECT_TRUE(messageBox->Ran());
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_TRUE(seen.text.contains(u"qzhometmp2.html"_s)) << seen.text.toStdString();
}

} // namespace

#include "common/LocalSite.h"
#include "editor/EditorFixture.h"
#include "editor/frmCheckLinks.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>
#include <optional>

// The rows shown, each "caption: found" and any new address, ";" between them.
static QString Found(const QTreeWidget* list)
{
    QStringList rows;
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        if (const QTreeWidgetItem* item = list->topLevelItem(row); !item->isHidden())
            rows << (item->text(0) + u": "_s + item->text(2) + u' ' + item->text(3)).trimmed();
    return rows.join(u';');
}

class CheckLinks : public Editor
{
protected:
    // File, Check Links... on a page of the links "Link 1" to "Link n" at the addresses, with
    // short waits; answers once every link is checked or the time has passed.
    frmCheckLinks* Check(const QStringList& addresses, bool bCancel = false)
    {
        CWebPage page = Page(int(addresses.size()));
        for (qint32 position = 1; position <= page.Links().Count(); ++position)
            page.Links().Item(position)->SetMainLink(addresses.at(position - 1));
        Open(page);
        Child<QAction>(u"mnuFile_%1"_s.arg(mnuFileCheckLinks))->trigger();
        auto* dialog = Child<frmCheckLinks>(u"frmCheckLinks"_s);
        dialog->SetTimeLimit(300);
        dialog->SetRetryDelay(100);
        if (bCancel) {
            QCoreApplication::processEvents();
            ClickButton(dialog, u"cmdCancel"_s);
        }
        const auto* progress = dialog->findChild<QLabel*>(u"lblProgress"_s);
        WaitUntil([&] { return progress->text() == u"Checked %1 of %1"_s.arg(addresses.size()); },
                  bCancel ? 1000 : 20000);
        return dialog;
    }

    QString Addresses() const
    {
        QStringList addresses;
        for (const auto& link : window->Page().Links())
            addresses << link->MainLink();
        return addresses.join(u'|');
    }
};

// Each finding's action is a step of its own: the list and the dialog follow it, and its Undo.
TEST_F(CheckLinks, EditRemoveAndUseNewAddressAreStepsUndoneAsAny)
{
    LocalSite site;
    site.Serve("/fine", LocalSite::Page({}));
    site.Redirect("/old", "/new");
    site.Serve("/new", LocalSite::Page({}));
    const QString fine = site.Url("/fine"), missing = site.Url("/missing"), old = site.Url("/old"),
                  moved = site.Url("/new"), mail = u"mailto:parent@example.org"_s;
    frmCheckLinks* dialog = Check({fine, missing, old, mail});
    auto* found = dialog->findChild<QTreeWidget*>(u"lstFound"_s);
    const QString all =
        u"Link 2: Not found;Link 3: Moved within the site %1;Link 4: Not checked"_s.arg(moved);
    const QString page = QStringList{fine, missing, old, mail}.join(u'|');
    ASSERT_EQ(Found(found), all);
    const struct {
        int row;
        QString button, step, addresses, found;
    } cases[] = {
        {0, u"cmdRemove"_s, u"Remove Link"_s, QStringList{fine, old, mail}.join(u'|'),
         u"Link 3: Moved within the site %1;Link 4: Not checked"_s.arg(moved)},
        {1, u"cmdNewAddress"_s, u"Use New Address"_s,
         QStringList{fine, missing, moved, mail}.join(u'|'),
         u"Link 2: Not found;Link 4: Not checked"_s},
        {2, u"cmdEdit"_s, u"Edit Link"_s,
         QStringList{fine, missing, old, u"https://kids.example.org/"_s}.join(u'|'),
         u"Link 2: Not found;Link 3: Moved within the site %1"_s.arg(moved)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button.toStdString());
        std::optional<ModalDriver> link;
        if (c.button == u"cmdEdit"_s)
            link.emplace([](QWidget* link) {
                TypeInto(link, u"txtURL"_s, u"https://kids.example.org/"_s);
                PressKey(link, Qt::Key_Return);
            });
        QTest::mouseClick(found->viewport(), Qt::LeftButton, {},
                          found->visualItemRect(found->topLevelItem(c.row)).center());
        ClickButton(dialog, c.button);
        EXPECT_EQ(Addresses(), c.addresses);
        EXPECT_EQ(Found(found), c.found);
        EXPECT_EQ(EditMenu(mnuEditUndo)->text(), u"&Undo "_s + c.step);
        EditMenu(mnuEditUndo)->trigger();
        EXPECT_EQ(Addresses(), page);
        EXPECT_EQ(Found(found), all);
    }
}

// What the dialog says when nothing is wrong, and when Cancel stopped it; Esc closes it.
TEST_F(CheckLinks, SaysAllIsWellOrStopsAtCancel)
{
    LocalSite site;
    site.Serve("/fine", LocalSite::Page({}));
    site.Hang("/hangs");
    const QString fine = site.Url("/fine"), hangs = site.Url("/hangs");
    // The addresses, whether Cancel is pressed at once, the progress and result shown afterwards.
    const std::tuple<QStringList, bool, QString, QString> cases[] = {
        {{fine, fine}, false, u"Checked 2 of 2"_s, u"All 2 links answer as they should."_s},
        {{fine}, false, u"Checked 1 of 1"_s, u"The link answers as it should."_s},
        {{hangs, hangs}, true, u"Checked 0 of 2"_s, u""_s},
        {QStringList(5, u"http://gone.invalid/"_s), false, u"Checked 5 of 5"_s,
         u"The computer seems not to be online, so the links could not be checked."_s},
    };
    for (const auto& [addresses, cancel, progress, result] : cases) {
        QPointer<frmCheckLinks> dialog = Check(addresses, cancel);
        const auto* said = dialog->findChild<QLabel*>(u"lblResult"_s);
        EXPECT_EQ(dialog->findChild<QLabel*>(u"lblProgress"_s)->text(), progress);
        EXPECT_EQ(said->isHidden() ? QString() : said->text(), result);
        EXPECT_FALSE(dialog->findChild<QPushButton*>(u"cmdCancel"_s)->isEnabled());
        Activate(dialog);
        PressKey(dialog, Qt::Key_Escape);
        EXPECT_TRUE(WaitUntil([&] { return dialog.isNull(); }, 2000));
    }
}

#pragma once

#include "common/LocalSite.h"
#include "common/MessageBoxSeen.h"
#include "common/QStringPrinter.h"
#include "common/TempAppFolder.h"
#include "editor/Thumbnails.h"
#include "editor/frmMain.h"
#include "editor/usrHomeImages.h"
#include "model/CWebPage.h"
#include "support/App.h"
#include "toolkit/WebBrowser.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

inline const QString None = usrHomeImages::NoneEntry();

// A home folder that holds sky.jpg, heart.gif and ball.jpg, and the editor window opened on it.
class Editor : public ::testing::Test
{
protected:
    Editor()
    {
        for (const QString& picture : {u"sky.jpg"_s, u"heart.gif"_s, u"ball.jpg"_s})
            app.WriteFile(u"home/"_s + picture, "picture");
    }

    // "My Home Page" on sky.jpg, trail heart.gif, links "Link 1" ("1.html") to "Link n".
    static CWebPage Page(int iLinks = 2, const QString& sPicture = u"ball.jpg"_s)
    {
        CWebPage page;
        page.SetTitle(u"My Home Page"_s);
        page.SetName(u"Welcome"_s);
        page.SetWallpaper(u"sky.jpg"_s);
        page.SetMouseTrails(u"heart.gif"_s);
        for (int number = 1; number <= iLinks; ++number) {
            auto link = std::make_shared<CWebPage>();
            link->SetName(u"Link %1"_s.arg(number));
            link->SetMainPicture(sPicture);
            link->SetMainLink(u"%1.html"_s.arg(number));
            page.Links().Add(link);
        }
        return page;
    }

    void Open(const CWebPage& page)
    {
        page.SaveSettings(app.Path() + u"\\home\\qzhome.dat"_s);
        Open();
    }

    // The window before is closed first: two at once are two editors on one page.
    void Open()
    {
        window.reset();
        window = std::make_unique<frmMain>();
        window->show();
        QCoreApplication::processEvents(); // a message the window shows as it opens comes first
        Activate(window.get());
    }

    void PressCtrlS() const
    {
        Activate(window.get());
        QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    }

    template <class T = QWidget> T* Child(const QString& sName) const
    {
        return window->findChild<T*>(sName);
    }

    QAction* EditMenu(EditMenuItem iItem) const
    {
        return Child<QAction>(u"mnuEdit_%1"_s.arg(iItem));
    }

    void WritePicture(const QString& sFile, QSize size, Qt::GlobalColor color) const
    {
        const QByteArray bytes =
            LocalSite::Picture(size, color, QFileInfo(sFile).suffix().toLatin1());
        EXPECT_FALSE(bytes.isEmpty())
            << "no picture of that format is written: " << qPrintable(sFile);
        app.WriteFile(sFile, bytes);
    }

    QByteArray Home(const QString& sFile) const { return app.ReadFile(u"home/"_s + sFile); }

    // The page as its settings file holds it.
    QByteArray SettingsOf(const CWebPage& page) const
    {
        page.SaveSettings(app.Path() + u"\\page.dat"_s);
        return app.ReadFile(u"page.dat"_s);
    }

    TempAppFolder app;
    std::unique_ptr<frmMain> window;
};

inline void ClickItem(QAbstractItemView* view, int iRow)
{
    const QModelIndex item = view->model()->index(iRow, 0);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
}

// The list's rows, "|" between them, then the chosen row: "Link 1 (1.html)|x (x.html) @1".
inline QString Rows(const QListView* list)
{
    QStringList rows;
    for (int row = 0; row < list->model()->rowCount(); ++row)
        rows << list->model()->index(row, 0).data().toString();
    const auto chosen = list->selectionModel()->selectedRows();
    return rows.join(u'|') + (chosen.isEmpty() ? QString() : u" @%1"_s.arg(chosen.first().row()));
}

inline void Choose(QComboBox* list, const QString& sText)
{
    ASSERT_GE(list->findText(sText), 0) << qPrintable(sText);
    list->showPopup();
    ClickItem(list->view(), list->findText(sText));
}

// The File menu's item on the file typed in the file dialog; the window that follows, if any, goes
// to the action.
inline void FileCommand(QWidget* window, int iItem, const QString& sPath,
                        const ModalDriver::Action& action = {})
{
    std::unique_ptr<ModalDriver> next;
    ModalDriver fileDialog([&](QWidget* dialog) {
        if (action)
            next = std::make_unique<ModalDriver>(action);
        TypeInto(dialog, u"fileNameEdit"_s, sPath);
        PressKey(dialog, Qt::Key_Return);
    });
    window->findChild<QAction*>(u"mnuFile_%1"_s.arg(iItem))->trigger();
}

// Opens the Colors menu and clicks its item; returns where the menu stood.
inline QPoint ChooseColorsItem(QWidget* window, int iItem)
{
    ClickButton(window, u"cmdColors"_s);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    const QPoint at = menu ? menu->pos() : QPoint(-1, -1);
    if (menu)
        QTest::mouseClick(
            menu, Qt::LeftButton, {},
            menu->actionGeometry(window->findChild<QAction*>(u"mnuColors_%1"_s.arg(iItem)))
                .center());
    return at;
}

#pragma once

#include "common/Files.h"
#include "common/MessageBoxSeen.h"
#include "common/QStringPrinter.h"
#include "common/TempAppFolder.h"
#include "editor/frmMain.h"
#include "editor/usrHomeImages.h"
#include "model/CWebPage.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QListView>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

inline const QString None = usrHomeImages::NoneEntry.toString();

// A home folder that holds sky.jpg, heart.gif and ball.jpg, and the editor window opened on it.
class Editor : public ::testing::Test
{
protected:
    Editor()
    {
        for (const char* picture : {"sky.jpg", "heart.gif", "ball.jpg"})
            app.WriteFile(QStringLiteral("home/") + QLatin1StringView(picture), "picture");
    }

    // "My Home Page" on sky.jpg, trail heart.gif, links "Link 1" ("1.html") to "Link n".
    static CWebPage Page(int iLinks = 2, const QString& sPicture = QStringLiteral("ball.jpg"))
    {
        CWebPage page;
        page.SetTitle(QStringLiteral("My Home Page"));
        page.SetName(QStringLiteral("Welcome"));
        page.SetWallpaper(QStringLiteral("sky.jpg"));
        page.SetMouseTrails(QStringLiteral("heart.gif"));
        for (int number = 1; number <= iLinks; ++number) {
            auto link = std::make_shared<CWebPage>();
            link->SetName(QStringLiteral("Link %1").arg(number));
            link->SetMainPicture(sPicture);
            link->SetMainLink(QStringLiteral("%1.html").arg(number));
            page.Links().Add(link);
        }
        return page;
    }

    void Open(const std::optional<CWebPage>& page = std::nullopt)
    {
        if (page)
            page->SaveSettings(app.Path() + QStringLiteral("\\home\\qzhome.dat"));
        window = std::make_unique<frmMain>();
        window->show();
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

    // The lines of the saved settings file, without their quotes.
    QStringList SavedSettings() const
    {
        const QByteArray saved = app.ReadFile(QStringLiteral("home/qzhome.dat"));
        return QString::fromLatin1(saved).remove(u'"').remove(u'\r').split(u'\n');
    }

    TempAppFolder app;
    std::unique_ptr<frmMain> window;
};

// Clicks a row of a list, or an entry of a drop-down list, as a user does.
inline void ClickItem(QAbstractItemView* view, int iRow)
{
    const QModelIndex item = view->model()->index(iRow, 0);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
}

inline void Choose(QComboBox* list, const QString& sText)
{
    ASSERT_GE(list->findText(sText), 0) << qPrintable(sText);
    list->showPopup();
    ClickItem(list->view(), list->findText(sText));
}

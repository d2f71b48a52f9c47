#pragma once

#include "../support/QStringPrinter.h"
#include "CWebPage.h"
#include "TempAppFolder.h"
#include "frmMain.h"

#include <QByteArray>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

// An application folder whose home folder holds the pictures sky.jpg, heart.gif, ball.jpg and
// book.bmp, and the editor window opened on it, shown and active.
class EditorFixture : public ::testing::Test
{
protected:
    EditorFixture();

    // "My Home Page" on sky.jpg with the trail heart.gif and the links "Link 1" (ball.jpg,
    // "1.html") to "Link n".
    static CWebPage Page(int iLinks = 2);
    void WriteSettings(const CWebPage& page) const;
    void Open();
    // Makes the window the active one again, as it is when the parent types into it.
    void Activate() const;

    template <class T = QWidget> T* Child(const QString& sName) const
    {
        T* child = window->findChild<T*>(sName);
        EXPECT_NE(child, nullptr) << "No control " << qPrintable(sName);
        return child;
    }
    // The control of the window that holds the focus, by name.
    QString Focused() const;
    void PressCtrlS() const;

    QStringList Rows() const;
    int SelectedRow() const;
    void SelectRow(int iRow) const;

    QByteArray Home(const QString& sFile) const;
    // The lines of the saved settings file, without their quotes.
    QStringList SavedSettings() const;
    static QByteArray Golden(const QString& sFile);

    TempAppFolder app;
    std::unique_ptr<frmMain> window;
};

// An editor test run once for each case of a table, named by the case's name.
template <class Case>
class EditorCases : public EditorFixture, public ::testing::WithParamInterface<Case>
{
};
constexpr auto CaseName = [](const auto& info) { return std::string(info.param.name); };

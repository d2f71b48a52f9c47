#include "EditorFixture.h"

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QTest>

using namespace Qt::StringLiterals;

EditorFixture::EditorFixture()
{
    for (const QString& picture : {u"sky.jpg"_s, u"heart.gif"_s, u"ball.jpg"_s, u"book.bmp"_s})
        app.WriteFile(u"home/"_s + picture, "picture");
}

CWebPage EditorFixture::Page(int iLinks)
{
    CWebPage page;
    page.SetTitle(u"My Home Page"_s);
    page.SetName(u"Welcome"_s);
    page.SetWallpaper(u"sky.jpg"_s);
    page.SetMouseTrails(u"heart.gif"_s);
    for (int number = 1; number <= iLinks; ++number) {
        auto link = std::make_shared<CWebPage>();
        link->SetMode(1);
        link->SetName(u"Link %1"_s.arg(number));
        link->SetMainPicture(u"ball.jpg"_s);
        link->SetMainLink(u"%1.html"_s.arg(number));
        page.Links().Add(link);
    }
    return page;
}

void EditorFixture::WriteSettings(const CWebPage& page) const
{
    page.SaveSettings(app.Path() + u"\\home\\qzhome.dat"_s);
}

void EditorFixture::Open()
{
    window = std::make_unique<frmMain>();
    window->show();
    Activate();
}

void EditorFixture::Activate() const
{
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

QString EditorFixture::Focused() const
{
    const QWidget* client = window->centralWidget();
    for (const QWidget* widget = window->focusWidget(); widget; widget = widget->parentWidget()) {
        if (widget->parentWidget() == client)
            return widget->objectName();
    }
    return {};
}

void EditorFixture::PressCtrlS() const
{
    Activate();
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
}

QStringList EditorFixture::Rows() const
{
    QStringList rows;
    const auto* list = Child<QListWidget>(u"lstLinks"_s);
    for (int row = 0; row < list->count(); ++row)
        rows << list->item(row)->text();
    return rows;
}

int EditorFixture::SelectedRow() const
{
    const QList<QListWidgetItem*> selected = Child<QListWidget>(u"lstLinks"_s)->selectedItems();
    return selected.isEmpty() ? -1 : Child<QListWidget>(u"lstLinks"_s)->row(selected.first());
}

void EditorFixture::SelectRow(int iRow) const
{
    auto* list = Child<QListWidget>(u"lstLinks"_s);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(iRow)).center());
}

QByteArray EditorFixture::Home(const QString& sFile) const
{
    return app.ReadFile(u"home/"_s + sFile);
}

QStringList EditorFixture::SavedSettings() const
{
    QStringList lines = QString::fromLatin1(Home(u"qzhome.dat"_s)).split(u"\r\n"_s);
    for (QString& line : lines)
        line.remove(u'"');
    return lines;
}

QByteArray EditorFixture::Golden(const QString& sFile)
{
    QFile file(QStringLiteral(QZ_TEST_DATA "/golden/") + sFile);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(file.fileName());
    return file.readAll();
}

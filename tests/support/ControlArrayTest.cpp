#include "ControlArray.h"

#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace
{

TEST(ControlArray, ButtonsAndMenuItemsReportTheirIndex)
{
    QWidget window;
    auto* cmdLink = new ControlArray(u"cmdLink"_s, &window);
    for (qint16 index : {0, 3, 4})
        cmdLink->Add(index, new QPushButton(&window))->move(index * 40, 0);
    QMenu menu;
    auto* mnuFile = new ControlArray(u"mnuFile"_s, &window);
    mnuFile->Add(10, menu.addAction(u"&Save"_s));
    mnuFile->Add(20, menu.addAction(u"E&xit"_s));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    QList<qint16> clicked;
    QObject::connect(cmdLink, &ControlArray::Click, [&](qint16 i) { clicked << i; });
    QList<qint16> chosen;
    QObject::connect(mnuFile, &ControlArray::Click, [&](qint16 i) { chosen << i; });

    for (const QString& name : {u"cmdLink_4"_s, u"cmdLink_0"_s, u"cmdLink_3"_s})
        QTest::mouseClick(window.findChild<QPushButton*>(name), Qt::LeftButton);
    menu.findChild<QAction*>(u"mnuFile_20"_s)->trigger();
    menu.findChild<QAction*>(u"mnuFile_10"_s)->trigger();

    EXPECT_EQ(clicked, QList<qint16>({4, 0, 3}));
    EXPECT_EQ(chosen, QList<qint16>({20, 10}));
    EXPECT_EQ(cmdLink->Item<QPushButton>(3), window.findChild<QPushButton*>(u"cmdLink_3"_s));
    EXPECT_EQ(cmdLink->Item(1), nullptr);
}

} // namespace

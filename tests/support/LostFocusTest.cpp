#include "LostFocus.h"

#include "ModalDriver.h"
#include "MsgBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace
{

// A window with two text boxes, a composite control whose focus sits in its drop-down list, and
// a menu bar; every control notes in lost when the focus leaves it.
class LostFocusTest : public ::testing::Test
{
protected:
    LostFocusTest()
    {
        auto* menuBar = new QMenuBar(&window);
        layout->setMenuBar(menuBar);
        menu = menuBar->addMenu(u"&File"_s);
        menu->addAction(u"&Save"_s);
        combo->addItems({u"(None)"_s, u"cat.gif"_s});
        (new QHBoxLayout(composite))->addWidget(combo);
        composite->setFocusProxy(combo);
        Watch(txtA, u"txtA"_s);
        Watch(txtB, u"txtB"_s);
        Watch(composite, u"composite"_s);
    }

    void SetUp() override
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        txtA->setFocus();
        lost.clear();
    }

    void Watch(QWidget* control, const QString& sName)
    {
        control->setObjectName(sName);
        layout->addWidget(control);
        OnLostFocus(control, [this, sName] { lost << sName; });
    }

    QWidget window;
    QVBoxLayout* layout = new QVBoxLayout(&window);
    QLineEdit* txtA = new QLineEdit(&window);
    QLineEdit* txtB = new QLineEdit(&window);
    QWidget* composite = new QWidget(&window);
    QComboBox* combo = new QComboBox(composite);
    QMenu* menu = nullptr;
    QStringList lost;
};

TEST_F(LostFocusTest, MovingTheFocusRaisesItForTheControlLeft)
{
    QTest::keyClick(txtA, Qt::Key_Tab);
    txtA->setFocus();
    txtB->setFocus();
    composite->setFocus();
    txtA->setFocus();
    txtA->setFocus();
    EXPECT_EQ(lost, QStringList({u"txtA"_s, u"txtB"_s, u"txtA"_s, u"txtB"_s, u"composite"_s}));
}

TEST_F(LostFocusTest, MenusAndPopupsDoNotRaiseIt)
{
    menu->popup(window.mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    menu->close();

    composite->setFocus();
    lost.clear();
    combo->showPopup();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(combo->view()->window()));
    combo->hidePopup();

    // Walking the menu bar by keyboard passes the focus through it.
    QTest::keyClick(combo, Qt::Key_F, Qt::AltModifier);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);

    EXPECT_TRUE(combo->hasFocus());
    EXPECT_TRUE(lost.isEmpty());
}

TEST_F(LostFocusTest, AMessageBoxDoesNotRaiseItButAMoveAfterwardsDoes)
{
    ModalDriver driver([](QWidget* box) { ClickButton(box, u"OK"_s); });
    MsgBox(&window, u"Hello"_s);
    EXPECT_TRUE(driver.Ran());
    EXPECT_TRUE(lost.isEmpty());

    // The window may not be active again yet; the move still counts.
    txtB->setFocus();
    EXPECT_EQ(lost, QStringList({u"txtA"_s}));
}

} // namespace

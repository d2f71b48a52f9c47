#include "ModalDriver.h"
#include "basProcsDialogs.h"

#include <QColorDialog>
#include <gtest/gtest.h>
#include <optional>

using namespace Qt::StringLiterals;
using basProcs::CustomColors;
using basProcs::ShowColorDialog;

namespace
{

struct Case {
    const char* name;
    std::optional<qint32> initial;
    QColor shown;
    std::optional<QColor> picked; // what the user picks before closing, if anything
    QString button;
    qint32 expected; // the colour afterwards; it starts as 7
};

class ColorDialog : public ::testing::TestWithParam<Case>
{
};

TEST_P(ColorDialog, StartsOnTheInitialColourAndGivesTheChosenOne)
{
    const Case& c = GetParam();
    QColor shown;
    ModalDriver driver([&](QWidget* widget) {
        auto* dialog = qobject_cast<QColorDialog*>(widget);
        shown = dialog->currentColor();
        if (c.picked)
            dialog->setCurrentColor(*c.picked);
        ClickButton(dialog, c.button);
    });
    qint32 color = 7;

    EXPECT_EQ(ShowColorDialog(color, nullptr, c.initial), c.button == u"OK"_s);
    EXPECT_EQ(shown, c.shown);
    EXPECT_EQ(color, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ColorDialog,
    ::testing::Values(
        Case{"Initial", 0x00336699, QColor(0x99, 0x66, 0x33), {}, u"OK"_s, 0x00336699},
        Case{"NoInitialIsBlack", {}, QColor(0, 0, 0), {}, u"OK"_s, 0},
        Case{"Picked", 0, QColor(0, 0, 0), QColor(0x12, 0x34, 0x56), u"OK"_s, 0x00563412},
        Case{"Cancel", 0, QColor(0, 0, 0), QColor(0x12, 0x34, 0x56), u"Cancel"_s, 7}),
    [](const auto& info) { return std::string(info.param.name); });

// The user adds a colour to the custom colours and closes the dialog with sButton; gives the
// first custom colour that the next dialog shows.
QColor CustomColorAfter(const QString& sButton)
{
    CustomColors().fill(0);
    ModalDriver first([&](QWidget* dialog) {
        qobject_cast<QColorDialog*>(dialog)->setCurrentColor(QColor(0x10, 0x20, 0x30));
        ClickButton(dialog, u"Add to Custom Colors"_s);
        ClickButton(dialog, sButton);
    });
    qint32 color = 0;
    ShowColorDialog(color, nullptr);

    QColor shown;
    ModalDriver second([&](QWidget* dialog) {
        shown = QColorDialog::customColor(0);
        ClickButton(dialog, u"Cancel"_s);
    });
    ShowColorDialog(color, nullptr);
    return shown;
}

TEST(CustomColors, AreKeptOnlyAfterOk)
{
    EXPECT_EQ(CustomColorAfter(u"OK"_s), QColor(0x10, 0x20, 0x30));
    EXPECT_EQ(CustomColors()[0], 0x00302010);
    EXPECT_EQ(CustomColorAfter(u"Cancel"_s), QColor(0, 0, 0));
    EXPECT_EQ(CustomColors()[0], 0);
}

} // namespace

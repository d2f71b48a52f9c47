#include "MsgBox.h"

#include "App.h"
#include "Error.h"
#include "MessageBoxSeen.h"
#include "RunCommand.h"
#include "basProcsDialogs.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace MsgBoxStyle;
using namespace MsgBoxResult;

namespace
{

const QStringList OkOnlyButtons = {u"OK"_s};
const QStringList OkCancelButtons = {u"Cancel"_s, u"OK"_s};
const QStringList YesNoButtons = {u"No"_s, u"Yes"_s};

struct StyleCase {
    int style;
    QStringList buttons;
    QMessageBox::Icon icon;
    QString click;
    int expected;
};

class MsgBoxStyles : public ::testing::TestWithParam<StyleCase>
{
};

TEST_P(MsgBoxStyles, ShowTheButtonsAndGiveTheAnswer)
{
    const StyleCase& c = GetParam();
    MessageBoxSeen seen;
    ModalDriver driver(AnswerMessageBox(c.click, seen));

    EXPECT_EQ(MsgBox(nullptr, u"Save Home Page before exiting?"_s, c.style), c.expected);
    EXPECT_EQ(seen.buttons, c.buttons);
    EXPECT_EQ(seen.icon, c.icon);
    EXPECT_EQ(seen.title, App::Title());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MsgBoxStyles,
    ::testing::Values(
        StyleCase{OkOnly, OkOnlyButtons, QMessageBox::NoIcon, u"OK"_s, Ok},
        StyleCase{Critical, OkOnlyButtons, QMessageBox::Critical, u"OK"_s, Ok},
        StyleCase{Critical + OkCancel, OkCancelButtons, QMessageBox::Critical, u"Cancel"_s, Cancel},
        StyleCase{Question + YesNo, YesNoButtons, QMessageBox::Question, u"Yes"_s, Yes},
        StyleCase{Question + YesNo, YesNoButtons, QMessageBox::Question, u"No"_s, No}));

TEST(MsgBox, ShowsLineBreaksPlainTextAndItsOwnTitle)
{
    MessageBoxSeen seen;
    ModalDriver driver(AnswerMessageBox(u"OK"_s, seen));

    MsgBox(nullptr, u"<b>One</b>\r\nTwo"_s, OkOnly, u"Caption"_s);
    EXPECT_EQ(seen.text, u"<b>One</b>\nTwo"_s);
    EXPECT_EQ(seen.title, u"Caption"_s);
}

struct ReportCase {
    Error error;
    QString module;
    QString message;
    QString additional;
    bool okOnly;
    QString click;
    QString expectedText;
    bool expectedResult;
};

class ReportError : public ::testing::TestWithParam<ReportCase>
{
};

TEST_P(ReportError, ShowsTheErrorAndGivesTheAnswer)
{
    const ReportCase& c = GetParam();
    MessageBoxSeen seen;
    ModalDriver driver(AnswerMessageBox(c.click, seen));

    EXPECT_EQ(basProcs::ReportError(nullptr, c.error, c.module, c.message, c.additional, c.okOnly),
              c.expectedResult);
    EXPECT_EQ(seen.text, c.expectedText);
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.buttons, c.okOnly ? OkOnlyButtons : OkCancelButtons);
}

const Error NotFound(Error::FileNotFound);

INSTANTIATE_TEST_SUITE_P(
    Cases, ReportError,
    ::testing::Values(ReportCase{NotFound,
                                 {},
                                 u"Could not import picture."_s,
                                 {},
                                 true,
                                 u"OK"_s,
                                 u"Could not import picture.\n53 File not found"_s,
                                 true},
                      ReportCase{NotFound,
                                 {},
                                 {},
                                 {},
                                 true,
                                 u"OK"_s,
                                 u"An error has occurred.\n53 File not found"_s,
                                 true},
                      ReportCase{
                          NotFound, u"basProcs"_s, u"Failed."_s, u"Try again."_s, false, u"OK"_s,
                          u"Failed.\n(Module: basProcs) 53 File not found\nTry again."_s, true},
                      ReportCase{Error(-5, u"Odd"_s),
                                 {},
                                 u"Failed."_s,
                                 {},
                                 false,
                                 u"Cancel"_s,
                                 u"Failed.\n-5 Odd"_s,
                                 false}));

TEST(RunCommand, TellsAFailureInsteadOfEndingTheProgram)
{
    MessageBoxSeen seen;
    ModalDriver driver(AnswerMessageBox(u"OK"_s, seen));
    bool bAfterThrow = false;

    RunCommand(nullptr, [&] {
        throw Error(Error::PermissionDenied, u"You may not write \"a.html\"."_s);
        bAfterThrow = true;
    });
    EXPECT_FALSE(bAfterThrow);
    EXPECT_EQ(seen.text, u"You may not write \"a.html\".\n\n(Error 70)"_s);
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
}

} // namespace

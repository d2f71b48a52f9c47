#include "toolkit/MsgBox.h"

#include "support/App.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace
{

// The bits of a style that choose its buttons, and those that choose its icon.
constexpr int ButtonBits = 0x0F;
constexpr int IconBits = 0xF0;

// The buttons in their order; the first is the default.
QList<QMessageBox::StandardButton> Buttons(MsgBoxStyle::Styles iStyle)
{
    switch (MsgBoxStyle::Style(iStyle.toInt() & ButtonBits)) {
    case MsgBoxStyle::OkCancel:
        return {QMessageBox::Ok, QMessageBox::Cancel};
    case MsgBoxStyle::YesNo:
        return {QMessageBox::Yes, QMessageBox::No};
    default:
        return {QMessageBox::Ok};
    }
}

QMessageBox::Icon IconOf(MsgBoxStyle::Styles iStyle)
{
    switch (MsgBoxStyle::Style(iStyle.toInt() & IconBits)) {
    case MsgBoxStyle::Critical:
        return QMessageBox::Critical;
    case MsgBoxStyle::Question:
        return QMessageBox::Question;
    case MsgBoxStyle::Exclamation:
        return QMessageBox::Warning;
    default:
        return QMessageBox::NoIcon;
    }
}

// A box with Yes and No has no answer for Esc or its close box: either would pick one that the
// user never chose, so only the buttons close it, and it shows no close box.
class Box : public QMessageBox
{
public:
    Box(MsgBoxStyle::Styles iStyle, const QString& sTitle, const QString& sText, QWidget* owner)
        : QMessageBox(IconOf(iStyle), sTitle, sText, QMessageBox::NoButton, owner),
          m_bButtonsOnly(Buttons(iStyle).contains(QMessageBox::Yes))
    {
        if (m_bButtonsOnly)
            setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (!(m_bButtonsOnly && event->matches(QKeySequence::Cancel)))
            QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override
    {
        if (m_bButtonsOnly)
            event->ignore();
        else
            QMessageBox::closeEvent(event);
    }

private:
    bool m_bButtonsOnly;
};

int Answer(int button)
{
    switch (button) {
    case QMessageBox::Cancel:
        return MsgBoxResult::Cancel;
    case QMessageBox::Yes:
        return MsgBoxResult::Yes;
    case QMessageBox::No:
        return MsgBoxResult::No;
    default:
        return MsgBoxResult::Ok;
    }
}

} // namespace

int MsgBox(QWidget* owner, const QString& sPrompt, MsgBoxStyle::Styles iStyle,
           const QString& sTitle)
{
    QString text = sPrompt;
    text.replace(u"\r\n"_s, u"\n"_s);
    Box box(iStyle, sTitle.isEmpty() ? App::Title() : sTitle, text, owner);
    // The user's own text must never be read as markup.
    box.setTextFormat(Qt::PlainText);
    const QList<QMessageBox::StandardButton> buttons = Buttons(iStyle);
    for (QMessageBox::StandardButton button : buttons)
        box.addButton(button);
    box.setDefaultButton(buttons.constFirst());
    return Answer(box.exec());
}

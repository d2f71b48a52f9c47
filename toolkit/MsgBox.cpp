#include "toolkit/MsgBox.h"

#include "support/App.h"

#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace
{

// The buttons in their order; the first is the default.
QList<QMessageBox::StandardButton> Buttons(int iStyle)
{
    switch (iStyle & 0x0F) {
    case MsgBoxStyle::OkCancel:
        return {QMessageBox::Ok, QMessageBox::Cancel};
    case MsgBoxStyle::YesNo:
        return {QMessageBox::Yes, QMessageBox::No};
    default:
        return {QMessageBox::Ok};
    }
}

QMessageBox::Icon Icon(int iStyle)
{
    switch (iStyle & 0xF0) {
    case MsgBoxStyle::Critical:
        return QMessageBox::Critical;
    case MsgBoxStyle::Question:
        return QMessageBox::Question;
    default:
        return QMessageBox::NoIcon;
    }
}

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

int MsgBox(QWidget* owner, const QString& sPrompt, int iStyle, const QString& sTitle)
{
    QString text = sPrompt;
    text.replace(u"\r\n"_s, u"\n"_s);
    QMessageBox box(Icon(iStyle), sTitle.isEmpty() ? App::Title() : sTitle, text,
                    QMessageBox::NoButton, owner);
    // The parent's own text must never be read as markup.
    box.setTextFormat(Qt::PlainText);
    const QList<QMessageBox::StandardButton> buttons = Buttons(iStyle);
    for (QMessageBox::StandardButton button : buttons)
        box.addButton(button);
    box.setDefaultButton(buttons.constFirst());
    return Answer(box.exec());
}

#pragma once

#include <QAnyStringView>
#include <QLineEdit>

// A single-line text box for a text of the page. It takes text of any length, and a text too long
// to lay out at once (a damaged or hostile file's) is shown only in its beginning: Text() still
// gives all of it until the user changes the box, so nothing is cut without the user's doing.
class TextBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit TextBox(QWidget* parent);

    // Shows the text from its start, as the user reads it: a text longer than the box shows its
    // beginning, not its end.
    void SetText(QAnyStringView sText);
    QString Text() const;

private:
    QString m_text;
};

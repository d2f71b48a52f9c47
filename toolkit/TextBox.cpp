#include "toolkit/TextBox.h"

#include <QLineEdit>

void SetBoxText(QLineEdit* box, const QString& sText)
{
    box->setText(sText);
    box->setCursorPosition(0);
}

#include "toolkit/TextBox.h"

#include <QLineEdit>
#include <limits>

QLineEdit* NewTextBox(QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setMaxLength(std::numeric_limits<int>::max());
    return box;
}

void SetBoxText(QLineEdit* box, const QString& sText)
{
    box->setText(sText);
    box->setCursorPosition(0);
}

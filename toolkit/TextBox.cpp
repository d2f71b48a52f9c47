#include "toolkit/TextBox.h"

#include <QLineEdit>
#include <limits>

QLineEdit* NewTextBox(QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setMaxLength(std::numeric_limits<int>::max());
    return box;
}

void SetBoxText(QLineEdit* box, QAnyStringView sText)
{
    box->setText(sText.toString());
    box->setCursorPosition(0);
}

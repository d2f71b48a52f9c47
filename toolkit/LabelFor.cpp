#include "toolkit/LabelFor.h"

#include <QLabel>

void LabelFor(QLabel* label, QWidget* control)
{
    label->setBuddy(control);
    QString words = label->text().remove(u'&');
    if (words.endsWith(u':'))
        words.chop(1);
    // French sets a blank before the colon.
    words = words.trimmed();
    control->setAccessibleName(words);
    if (QWidget* focused = control->focusProxy())
        focused->setAccessibleName(words);
}

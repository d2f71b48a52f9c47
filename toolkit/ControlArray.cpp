#include "toolkit/ControlArray.h"

#include <QAbstractButton>
#include <QAction>

using namespace Qt::StringLiterals;

ControlArray::ControlArray(const QString& sName, QObject* parent) : QObject(parent)
{
    setObjectName(sName);
}

void ControlArray::Insert(qint16 iIndex, QObject* element)
{
    Q_ASSERT(!m_items.contains(iIndex));
    element->setObjectName(objectName() + u'_' + QString::number(iIndex));
    m_items.insert(iIndex, element);
    const auto click = [this, iIndex] { emit Click(iIndex); };
    if (auto* button = qobject_cast<QAbstractButton*>(element))
        connect(button, &QAbstractButton::clicked, this, click);
    else if (auto* action = qobject_cast<QAction*>(element))
        connect(action, &QAction::triggered, this, click);
}

#pragma once

#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>

// Controls with one handler, which learns from an index which of them was used. Indices may leave
// gaps, as the File menu's do (10, 15, 16, ...):
//
//     auto* cmdLink = new ControlArray(u"cmdLink"_s, this);
//     cmdLink->Add(3, new QPushButton(this))->setToolTip(u"Move Up"_s);
//     connect(cmdLink, &ControlArray::Click, this, &frmMain::cmdLink_Click);
//
// Each element is named "name_index" (cmdLink_3). A button's click and a menu action's trigger
// raise Click with the element's index; other controls are only named and listed.
class ControlArray : public QObject
{
    Q_OBJECT

public:
    ControlArray(const QString& sName, QObject* parent);

    template <class T> T* Add(qint16 iIndex, T* element)
    {
        Insert(iIndex, element);
        return element;
    }

    // The element with that index, or null when there is none.
    QObject* Item(qint16 iIndex) const { return m_items.value(iIndex); }
    template <class T> T* Item(qint16 iIndex) const { return qobject_cast<T*>(Item(iIndex)); }

signals:
    void Click(qint16 iIndex);

private:
    void Insert(qint16 iIndex, QObject* element);

    QMap<qint16, QPointer<QObject>> m_items;
};

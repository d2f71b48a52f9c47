#pragma once

#include "editor/PageStep.h"
#include "model/CWebPage.h"

#include <QList>
#include <QString>
#include <QtGlobal>
#include <memory>

// One property of the page, by its getter and setter: a text or a colour.
template <class T> struct PageProperty {
    T (CWebPage::*get)() const;
    void (CWebPage::*set)(T);
};
using TextProperty = PageProperty<const QString&>;
using ColorProperty = PageProperty<qint32>;

// A link's own three fields, as the link dialog edits them.
struct LinkFields {
    QString name;
    QString mainPicture;
    QString mainLink;

    static LinkFields Of(const CWebPage& link);
    bool operator==(const LinkFields&) const = default;
};

// The steps of the editor's Undo and Redo. Those made from the page read what it holds now, and
// keep none of it but the values they change: undone, the page is the same objects with the same
// fields.
namespace PageSteps
{

// Changes nothing when the page already holds the value.
std::unique_ptr<PageStep> ChangeText(const CWebPage& page, const QString& sStep,
                                     TextProperty property, const QString& value);
std::unique_ptr<PageStep> ChangeColor(const CWebPage& page, const QString& sStep,
                                      ColorProperty property, qint32 value);
// The links go in at iPosition and after it, in their order; the last of them is chosen.
std::unique_ptr<PageStep> InsertLinks(const QString& sStep, QList<std::shared_ptr<CWebPage>> links,
                                      qint32 iPosition);
// "Delete Link": the link at iPosition goes, and no row is chosen.
std::unique_ptr<PageStep> RemoveLink(const CWebPage& page, qint32 iPosition);
// The link at iFrom comes to stand at iTo, and is chosen there.
std::unique_ptr<PageStep> MoveLink(qint32 iFrom, qint32 iTo);
// The link at iPosition already holds its new fields, written in place by the link dialog;
// before is what it held when the dialog opened. Changes nothing when the two are the same.
std::unique_ptr<PageStep> EditLink(const CWebPage& page, qint32 iPosition,
                                   const LinkFields& before);
// Pictures given to links already on the page, as found for them or made to match; pictures
// must not be empty. The step holds the links themselves, not their positions: they may have been
// moved or deleted meanwhile. The pictures of one batch other than 0 that come one after the
// other are one step, so that those of one fetch are undone together.
struct LinkPicture {
    std::shared_ptr<CWebPage> link;
    QString picture;
};
std::unique_ptr<PageStep> SetLinkPictures(const QString& sStep, const QList<LinkPicture>& pictures,
                                          int iBatch = 0);
// The page becomes another page whole, its fields and its links, and undone it is the page before
// again. The page object stays the window's own; what is swapped is what it holds.
std::unique_ptr<PageStep> ReplacePage(const QString& sStep, CWebPage page);

} // namespace PageSteps

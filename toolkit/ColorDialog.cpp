#include "toolkit/basProcsDialogs.h"

#include <QColorDialog>
#include <QLabel>
#include <QPushButton>
#include <functional>
#include <memory>

namespace basProcs
{

namespace
{

QColor ToQColor(qint32 lColor)
{
    return QColor(lColor & 0xFF, (lColor >> 8) & 0xFF, (lColor >> 16) & 0xFF);
}

qint32 ToColorValue(const QColor& color)
{
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

// A caption of the dialog as it shows it, in the language of Qt's own translations.
QString QtText(const char* sText)
{
    return QColorDialog::tr(sText);
}

// The custom box that the next colour added goes into: the one after the last added this session.
int& NextCustomColor()
{
    static int next = 0;
    return next;
}

// A new dialog adds its first custom colour to the first box, over one an earlier dialog added.
// The grid of boxes has no interface, so it is made to send the signal of a move to a box, which
// points the dialog past the earlier colours. Returns the box after the last one this one adds.
std::function<int()> ContinueCustomColors(QColorDialog& dialog)
{
    const int first = NextCustomColor();
    auto added = std::make_shared<int>(0);
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->buddy() && label->text() == QtText("&Custom colors"))
            QMetaObject::invokeMethod(label->buddy(), "currentChanged", Q_ARG(int, first % 2),
                                      Q_ARG(int, first / 2));
    }
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->text() == QtText("&Add to Custom Colors"))
            QObject::connect(button, &QPushButton::clicked, &dialog, [added] { ++*added; });
    }
    return [first, added] { return (first + *added) % int(CustomColors().size()); };
}

} // namespace

std::array<qint32, 16>& CustomColors()
{
    static std::array<qint32, 16> colors{};
    return colors;
}

bool ShowColorDialog(qint32& lColor, QWidget* owner, std::optional<qint32> initialColor)
{
    // The dialog keeps its custom colours for all its instances, changed even by a cancelled
    // one, so they are loaded afresh from ours before every show.
    for (int i = 0; i < int(CustomColors().size()); ++i)
        QColorDialog::setCustomColor(i, ToQColor(CustomColors()[i]));

    QColorDialog dialog(ToQColor(initialColor.value_or(0)), owner);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    const std::function<int()> next = ContinueCustomColors(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return false;

    NextCustomColor() = next();
    for (int i = 0; i < int(CustomColors().size()); ++i)
        CustomColors()[i] = ToColorValue(QColorDialog::customColor(i));
    lColor = ToColorValue(dialog.selectedColor());
    return true;
}

} // namespace basProcs

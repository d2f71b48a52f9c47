#include "toolkit/basProcsDialogs.h"

#include <QColorDialog>

namespace basProcs
{

namespace
{

// Colour values hold red in the lowest byte, then green, then blue (0x00BBGGRR).
QColor ToQColor(qint32 lColor)
{
    return QColor(lColor & 0xFF, (lColor >> 8) & 0xFF, (lColor >> 16) & 0xFF);
}

qint32 ToColorValue(const QColor& color)
{
    return color.red() | (color.green() << 8) | (color.blue() << 16);
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
    if (dialog.exec() != QDialog::Accepted)
        return false;

    for (int i = 0; i < int(CustomColors().size()); ++i)
        CustomColors()[i] = ToColorValue(QColorDialog::customColor(i));
    lColor = ToColorValue(dialog.selectedColor());
    return true;
}

} // namespace basProcs

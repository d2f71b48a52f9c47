#include "model/basConversions.h"

#include "support/Error.h"

#include <QCoreApplication>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace basConversions
{

QString ColorToRGB(qint32 lColor, const QString& sSeparator)
{
    const qint64 color = lColor;
    const qint64 blue = color / 256 / 256;
    const qint64 green = (color - blue * 65536) / 256;
    const qint64 red = color - blue * 65536 - green * 256;
    return QString::number(red) + sSeparator + QString::number(green) + sSeparator +
           QString::number(blue);
}

QString RGBToHex(const QString& sRGB, const QString& sSeparator)
{
    const QStringList parts = sRGB.split(sSeparator);
    if (parts.size() < 3)
        throw Error(Error::SubscriptOutOfRange,
                    QCoreApplication::translate("basConversions",
                                                "The colour \"%1\" does not have three parts.")
                        .arg(sRGB));
    QString hex;
    for (qsizetype part = 0; part < 3; ++part) {
        // A negative part shows as its 32-bit two's complement, as a hexadecimal text does.
        const quint32 value = static_cast<quint32>(parts[part].toInt());
        hex += QString::number(value, 16).toUpper().rightJustified(2, u'0');
    }
    return hex;
}

} // namespace basConversions

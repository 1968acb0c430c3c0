#pragma once

#include <QColor>

// The classic desktop system colours the windows are designed with.
namespace Zyntra::SystemColour {

inline QColor activeBorder()
{
    return QColor(0xD4, 0xD0, 0xC8);
}
inline QColor inactiveBorder()
{
    return QColor(0xD4, 0xD0, 0xC8);
}
inline QColor windowBackground()
{
    return QColor(Qt::white);
}
inline QColor windowText()
{
    return QColor(Qt::black);
}
inline QColor buttonShadow()
{
    return QColor(0x80, 0x80, 0x80);
}
inline QColor buttonHighlight()
{
    return QColor(Qt::white);
}
inline QColor buttonDarkShadow()
{
    return QColor(0x40, 0x40, 0x40);
}

} // namespace Zyntra::SystemColour

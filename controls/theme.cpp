#include "theme.h"

#include "systemcolours.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>

namespace Zyntra {

namespace {

Theme chosen = Theme::FollowDesktop;

// The colours a theme paints the classic controls with.
struct Look {
    QColor face, field, text, shadow, highlight, darkShadow, locked;
};

// The designed colours.
const Look Classic{QColor(0xD4, 0xD0, 0xC8), Qt::white, Qt::black,
                   QColor(0x80, 0x80, 0x80), Qt::white, QColor(0x40, 0x40, 0x40),
                   QColor(0xD4, 0xD0, 0xC8)};
const Look DarkLook{QColor(0x30, 0x30, 0x30), QColor(0x1E, 0x1E, 0x1E), QColor(0xEE, 0xEE, 0xEE),
                    QColor(0x18, 0x18, 0x18), QColor(0x5A, 0x5A, 0x5A), QColor(0x0C, 0x0C, 0x0C),
                    QColor(0x44, 0x44, 0x44)};
const Look ContrastLook{Qt::black, Qt::black, Qt::white, Qt::white, Qt::white, Qt::white, QColor(0x30, 0x30, 0x30)};

QPalette paletteOf(const Look &look, const QColor &accent, const QColor &muted)
{
    QPalette palette(look.text, look.face);
    for (const auto role : {QPalette::Window, QPalette::Button, QPalette::AlternateBase, QPalette::ToolTipBase})
        palette.setColor(role, look.face);
    palette.setColor(QPalette::Base, look.field);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText,
                            QPalette::BrightText, QPalette::PlaceholderText})
        palette.setColor(role, look.text);
    palette.setColor(QPalette::Highlight, accent);
    palette.setColor(QPalette::HighlightedText, look.face == Qt::black ? Qt::black : Qt::white);
    palette.setColor(QPalette::Link, accent);
    palette.setColor(QPalette::Light, look.highlight);
    palette.setColor(QPalette::Midlight, look.highlight);
    palette.setColor(QPalette::Dark, look.shadow);
    palette.setColor(QPalette::Mid, look.shadow);
    palette.setColor(QPalette::Shadow, look.darkShadow);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, muted);
    return palette;
}

bool isDark(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightness() < palette.color(QPalette::WindowText).lightness();
}

// A dark desktop's palette, in the roles the classic controls use.
Look desktopLook()
{
    const QPalette palette = QGuiApplication::palette();
    return {palette.color(QPalette::Window), palette.color(QPalette::Base),  palette.color(QPalette::WindowText),
            palette.color(QPalette::Dark),   palette.color(QPalette::Light), palette.color(QPalette::Shadow),
            palette.color(QPalette::Button)};
}

const Look &lookInForce()
{
    static Look desktop;
    switch (chosen) {
    case Theme::FollowDesktop:
        if (!isDark(QGuiApplication::palette()))
            break;
        desktop = desktopLook();
        return desktop;
    case Theme::Light:
        break;
    case Theme::Dark:
        return DarkLook;
    case Theme::HighContrast:
        return ContrastLook;
    }
    return Classic;
}

} // namespace

Theme theme()
{
    return chosen;
}

void setTheme(Theme theme)
{
    chosen = theme;
    switch (theme) {
    case Theme::FollowDesktop:
        // A palette that sets no colour is the desktop's, and follows its changes.
        QApplication::setPalette(QPalette());
        break;
    case Theme::Light:
        QApplication::setPalette(QApplication::style()->standardPalette());
        break;
    case Theme::Dark:
        QApplication::setPalette(paletteOf(DarkLook, QColor(0x4A, 0x90, 0xE2), QColor(0x9A, 0x9A, 0x9A)));
        break;
    case Theme::HighContrast:
        QApplication::setPalette(paletteOf(ContrastLook, QColor(0xFF, 0xFF, 0x00), QColor(0xC0, 0xC0, 0xC0)));
        break;
    }
}

bool darkLook()
{
    return &lookInForce() != &Classic;
}

QColor answerInk()
{
    return chosen == Theme::HighContrast ? QColor(0xFF, 0x70, 0x70) : QColor(Qt::red);
}

QColor warningInk()
{
    return darkLook() ? QColor(0xFF, 0x80, 0x80) : QColor(0xC0, 0x00, 0x00);
}

SheetColours sheetColours()
{
    const Look &look = lookInForce();
    return {look.field, look.text};
}

namespace SystemColour {

QColor activeBorder()
{
    return lookInForce().face;
}
QColor inactiveBorder()
{
    return lookInForce().locked;
}
QColor windowBackground()
{
    return lookInForce().field;
}
QColor windowText()
{
    return lookInForce().text;
}
QColor buttonShadow()
{
    return lookInForce().shadow;
}
QColor buttonHighlight()
{
    return lookInForce().highlight;
}
QColor buttonDarkShadow()
{
    return lookInForce().darkShadow;
}

} // namespace SystemColour

} // namespace Zyntra

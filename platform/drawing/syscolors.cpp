#include "platform/drawing/syscolors.h"

#include <QApplication>
#include <QPalette>

QColor GetSysColor(int index)
{
    const QPalette palette = QApplication::palette();
    switch (index) {
    case COLOR_ACTIVECAPTION: {
        // Qt has no caption role; derive a colour from the highlight that
        // never equals it, so a selected row does not look highlighted.
        const QColor highlight = palette.color(QPalette::Active, QPalette::Highlight);
        QColor caption = highlight.darker(135);
        if (caption == highlight)
            caption = QColor(0, 0, 128);
        return caption;
    }
    case COLOR_WINDOW:
        return palette.color(QPalette::Active, QPalette::Base);
    case COLOR_WINDOWTEXT:
        return palette.color(QPalette::Active, QPalette::WindowText);
    case COLOR_HIGHLIGHT:
        return palette.color(QPalette::Active, QPalette::Highlight);
    case COLOR_HIGHLIGHTTEXT:
        return palette.color(QPalette::Active, QPalette::HighlightedText);
    case COLOR_BTNFACE:
        return palette.color(QPalette::Active, QPalette::Button);
    case COLOR_BTNSHADOW:
        return palette.color(QPalette::Active, QPalette::Mid);
    case COLOR_BTNTEXT:
        return palette.color(QPalette::Active, QPalette::ButtonText);
    case COLOR_3DHILIGHT:
        return palette.color(QPalette::Active, QPalette::Light);
    case COLOR_3DDKSHADOW:
        return palette.color(QPalette::Active, QPalette::Shadow);
    case COLOR_3DLIGHT:
        return palette.color(QPalette::Active, QPalette::Midlight);
    default:
        return Qt::black;
    }
}

QBrush GetSysColorBrush(int index)
{
    return QBrush(GetSysColor(index));
}

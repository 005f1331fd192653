#include "Panels.h"

#include <QFont>
#include <QPalette>

namespace tarnwick::ui {

QFrame *panel(QWidget *parent, const QRect &geometry, Bevel bevel, const QColor &background)
{
    auto *frame = new QFrame(parent);
    frame->setGeometry(geometry);
    switch (bevel) {
    case Bevel::Flat:
        frame->setFrameStyle(QFrame::NoFrame);
        break;
    case Bevel::Raised:
        frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
        break;
    case Bevel::Lowered:
        frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        break;
    case Bevel::Single:
        frame->setFrameStyle(QFrame::Box | QFrame::Plain);
        break;
    }
    frame->setLineWidth(1);
    if (background.isValid()) {
        frame->setAutoFillBackground(true);
        QPalette p = frame->palette();
        p.setColor(QPalette::Window, background);
        frame->setPalette(p);
    }
    return frame;
}

QFrame *pageFrame(QWidget *page)
{
    auto *outer = panel(page, QRect(0, 0, 636, 460), Bevel::Raised);
    return panel(outer, QRect(2, 2, 632, 456), Bevel::Single, QColor(0xD4, 0xD0, 0xC8));
}

QFrame *separator(QWidget *parent, const QRect &geometry)
{
    auto *line = new QFrame(parent);
    line->setGeometry(geometry);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    return line;
}

QFont baseFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

}  // namespace tarnwick::ui

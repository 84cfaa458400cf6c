#pragma once

#include "controls/control.h"

#include <QImage>
#include <QPoint>

// A picture the logic paints on; the view shows it unscaled. Call changed() after painting.
class TImage : public TControl {
public:
    TImage() = default;
    TImage(int width, int height)
        : FPicture(width, height, QImage::Format_RGB32)
    {
        FPicture.fill(Qt::white);
    }

    const QImage& picture() const { return FPicture; }
    QImage& canvas() { return FPicture; }
    void setPicture(const QImage& picture)
    {
        FPicture = picture;
        changed();
    }
    void changed() const { notifyView(); }

    // A mouse button pressed over the picture at (x, y) relative to it.
    void mouseDown(Qt::MouseButton button, QPoint position) const
    {
        if (onMouseDown)
            onMouseDown(button, position);
    }

    std::function<void(Qt::MouseButton, QPoint)> onMouseDown;

private:
    QImage FPicture;
};

// A filled rectangle in one colour (the colour strip and the backdrop of the first page).
class TShape : public TImage {
public:
    explicit TShape(const QColor& color) { setColor(color); }
};

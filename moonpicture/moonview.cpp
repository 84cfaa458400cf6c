#include "moonpicture/moonview.h"

#include <QApplication>
#include <QStyle>

#include "controls/bindingview.h"
#include "moonpicture/moon.h"

TImageWidget* BindMoon(TMoon& moon, QWidget* parent)
{
    const int iconSize = QApplication::style()->pixelMetric(QStyle::PM_LargeIconSize);
    moon.setSystemIconSize(QSize(iconSize, iconSize));
    TImageWidget* widget = Bind::image(moon, parent);
    widget->setFixedSize(moon.width(), moon.height());
    return widget;
}

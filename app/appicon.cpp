#include "app/appicon.h"

QString ApplicationIconResource(int size) { return QStringLiteral(":/appicon/shutterly-%1.png").arg(size); }

QIcon ApplicationIcon()
{
    QIcon icon;
    for (int size : ApplicationIconSizes)
        icon.addFile(ApplicationIconResource(size), QSize(size, size));
    return icon;
}

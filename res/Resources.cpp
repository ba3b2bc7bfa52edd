#include "res/Resources.h"

QIcon ApplicationIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/res/icon-%1.png").arg(size), QSize(size, size));
    return icon;
}

#include "FuzzSupport.h"

#include <QGuiApplication>

#include <cstdlib>

namespace fuzz {

void StartQt()
{
    if (QCoreApplication::instance())
        return;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "vellumo-fuzz";
    static char *argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

} // namespace fuzz

#include "platform/memory.h"

#include "platform/globals.h"

#include <QCoreApplication>

#include <malloc.h>

void TrimMemory()
{
    try {
        malloc_trim(0);
        QCoreApplication::processEvents();
    } catch (...) {
        SetLastError(QStringLiteral("TrimAppMemorySize"), QStringLiteral("A libertar memória."));
    }
}

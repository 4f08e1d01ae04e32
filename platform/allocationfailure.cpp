#include "platform/allocationfailure.h"

#include <QByteArray>
#include <QtGlobal>

#include <new>

namespace AllocationFailure {

void injectAt(const char *phase)
{
    if (Q_UNLIKELY(qEnvironmentVariableIsSet(variable)) && qgetenv(variable) == phase)
        throw std::bad_alloc();
}

} // namespace AllocationFailure

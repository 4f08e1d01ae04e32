#include "support/budgetscope.h"

#include "platform/memorybudget.h"

#include <QtGlobal>

namespace TestSupport {

BudgetScope::BudgetScope(const QByteArray &megabytes)
    : m_wasSet(qEnvironmentVariableIsSet(MemoryBudget::variable)),
      m_before(qgetenv(MemoryBudget::variable))
{
    if (megabytes.isEmpty())
        qunsetenv(MemoryBudget::variable);
    else
        qputenv(MemoryBudget::variable, megabytes);
}

BudgetScope::~BudgetScope()
{
    if (m_wasSet)
        qputenv(MemoryBudget::variable, m_before);
    else
        qunsetenv(MemoryBudget::variable);
}

} // namespace TestSupport

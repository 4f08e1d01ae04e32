// Sets the memory budget (MemoryBudget's environment variable) for the
// scope's lifetime, and puts back what was there before.
#pragma once

#include <QByteArray>

namespace TestSupport {

class BudgetScope
{
public:
    // `megabytes` as the variable's text; an empty text unsets it.
    explicit BudgetScope(const QByteArray &megabytes);
    explicit BudgetScope(int megabytes) : BudgetScope(QByteArray::number(megabytes)) {}
    ~BudgetScope();
    BudgetScope(const BudgetScope &) = delete;
    BudgetScope &operator=(const BudgetScope &) = delete;

private:
    bool m_wasSet;
    QByteArray m_before;
};

} // namespace TestSupport

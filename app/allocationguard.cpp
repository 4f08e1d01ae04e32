#include "app/allocationguard.h"

#include "platform/hugepageheap.h"
#include "platform/prompter.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QToolButton>
#include <QWidget>

#include <new>

namespace {

// A menu entry's text without its accelerator marks and ellipsis.
QString plainText(QString text)
{
    text.remove(QLatin1Char('&'));
    if (text.endsWith(QStringLiteral("...")))
        text.chop(3);
    return text.trimmed();
}

void tellFailure(const QString &action)
{
    const QString what =
        action.isEmpty()
            ? QApplication::translate("AllocationGuard", "The last action")
            : QApplication::translate("AllocationGuard", "\"%1\"").arg(action);
    Prompter::instance().warning(
        QApplication::activeWindow(), QApplication::translate("AllocationGuard", "Velmora"),
        QApplication::translate("AllocationGuard",
                                "%1 failed: this computer did not give Velmora the memory it "
                                "needed. The action was stopped; the other open scores are as "
                                "they were. Close scores you do not need, or split a long score "
                                "into shorter ones, and try again.")
            .arg(what));
}

} // namespace

namespace AllocationGuard {

bool run(const QString &action, const std::function<void()> &work)
{
    try {
        work();
        return true;
    } catch (const std::bad_alloc &) {
    }
    // Outside the handler: what was built before the failure is gone, and
    // telling the user needs memory of its own.
    recover(action);
    return false;
}

void recover(const QString &action)
{
    HugePageHeap::giveBack();
    tellFailure(action);
}

QString actionOf(QObject *receiver)
{
    if (auto *action = qobject_cast<QAction *>(receiver))
        return plainText(action->text());
    if (auto *menu = qobject_cast<QMenu *>(receiver))
        return menu->activeAction() ? plainText(menu->activeAction()->text()) : QString();
    if (auto *tool = qobject_cast<QToolButton *>(receiver); tool && tool->defaultAction())
        return plainText(tool->defaultAction()->text());
    if (auto *button = qobject_cast<QAbstractButton *>(receiver))
        return plainText(button->text());
    return QString();
}

} // namespace AllocationGuard

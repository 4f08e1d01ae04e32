#include "support/scorerows.h"

#include "support/testenvironment.h"

#include <QtTest>

#include <utility>

namespace TestSupport {

void addSampleAndEchigoRows(const QList<int> &styles)
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("horizontal");
    const QList<std::pair<const char *, QString>> scores = {
        {"sakura", samplePath()},
        {"echigo", fixturePath(QStringLiteral("corpus/japanese/Echigo_Jishi.xml"))}};
    for (const auto &[name, path] : scores) {
        for (int style : styles) {
            for (bool horizontal : {true, false})
                QTest::addRow("%s s%d %s", name, style, horizontal ? "h" : "v")
                    << path << style << horizontal;
        }
    }
}

} // namespace TestSupport

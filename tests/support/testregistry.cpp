#include "support/testenvironment.h"

#include <QFileInfo>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace TestSupport {

namespace {

std::map<std::string, TestFactory> &registeredTests()
{
    static std::map<std::string, TestFactory> tests;
    return tests;
}

void listTests(const char *program)
{
    std::fprintf(stderr, "usage: %s <test> [Qt Test options]\ntests:\n", program);
    for (const auto &entry : registeredTests())
        std::fprintf(stderr, "  %s\n", entry.first.c_str());
}

} // namespace

bool registerTest(const char *sourceFile, TestFactory factory)
{
    const QString name = QFileInfo(QString::fromLocal8Bit(sourceFile)).completeBaseName();
    return registeredTests().emplace(name.toStdString(), std::move(factory)).second;
}

int runRegisteredTest(int argc, char *argv[])
{
    const auto found = argc >= 2 ? registeredTests().find(argv[1]) : registeredTests().end();
    if (found == registeredTests().end()) {
        listTests(argv[0]);
        return 2;
    }
    // Qt Test sees the program name and the options after the test's name.
    std::vector<char *> arguments{argv[0]};
    arguments.insert(arguments.end(), argv + 2, argv + argc);
    int count = int(arguments.size());
    arguments.push_back(nullptr);

    prepareEnvironment();
    Startup::prepareProcess();
    QApplication app(count, arguments.data());
    app.setAttribute(Qt::AA_Use96Dpi, true);
    Startup::prepareFonts();
    Prompter::install(&prompter());
    catchWebUrls();
    const std::unique_ptr<QObject> test = found->second();
    return QTest::qExec(test.get(), count, arguments.data());
}

} // namespace TestSupport

int main(int argc, char *argv[])
{
    return TestSupport::runRegisteredTest(argc, argv);
}

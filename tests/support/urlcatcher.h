// Web addresses the program asks the desktop to open are recorded instead
// of reaching a browser, so no test ever leaves this machine that way.
#pragma once

#include <QList>
#include <QUrl>

namespace TestSupport {
// Routes QDesktopServices::openUrl of http and https addresses to the
// recorder. Called once by VELMORA_TEST_MAIN.
void catchWebUrls();
// Every web address opened since the process started, in order.
QList<QUrl> openedUrls();
void clearOpenedUrls();
} // namespace TestSupport

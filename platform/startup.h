// Process-wide set-up that must happen before any score is created: the
// deterministic hash seed (so saved documents are byte-stable), the memory
// allocator tuned for regeneration's item churn, the substitutes for the
// Windows font families that scores name (led by copies of the installed
// Japanese fonts whose PDF text reads back as the score's own characters,
// kept in the user's cache folder, see platform/derivedtextfont.h), and the
// registration of the program's bundled fonts.
#pragma once

#include <QHash>
#include <QStringList>

namespace Startup {

// Must run before the application object is constructed.
void prepareProcess();

// The address space the program takes to start and draw a small score,
// beyond what is mapped when main() begins.
constexpr long long startingAddressSpace = 96LL * 1024 * 1024;

// Empty when the process's address-space limit (ulimit -v) leaves room to
// start; otherwise the message that says so, to print before giving up.
// Runs before the application object: nothing of the toolkit is needed.
QString addressSpaceTooSmall();

// Must run after the application object exists (fonts need the GUI).
void prepareFonts();

// The Windows families that scores and the program name, and the free
// families that stand in for them here.
QStringList japaneseMinchoFamilies();
QStringList japaneseGothicFamilies();

// The installed family each copy of a text font was made from,
// keyed by the copy's family. The copies exist only inside this program:
// files that other programs draw (SVG) name the installed family instead,
// which draws the same glyphs.
QHash<QString, QString> derivedTextFamilies();

} // namespace Startup

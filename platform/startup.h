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

// Where each credit of a score stands in the header by its role: the title
// centred and largest, the subtitle under it, the composer at the far end,
// the lyricist and the arranger or rights at the header's foot, any other
// in the starting corner (places 0 to 5, as the header's drawer numbers
// them; the place also decides a credit's default size).
//
// A file that gives its title first draws as it always has: the n-th
// credit takes place n. Otherwise a credit whose `credit` names its
// credit-type takes that type's place; one without (MuseScore 3 writes
// none) is placed by its layout hints where they clearly name the title
// (the largest font size, centred, at the top of the page): right-justified
// is the composer, at the page's foot the rights, centred a subtitle,
// left-justified the lyricist; without such a title, by its order. Reads
// what the credits kept of the file (Credit's role and hints), never the
// document, which may be gone.
#pragma once

#include <QList>

class Credit;

namespace CreditPlaces {

enum Place
{
    Title = 0,
    Subtitle = 1,
    Composer = 2,
    Lyricist = 3,
    Foot = 4, // arranger, rights
    Corner = 5,
};

// One place per credit, in the order of `credits`.
QList<int> places(const QList<Credit *> &credits);

} // namespace CreditPlaces

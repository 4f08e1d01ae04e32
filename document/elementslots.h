// Every element handle the model holds of the score's document: the part
// list, the parts, the credits, each measure's element per part, and each
// note with its lyrics, fingerings and directives. Whatever points the model
// at another document, or lets go of this one, walks them here.
#pragma once

#include <QDomElement>

#include <functional>

class Measure;
class Score;

namespace ElementSlots {

void forEach(Score *score, const std::function<void(QDomElement &slot)> &visit);
// The handles of one measure: its element in every part, and each note of
// part `partIndex` with its lyrics, fingerings and directives.
void forEachInMeasure(Measure *measure, int partIndex,
                      const std::function<void(QDomElement &slot)> &visit);

} // namespace ElementSlots

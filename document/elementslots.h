// Every element handle the model holds of the score's document: the part
// list, the parts, the credits, each measure's element per part, and each
// note with its lyrics, fingerings and directives. Whatever points the model
// at another document, or lets go of this one, walks them here.
#pragma once

#include <QDomElement>

#include <functional>

class Score;

namespace ElementSlots {

void forEach(Score *score, const std::function<void(QDomElement &slot)> &visit);

} // namespace ElementSlots

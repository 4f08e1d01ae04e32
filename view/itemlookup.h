// Finding what a tagged scene item stands for after the scene was drawn
// anew: the tags (model/itemtags.h) outlive the items, so a command that
// regenerates on its way finds the same objects' new items by them.
#pragma once

#include "model/itemtags.h"

class QGraphicsItem;
class Score;

// The scene item the last generation made for the model object the tags
// name; null when it made none or the tags name nothing.
QGraphicsItem *itemOfTags(const Score &score, const ItemTags &tags);

// True for the spans whose drawn shape follows their offset: slurs, wavy
// lines, wedges and brackets.
bool reshapesWithOffset(const Score &score, const ItemTags &tags);

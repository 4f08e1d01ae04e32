// Score's item generation: the scene cleared and every graphic item of
// every page made again, in one pass over the displayed measures for the
// frame and one over all measures for their contents.
#include "model/measure.h"
#include "model/page.h"
#include "model/score.h"
#include "platform/allocationfailure.h"
#include "platform/hugepageheap.h"

int Score::generateGraphicItems()
{
    AllocationFailure::injectAt("layout");
    beginGraphicItems();
    // after this: an empty scene with a new watcher, the first page counted
    genMeasureFrames();
    // after this: every displayed measure has its measure item; brackets,
    // numbers and stage lines stand at line starts and ends

    page->resetPages();
    for (int i = 0; i < measures.size();) {
        genMeasureItems(i);
        HugePageHeap::follow();
        // Measures merged into a multi-measure rest are drawn by it.
        const int span = measures.at(i)->multiRestCount;
        i += span >= 2 ? span : 1;
    }
    // after this: every measure and its voices are drawn, page by page

    genFooterLine();
    genCreditItems();
    // after this: the footer and the credits stand on their pages
    keepMeasureNumbersClear();
    drawClosingFrames();
    reportSqueezedLyrics();
    return 1;
}

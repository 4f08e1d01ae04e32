// Table rows over the bundled sample and the corpus koto piece.
#pragma once

#include <QList>

namespace TestSupport {

// Adds the columns "path", "style" and "horizontal" and one row named
// "<score> s<style> <h|v>" for the sample ("sakura") and Echigo Jishi
// ("echigo") in each of `styles`, in both writing directions.
void addSampleAndEchigoRows(const QList<int> &styles);

} // namespace TestSupport

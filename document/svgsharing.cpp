#include "document/svgsharing.h"

#include <QHash>
#include <QList>

namespace {

// An element "<path .../>" found in the text.
struct Span
{
    qsizetype begin;
    qsizetype end; // one past "/>"
};

QList<Span> pathElements(const QByteArray &svg)
{
    QList<Span> spans;
    qsizetype at = 0;
    while ((at = svg.indexOf("<path ", at)) >= 0) {
        const qsizetype close = svg.indexOf("/>", at);
        const qsizetype nextOpen = svg.indexOf('<', at + 1);
        if (close < 0)
            break;
        if (nextOpen >= 0 && nextOpen < close) {
            at = nextOpen; // a path with content: left as it is
            continue;
        }
        spans.append({at, close + 2});
        at = close + 2;
    }
    return spans;
}

// Whether a group opening at `at` holds only white space up to its "</g>";
// sets `end` one past that closing tag.
bool isEmptyGroup(const QByteArray &svg, qsizetype at, qsizetype *end)
{
    const qsizetype open = svg.indexOf('>', at);
    if (open < 0 || svg.at(open - 1) == '/')
        return false;
    qsizetype i = open + 1;
    while (i < svg.size() && (svg.at(i) == '\n' || svg.at(i) == ' ' || svg.at(i) == '\r'))
        ++i;
    if (!svg.mid(i, 4).startsWith("</g>"))
        return false;
    *end = i + 4;
    return true;
}

QByteArray withoutEmptyGroups(const QByteArray &svg)
{
    QByteArray out;
    out.reserve(svg.size());
    qsizetype copied = 0;
    qsizetype at = 0;
    while ((at = svg.indexOf("<g ", at)) >= 0) {
        qsizetype end = 0;
        if (isEmptyGroup(svg, at, &end)) {
            out.append(svg.constData() + copied, at - copied);
            while (end < svg.size() && svg.at(end) == '\n')
                ++end;
            copied = end;
            at = end;
        } else {
            at += 3;
        }
    }
    out.append(svg.constData() + copied, svg.size() - copied);
    return out;
}

} // namespace

QByteArray SvgSharing::shared(const QByteArray &input)
{
    const QByteArray svg = withoutEmptyGroups(input);
    const qsizetype defsAt = svg.indexOf("<defs>");
    if (defsAt < 0)
        return svg; // nowhere to define shapes
    const QList<Span> spans = pathElements(svg);
    QHash<QByteArray, int> counts;
    for (const Span &span : spans)
        ++counts[svg.mid(span.begin, span.end - span.begin)];

    QHash<QByteArray, QByteArray> ids; // element -> id, in order of first use
    QByteArray defs;
    QByteArray body;
    body.reserve(svg.size());
    qsizetype copied = 0;
    for (const Span &span : spans) {
        const QByteArray element = svg.mid(span.begin, span.end - span.begin);
        if (counts.value(element) < 2)
            continue;
        QByteArray &id = ids[element];
        if (id.isEmpty()) {
            id = "s" + QByteArray::number(ids.size());
            defs += "<path id=\"" + id + "\" " + element.mid(6) + '\n';
        }
        body.append(svg.constData() + copied, span.begin - copied);
        body += "<use xlink:href=\"#" + id + "\"/>";
        copied = span.end;
    }
    body.append(svg.constData() + copied, svg.size() - copied);
    if (!defs.isEmpty())
        body.insert(defsAt + 6, '\n' + defs); // before the first path, so unchanged by them
    return body;
}

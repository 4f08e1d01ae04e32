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

bool isBlank(QByteArrayView text)
{
    for (const char c : text) {
        if (c != ' ' && c != '\n' && c != '\r' && c != '\t')
            return false;
    }
    return true;
}

// The opening tag `tag` of a group without text, without the font
// attributes that the generator writes on every group: only text reads them.
QByteArray withoutFontAttributes(QByteArray tag)
{
    static const char *const names[] = {"font-family=\"", "font-size=\"", "font-weight=\"",
                                        "font-style=\""};
    for (const char *name : names) {
        const qsizetype at = tag.indexOf(name);
        if (at < 1 || (tag.at(at - 1) != ' ' && tag.at(at - 1) != '\n'))
            continue;
        const qsizetype valueEnd = tag.indexOf('"', at + qsizetype(qstrlen(name)));
        if (valueEnd > at)
            tag.remove(at, valueEnd + 1 - at);
    }
    return tag;
}

// The generator's state groups hold no groups of their own. Those that hold
// nothing are left out, and those without text lose their font attributes.
QByteArray tidiedGroups(const QByteArray &svg)
{
    QByteArray out;
    out.reserve(svg.size());
    qsizetype copied = 0;
    qsizetype at = 0;
    while ((at = svg.indexOf("<g ", at)) >= 0) {
        const qsizetype tagEnd = svg.indexOf('>', at);
        const qsizetype close = svg.indexOf("</g>", at);
        const qsizetype nested = svg.indexOf("<g ", at + 3);
        if (tagEnd < 0 || close < 0 || svg.at(tagEnd - 1) == '/' ||
            (nested >= 0 && nested < close)) {
            at += 3;
            continue;
        }
        const QByteArrayView content = QByteArrayView(svg).sliced(tagEnd + 1, close - tagEnd - 1);
        out.append(svg.constData() + copied, at - copied);
        if (isBlank(content)) {
            qsizetype end = close + 4;
            while (end < svg.size() && svg.at(end) == '\n')
                ++end;
            copied = end;
        } else {
            const QByteArray tag = svg.mid(at, tagEnd + 1 - at);
            out += content.contains("<text") ? tag : withoutFontAttributes(tag);
            copied = tagEnd + 1;
        }
        at = copied;
    }
    out.append(svg.constData() + copied, svg.size() - copied);
    return out;
}

} // namespace

QByteArray SvgSharing::shared(const QByteArray &input)
{
    const QByteArray svg = tidiedGroups(input);
    const qsizetype defsAt = svg.indexOf("<defs>");
    if (defsAt < 0)
        return svg; // nowhere to define shapes
    // Views into `svg`: a page's paths are tens of megabytes in all.
    struct Shape
    {
        int count = 0;
        QByteArray id; // given at the first use
    };
    const QList<Span> spans = pathElements(svg);
    QHash<QByteArrayView, Shape> shapes;
    const QByteArrayView text(svg);
    for (const Span &span : spans)
        ++shapes[text.sliced(span.begin, span.end - span.begin)].count;

    QByteArray defs;
    QByteArray body;
    body.reserve(svg.size());
    qsizetype copied = 0;
    int defined = 0;
    for (const Span &span : spans) {
        const QByteArrayView element = text.sliced(span.begin, span.end - span.begin);
        Shape &shape = shapes[element];
        if (shape.count < 2)
            continue;
        if (shape.id.isEmpty()) {
            shape.id = "s" + QByteArray::number(++defined);
            defs += "<path id=\"" + shape.id + "\" ";
            defs += element.sliced(6); // after "<path "
            defs += '\n';
        }
        body.append(svg.constData() + copied, span.begin - copied);
        body += "<use xlink:href=\"#" + shape.id + "\"/>";
        copied = span.end;
    }
    body.append(svg.constData() + copied, svg.size() - copied);
    if (!defs.isEmpty())
        body.insert(defsAt + 6, '\n' + defs); // before the first path, so unchanged by them
    return body;
}

#include "platform/derivedtextfont.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

#include <algorithm>
#include <vector>

namespace DerivedTextFont {

namespace {

// Reads big-endian numbers inside a byte range; every read is checked, and a
// read past the end sets `ok` to false and gives 0, so a damaged table ends
// as a refusal instead of a crash.
struct Reader
{
    const uchar *data;
    qsizetype size;
    bool ok = true;

    bool has(qsizetype at, qsizetype length)
    {
        if (at < 0 || length < 0 || at + length > size)
            ok = false;
        return ok;
    }
    quint16 u16(qsizetype at) { return has(at, 2) ? qFromBigEndian<quint16>(data + at) : 0; }
    quint32 u32(qsizetype at) { return has(at, 4) ? qFromBigEndian<quint32>(data + at) : 0; }
};

void put16(QByteArray &out, quint16 value)
{
    const char bytes[2] = {char(value >> 8), char(value)};
    out.append(bytes, 2);
}

void put32(QByteArray &out, quint32 value)
{
    put16(out, quint16(value >> 16));
    put16(out, quint16(value));
}

void set32(QByteArray &out, qsizetype at, quint32 value)
{
    qToBigEndian<quint32>(value, out.data() + at);
}

struct Table
{
    quint32 tag;
    QByteArray bytes;
};

constexpr quint32 tagOf(const char (&name)[5])
{
    return quint32(uchar(name[0])) << 24 | quint32(uchar(name[1])) << 16 |
           quint32(uchar(name[2])) << 8 | quint32(uchar(name[3]));
}

// Code point and glyph index pairs, sorted by code point once read.
using CharMap = std::vector<std::pair<char32_t, quint16>>;

bool readFormat12(Reader &r, qsizetype at, CharMap &map)
{
    const quint32 groups = r.u32(at + 12);
    if (!r.has(at + 16, qsizetype(groups) * 12))
        return false;
    for (quint32 i = 0; i < groups; ++i) {
        const qsizetype group = at + 16 + qsizetype(i) * 12;
        const char32_t first = r.u32(group);
        const char32_t last = std::min<char32_t>(r.u32(group + 4), 0x10FFFF);
        const quint32 glyph = r.u32(group + 8);
        for (char32_t c = first; c <= last && c >= first; ++c) {
            if (glyph + (c - first) <= 0xFFFF && glyph + (c - first) != 0)
                map.emplace_back(c, quint16(glyph + (c - first)));
        }
    }
    return r.ok;
}

bool readFormat4(Reader &r, qsizetype at, CharMap &map)
{
    const int segments = r.u16(at + 6) / 2;
    const qsizetype ends = at + 14;
    const qsizetype starts = ends + 2 * segments + 2;
    const qsizetype deltas = starts + 2 * segments;
    const qsizetype offsets = deltas + 2 * segments;
    if (!r.has(at, offsets + 2 * segments - at))
        return false;
    for (int s = 0; s < segments; ++s) {
        const quint16 first = r.u16(starts + 2 * s);
        const quint16 last = r.u16(ends + 2 * s);
        const quint16 delta = r.u16(deltas + 2 * s);
        const quint16 offset = r.u16(offsets + 2 * s);
        for (quint32 c = first; c <= last && c < 0xFFFF; ++c) {
            quint16 glyph;
            if (offset == 0) {
                glyph = quint16(c + delta);
            } else {
                glyph = r.u16(offsets + 2 * s + offset + 2 * (c - first));
                if (!r.ok)
                    return false;
                if (glyph != 0)
                    glyph = quint16(glyph + delta);
            }
            if (glyph != 0)
                map.emplace_back(char32_t(c), glyph);
        }
    }
    return r.ok;
}

// The font's Unicode map, read from its fullest Unicode subtable, and its
// variation-sequence subtable (kept as it is: its entries start from kanji,
// never from radicals).
bool readCharMap(const QByteArray &cmap, CharMap &map, QByteArray &variations)
{
    Reader r{reinterpret_cast<const uchar *>(cmap.constData()), cmap.size()};
    const int count = r.u16(2);
    qsizetype full = -1, bmp = -1;
    for (int i = 0; i < count && r.ok; ++i) {
        const quint16 platform = r.u16(4 + 8 * i);
        const quint16 encoding = r.u16(6 + 8 * i);
        const qsizetype at = r.u32(8 + 8 * i);
        const quint16 format = r.u16(at);
        const bool unicode = platform == 0 || (platform == 3 && (encoding == 1 || encoding == 10));
        if (unicode && format == 12)
            full = at;
        else if (unicode && format == 4)
            bmp = at;
        else if (platform == 0 && encoding == 5 && format == 14) {
            const quint32 length = r.u32(at + 2);
            if (r.has(at, length))
                variations = cmap.mid(at, length);
        }
    }
    if (!r.ok || (full < 0 && bmp < 0))
        return false;
    if (!(full >= 0 ? readFormat12(r, full, map) : readFormat4(r, bmp, map)))
        return false;
    // A damaged table may list a code point twice or out of order; the
    // first mapping of each counts.
    std::stable_sort(map.begin(), map.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    map.erase(std::unique(map.begin(), map.end(),
                          [](const auto &a, const auto &b) { return a.first == b.first; }),
              map.end());
    return true;
}

// Format 4 holds the Basic Multilingual Plane: one segment for each run of
// consecutive code points, by a fixed glyph offset where the run allows it
// and by a list of glyphs otherwise. Empty when the map does not fit the
// subtable's 16-bit sizes; format 12 then serves alone.
QByteArray format4(const CharMap &map)
{
    struct Segment
    {
        quint16 first, last, delta;
        int glyphs = -1; // index into the glyph list, or -1 for a fixed offset
    };
    std::vector<Segment> segments;
    std::vector<quint16> glyphList;
    for (auto it = map.begin(); it != map.end() && it->first < 0xFFFF;) {
        auto end = std::next(it);
        bool fixed = true;
        while (end != map.end() && end->first < 0xFFFF && end->first == std::prev(end)->first + 1) {
            fixed = fixed && end->second == std::prev(end)->second + 1;
            ++end;
        }
        Segment segment{quint16(it->first), quint16(std::prev(end)->first),
                        quint16(it->second - it->first)};
        if (!fixed) {
            segment.delta = 0;
            segment.glyphs = int(glyphList.size());
            for (auto g = it; g != end; ++g)
                glyphList.push_back(g->second);
        }
        segments.push_back(segment);
        it = end;
    }
    segments.push_back({0xFFFF, 0xFFFF, 1});

    const qsizetype count = qsizetype(segments.size());
    const qsizetype length = 16 + 8 * count + 2 * qsizetype(glyphList.size());
    if (length > 0xFFFF)
        return QByteArray();
    int power = 1, log2 = 0;
    while (power * 2 <= count) {
        power *= 2;
        ++log2;
    }
    QByteArray out;
    out.reserve(length);
    put16(out, 4);
    put16(out, quint16(length));
    put16(out, 0); // language
    put16(out, quint16(2 * count));
    put16(out, quint16(2 * power));
    put16(out, quint16(log2));
    put16(out, quint16(2 * count - 2 * power));
    for (const Segment &s : segments)
        put16(out, s.last);
    put16(out, 0); // reserved pad
    for (const Segment &s : segments)
        put16(out, s.first);
    for (const Segment &s : segments)
        put16(out, s.delta);
    for (qsizetype i = 0; i < count; ++i) {
        const Segment &s = segments[size_t(i)];
        // Measured from this entry to the segment's first glyph in the list.
        put16(out, s.glyphs < 0 ? 0 : quint16(2 * (count - i) + 2 * s.glyphs));
    }
    for (quint16 glyph : glyphList)
        put16(out, glyph);
    return out;
}

// Format 12 holds every plane as runs of consecutive code points that reach
// consecutive glyphs.
QByteArray format12(const CharMap &map)
{
    QByteArray groups;
    quint32 count = 0;
    for (auto it = map.begin(); it != map.end();) {
        auto end = std::next(it);
        while (end != map.end() && end->first == std::prev(end)->first + 1 &&
               end->second == std::prev(end)->second + 1)
            ++end;
        put32(groups, it->first);
        put32(groups, std::prev(end)->first);
        put32(groups, it->second);
        ++count;
        it = end;
    }
    QByteArray out;
    put16(out, 12);
    put16(out, 0);
    put32(out, quint32(16 + groups.size()));
    put32(out, 0); // language
    put32(out, count);
    return out + groups;
}

QByteArray makeCmap(const CharMap &map, const QByteArray &variations)
{
    const QByteArray bmp = format4(map);
    const QByteArray full = format12(map);
    struct Entry
    {
        quint16 platform, encoding;
        const QByteArray *subtable;
    };
    std::vector<Entry> entries;
    if (!variations.isEmpty())
        entries.push_back({0, 5, &variations});
    if (!bmp.isEmpty())
        entries.push_back({3, 1, &bmp});
    entries.push_back({3, 10, &full});

    QByteArray out;
    put16(out, 0);
    put16(out, quint16(entries.size()));
    quint32 offset = quint32(4 + 8 * entries.size());
    for (const Entry &e : entries) {
        put16(out, e.platform);
        put16(out, e.encoding);
        put32(out, offset);
        offset += quint32(e.subtable->size());
    }
    for (const Entry &e : entries)
        out += *e.subtable;
    return out;
}

QByteArray encodedName(quint16 platform, const QString &text)
{
    if (platform == 0 || platform == 3) {
        QByteArray out;
        for (const QChar c : text)
            put16(out, c.unicode());
        return out;
    }
    return text.toLatin1();
}

// The name table with every family, full and PostScript name, in every
// language, replaced by the copy's own; other records stay as they are.
bool renameFamily(const QByteArray &name, const QString &family, QByteArray &out)
{
    Reader r{reinterpret_cast<const uchar *>(name.constData()), name.size()};
    const quint16 format = r.u16(0);
    const int count = r.u16(2);
    const qsizetype storage = r.u16(4);
    if (!r.has(6, 12 * qsizetype(count)) || format > 1)
        return false;
    QString postScript = family;
    postScript.remove(QLatin1Char(' '));

    QByteArray records, strings;
    int kept = 0;
    for (int i = 0; i < count; ++i) {
        const qsizetype at = 6 + 12 * i;
        const quint16 platform = r.u16(at), encoding = r.u16(at + 2), language = r.u16(at + 4);
        const quint16 id = r.u16(at + 6);
        if (language >= 0x8000)
            continue; // a language-tag record of format 1; the copy is format 0
        QByteArray text;
        if (id == 1 || id == 4 || id == 16)
            text = encodedName(platform, family);
        else if (id == 6)
            text = encodedName(platform, postScript);
        else {
            const qsizetype from = storage + r.u16(at + 10);
            const qsizetype length = r.u16(at + 8);
            if (!r.has(from, length))
                return false;
            text = name.mid(from, length);
        }
        put16(records, platform);
        put16(records, encoding);
        put16(records, language);
        put16(records, id);
        put16(records, quint16(text.size()));
        put16(records, quint16(strings.size()));
        strings += text;
        ++kept;
    }
    if (strings.size() > 0xFFFF)
        return false;
    out.clear();
    put16(out, 0);
    put16(out, quint16(kept));
    put16(out, quint16(6 + records.size()));
    out += records + strings;
    return true;
}

quint32 checksum(const char *data, qsizetype length)
{
    quint32 sum = 0;
    qsizetype i = 0;
    for (; i + 4 <= length; i += 4)
        sum += qFromBigEndian<quint32>(data + i);
    if (i < length) {
        uchar tail[4] = {0, 0, 0, 0};
        std::copy(data + i, data + length, tail);
        sum += qFromBigEndian<quint32>(tail);
    }
    return sum;
}

// Tables in tag order, each on a 4-byte boundary, with the directory's
// search fields, every checksum and the head table's whole-file adjustment
// worked out anew.
QByteArray assemble(quint32 version, std::vector<Table> &tables)
{
    std::sort(tables.begin(), tables.end(),
              [](const Table &a, const Table &b) { return a.tag < b.tag; });
    const int count = int(tables.size());
    int power = 1, log2 = 0;
    while (power * 2 <= count) {
        power *= 2;
        ++log2;
    }
    QByteArray out;
    put32(out, version);
    put16(out, quint16(count));
    put16(out, quint16(16 * power));
    put16(out, quint16(log2));
    put16(out, quint16(16 * count - 16 * power));
    qsizetype offset = 12 + 16 * count;
    qsizetype headAt = -1;
    for (Table &t : tables) {
        if (t.tag == tagOf("head") && t.bytes.size() >= 12) {
            set32(t.bytes, 8, 0); // checkSumAdjustment counts as 0 in every sum
            headAt = offset;
        }
        put32(out, t.tag);
        put32(out, checksum(t.bytes.constData(), t.bytes.size()));
        put32(out, quint32(offset));
        put32(out, quint32(t.bytes.size()));
        offset += (t.bytes.size() + 3) & ~qsizetype(3);
    }
    // The whole file's sum is the directory's plus each table's, as every
    // table starts on a 4-byte boundary and is padded with zeros.
    quint32 whole = checksum(out.constData(), out.size());
    for (qsizetype i = 0; i < count; ++i)
        whole += qFromBigEndian<quint32>(out.constData() + 12 + 16 * i + 4);
    out.reserve(offset);
    for (const Table &t : tables) {
        out += t.bytes;
        out.append((4 - t.bytes.size() % 4) % 4, '\0');
    }
    if (headAt >= 0)
        set32(out, headAt + 8, 0xB1B0AFBA - whole);
    return out;
}

} // namespace

QByteArray fromData(const QByteArray &font, const QString &family, QString *why)
{
    auto refuse = [why](const char *reason) {
        if (why)
            *why = QString::fromLatin1(reason);
        return QByteArray();
    };
    Reader r{reinterpret_cast<const uchar *>(font.constData()), font.size()};
    const quint32 version = r.u32(0);
    if (version != 0x00010000 && version != tagOf("true") && version != tagOf("OTTO"))
        return refuse("not a single TrueType or OpenType font");
    const int count = r.u16(4);
    if (!r.has(12, 16 * qsizetype(count)))
        return refuse("truncated table directory");

    std::vector<Table> tables;
    QByteArray cmap, name;
    for (int i = 0; i < count; ++i) {
        const qsizetype at = 12 + 16 * i;
        const quint32 tag = r.u32(at);
        const qsizetype offset = r.u32(at + 8);
        const qsizetype length = r.u32(at + 12);
        if (!r.has(offset, length))
            return refuse("a table lies outside the file");
        // Borrowed, not copied: `font` outlives the assembly below.
        const QByteArray bytes = QByteArray::fromRawData(font.constData() + offset, length);
        if (tag == tagOf("cmap"))
            cmap = bytes;
        else if (tag == tagOf("name"))
            name = bytes;
        else
            tables.push_back({tag, bytes});
    }

    CharMap map;
    QByteArray variations;
    if (cmap.isEmpty() || !readCharMap(cmap, map, variations))
        return refuse("no readable Unicode character map");
    map.erase(std::remove_if(
                  map.begin(), map.end(),
                  [](const auto &m) { return m.first >= firstLeftOut && m.first <= lastLeftOut; }),
              map.end());
    QByteArray renamed;
    if (name.isEmpty() || !renameFamily(name, family, renamed))
        return refuse("no readable name table");

    tables.push_back({tagOf("cmap"), makeCmap(map, variations)});
    tables.push_back({tagOf("name"), renamed});
    return assemble(version, tables);
}

QByteArray fromFile(const QString &path, const QString &family, QString *why)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (why)
            *why = file.errorString();
        return QByteArray();
    }
    // Mapped rather than read: the copy is assembled straight from the file.
    if (const uchar *mapped = file.map(0, file.size())) {
        return fromData(
            QByteArray::fromRawData(reinterpret_cast<const char *>(mapped), file.size()), family,
            why);
    }
    return fromData(file.readAll(), family, why);
}

QString cachedFileName(const QString &path, const QString &family)
{
    // Raised whenever the way a copy is made changes, so that no copy made
    // the old way is taken for a new one.
    constexpr int layout = 1;
    const QFileInfo original(path);
    const QByteArray key = QFile::encodeName(original.absoluteFilePath()) + '\n' +
                           QByteArray::number(original.size()) + '\n' +
                           QByteArray::number(original.lastModified().toMSecsSinceEpoch()) + '\n' +
                           family.toUtf8() + '\n' + QByteArray::number(layout);
    const QByteArray digest =
        QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(16);
    QString stem = family;
    stem.replace(QLatin1Char(' '), QLatin1Char('-'));
    return stem + QLatin1Char('-') + QString::fromLatin1(digest) + QStringLiteral(".ttf");
}

QString cachedFile(const QString &path, const QString &family, const QString &cacheFolder,
                   QString *why)
{
    const auto refuse = [why](const QString &reason) {
        if (why)
            *why = reason;
        return QString();
    };
    if (cacheFolder.isEmpty())
        return refuse(QStringLiteral("no cache folder"));
    if (!QFileInfo::exists(path))
        return refuse(QStringLiteral("%1 does not exist").arg(path));
    const QString target = QDir(cacheFolder).filePath(cachedFileName(path, family));
    if (QFileInfo(target).isFile())
        return target;

    const QByteArray font = fromFile(path, family, why);
    if (font.isEmpty())
        return QString();
    if (!QDir().mkpath(cacheFolder))
        return refuse(QStringLiteral("cannot make the folder %1").arg(cacheFolder));
    // Written whole or not at all: another start-up may read it at any time.
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(font) != font.size() || !file.flush() ||
        !file.commit()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return refuse(reason);
    }
    // Copies of an earlier version of the original are no longer reached.
    QString stem = family;
    stem.replace(QLatin1Char(' '), QLatin1Char('-'));
    const QDir folder(cacheFolder);
    for (const QString &old : folder.entryList({stem + QStringLiteral("-*.ttf")}, QDir::Files)) {
        if (old != QFileInfo(target).fileName())
            QFile::remove(folder.filePath(old));
    }
    return target;
}

} // namespace DerivedTextFont

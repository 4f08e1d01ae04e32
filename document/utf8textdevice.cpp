#include "document/utf8textdevice.h"

#include "platform/hugepageheap.h"
#include <algorithm>
#include <cstring>

namespace {

constexpr qsizetype pieceLength = 16 * 1024;

} // namespace

Utf8TextDevice::Utf8TextDevice(QString text, qsizetype blankUpTo, QObject *parent)
    : QIODevice(parent), m_text(std::move(text)), m_blankUpTo(std::min(blankUpTo, m_text.size()))
{
    open(QIODevice::ReadOnly);
}

qint64 Utf8TextDevice::bytesAvailable() const
{
    return (m_pending.size() - m_pendingRead) + (m_text.size() - m_next) +
           QIODevice::bytesAvailable();
}

void Utf8TextDevice::encodeNextPiece()
{
    m_pendingRead = 0;
    if (m_next < m_blankUpTo) {
        QString blanks = m_text.mid(m_next, m_blankUpTo - m_next);
        for (QChar &c : blanks) {
            if (c != QLatin1Char('\n') && c != QLatin1Char('\r'))
                c = QLatin1Char(' ');
        }
        m_pending = m_encoder.encode(blanks);
        m_next = m_blankUpTo;
        return;
    }
    // The encoder carries a surrogate pair split between two pieces.
    const qsizetype count = std::min(pieceLength, m_text.size() - m_next);
    m_pending = m_encoder.encode(QStringView(m_text).mid(m_next, count));
    m_next += count;
}

qint64 Utf8TextDevice::readData(char *data, qint64 maxSize)
{
    if (m_pendingRead == m_pending.size()) {
        if (m_next == m_text.size())
            return 0;
        emit pieceWanted();
        encodeNextPiece();
        // The document grows with every piece the parser reads.
        HugePageHeap::follow();
    }
    const qint64 taken = std::min<qint64>(maxSize, m_pending.size() - m_pendingRead);
    std::memcpy(data, m_pending.constData() + m_pendingRead, size_t(taken));
    m_pendingRead += taken;
    return taken;
}

// A read-only device that hands a text out as UTF-8, a piece at a time. A
// reader given the text itself holds it twice more while it parses (once
// encoded, once decoded again); fed from this device it holds one piece.
//
// The first `blankUpTo` characters go out as spaces, line breaks kept, so
// that what follows stands at the same line and column.
#pragma once

#include <QIODevice>
#include <QString>
#include <QStringEncoder>

class Utf8TextDevice : public QIODevice
{
    Q_OBJECT

public:
    explicit Utf8TextDevice(QString text, qsizetype blankUpTo = 0, QObject *parent = nullptr);

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

signals:
    // The reader has taken all that was encoded and wants the next piece.
    void pieceWanted();

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    void encodeNextPiece();

    QString m_text;
    qsizetype m_blankUpTo = 0;
    qsizetype m_next = 0; // the first character not yet encoded
    QStringEncoder m_encoder{QStringEncoder::Utf8};
    QByteArray m_pending; // encoded, not yet read
    qsizetype m_pendingRead = 0;
};

// The time alignment of one measure: its time ticks, the item lists of its
// voices, and the widths and ratio that fitting the measure produces.
//
// Ownership: one per Measure, owned by it. The aligner owns the items of
// its tick list; the other item lists are the voices' own aligned-item
// lists, borrowed. Lengths are millimetres along the reading direction.
#pragma once

#include <QList>
#include <QObject>

class AlignItem;
class Score;

class Aligner : public QObject
{
    Q_OBJECT

public:
    using ItemList = QList<AlignItem *>;

    explicit Aligner(Score *score, QObject *parent = nullptr);
    ~Aligner() override;

    // Deletes the ticks and forgets the borrowed lists.
    void clearLists();

    double width() const { return m_width; }
    void setWidth(double value) { m_width = value; }
    double headWidth() const { return m_headWidth; }
    void setHeadWidth(double value) { m_headWidth = value; }
    double signatureX() const { return m_signatureX; }
    void setSignatureX(double value) { m_signatureX = value; }
    double padWidth() const { return m_padWidth; }
    void setPadWidth(double value) { m_padWidth = value; }
    double scaleRatio() const { return m_scaleRatio; }
    void setScaleRatio(double value) { m_scaleRatio = value; }

    Score *score = nullptr;             // not owned
    ItemList tickList;                  // one item per time tick, owned
    QList<ItemList *> itemLists;        // voices' lists, then the tick list
    QList<ItemList *> timeAlignedLists; // lists of time-aligned parts, then the tick list

private:
    double m_headWidth = 0.0;  // clef, key and time-signature area before the first item
    double m_signatureX = 0.0; // where the next header symbol is drawn
    double m_padWidth = 0.0;   // fixed length after the last item
    double m_width = 0.0;      // natural width of the measure
    double m_scaleRatio = 1.0; // ratio of the last fit
};

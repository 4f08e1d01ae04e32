// The time alignment of one measure: its time ticks, the item lists of its
// voices, and the widths and ratio that fitting the measure produces.
//
// Ownership: one per Measure, owned by it. The aligner owns the items of
// its tick list; the other item lists are the voices' own aligned-item
// lists, borrowed. Lengths are millimetres along the reading direction,
// from the measure start. Times are sixteen times finer than MusicXML
// divisions (one tick step of `divisions` units is a sixteenth of a
// quarter note). Nothing here fails: divisions 0 are read as 1 and a
// zero-extent list keeps its items where they are.
#pragma once

#include <QList>
#include <QObject>

#include <vector>

class AlignItem;
class Measure;
class Score;

// Room that the items of a measure need between two places of its natural
// alignment (positions from the end of the head, before any fit), mm.
struct RoomNeed
{
    double from = 0.0;
    double to = 0.0;
    double need = 0.0;
    // The least room in which its glyphs still read (the small marks of a
    // compound note name); 0 where they may shrink with the measure.
    double floor = 0.0;
};

class Aligner : public QObject
{
    Q_OBJECT

public:
    using ItemList = QList<AlignItem *>;

    explicit Aligner(Score *score, QObject *parent = nullptr);
    ~Aligner() override;

    // Deletes the ticks and forgets the borrowed lists.
    void clearLists();

    // Rebuilds the tick list: one tick item per step of `divisions` while
    // the step stays below 16 x duration, each with its TickLevel.
    void setUpTics(int beats, int beatType, int divisions, int duration);
    // Lines up the voices of the measure: the parts not aligned in time are
    // stretched to a common width, the time-aligned ones get common
    // positions per time; sets width(). Head and pad width must be set.
    void alignTics(Measure *measure);
    // Fits the aligned measure to `targetLength`: fitted positions, the
    // scale ratio, and the glyph transforms along the reading direction.
    // With room needs set, every stretch between two places gets at least
    // what it needs and the rest is shared in proportion to the natural
    // distances; a target below leastWidth() narrows every stretch in
    // proportion to its need, and the glyphs with it. Without needs the
    // measure is scaled as a whole.
    void fitToWidth(double targetLength);

    // The room needs of the aligned measure (alignTics forgets them): each
    // place between two others gets the largest room any chain of needs
    // asks for up to it. Needs of no length, or reaching backwards, are
    // ignored.
    void setRoomNeeds(const QList<RoomNeed> &needs);
    // Head, pad and the least room the needs leave between them; the head
    // and pad alone when there are none.
    double leastWidth() const;
    // What the glyphs of the item lists need between the places of the
    // items that sit at their own position (time and free items): each
    // such item with what follows it, then the leading signs of the next.
    QList<RoomNeed> glyphRoomNeeds() const;

    // Steps of alignTics; public so that each can be checked on its own.
    double voiceWidths(Measure *measure);
    double tickPositions(Measure *measure);

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
    // Natural places (sorted, the first 0) and the least fitted distance
    // from the first, one each; empty without room needs.
    std::vector<double> m_places;
    std::vector<double> m_leastAt;
    // The needs the places were made from, `from` and `to` as indices of
    // m_places.
    QList<RoomNeed> m_needs;
    // The fitted distance from the first place of each place in the last
    // fit.
    std::vector<double> m_fittedAt;

    double fittedOffset(double position, double ratio) const;
    // The glyph needs of one item list, as glyphRoomNeeds() gives them;
    // with `stretchOf`, also the index of the need each item of the list
    // belongs to (-1 for an item centred in the measure).
    QList<RoomNeed> listGlyphNeeds(const ItemList &list, std::vector<int> *stretchOf) const;
    // Each squeezed item's glyph scale after fitPlaces(): the room its
    // stretch was given over what its glyphs need, never above 1.
    void setGlyphScales(double ratio);
    // The least scale at which the marks of the item's glyph stay
    // legible; 0 for a glyph without marks.
    double legibleScale(const AlignItem *item) const;
    void fitPlaces(double inner);
    // Where the measure is too short for its needs: the stretches' room
    // in proportion to their least, raised to the floors of the needs
    // with marks where that squeezes no need more than its own notes ask.
    void shareShortRoom(std::vector<double> &fitted, const std::vector<double> &least,
                        double inner) const;

    double m_headWidth = 0.0;  // clef, key and time-signature area before the first item
    double m_signatureX = 0.0; // where the next header symbol is drawn
    double m_padWidth = 0.0;   // fixed length after the last item
    double m_width = 0.0;      // natural width of the measure
    double m_scaleRatio = 1.0; // ratio of the last fit
};

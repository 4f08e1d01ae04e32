// The cell of one part in one measure: exactly 32 voices (MusicXML voice
// numbers 1..32 are voices 0..31), and per staff (0..7) which voices have
// notes on it and which clef the measure gives it.
//
// Ownership: the cell owns its voices. partOffset and partExtent are
// millimetres across the reading direction.
#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include "model/voiceslots.h"

#include <array>

class MePart : public QObject
{
    Q_OBJECT

public:
    static constexpr int voiceCount = VoiceSlots::count;
    static constexpr int maxStaves = 8;

    explicit MePart(QObject *parent = nullptr);
    ~MePart() override;

    // The lowest voice index with a note on `staff`, or -1 when none (also
    // for a staff outside 0..7).
    int findFlaggedVoice(int staff) const;
    // Records that voice `voiceIndex` has a note on `staff`; indices outside
    // the cell's limits are ignored.
    void flagStaffVoice(int staff, int voiceIndex);

    VoiceSlots voices;
    QList<bool> voiceFlags; // per voice: it holds only a whole-measure rest
    bool restOnly = false;  // every voice is empty or holds one whole-measure rest
    std::array<std::array<bool, voiceCount>, maxStaves> staffVoiceFlags{};
    std::array<bool, maxStaves> clefGiven{};
    std::array<QString, maxStaves> clefSigns; // "" until a clef is given or carried on

    // computed by layout; reset before each regeneration
    bool collapsed = false;  // hidden on its stage
    double partOffset = 0.0; // mm across the reading direction
    double partExtent = 0.0; // mm across the reading direction
    // mm beyond partExtent on the lyrics' side (below the row in horizontal
    // writing, left of it in vertical writing); 0 without lyrics
    double lyricBand = 0.0;
    // mm beyond partExtent above the notes (above the row in horizontal
    // writing, right of it in vertical writing) for direction texts that
    // must clear the notes' ink; 0 where the row holds them
    double directionBand = 0.0;
    // mm beyond partExtent below the notes (below the row, or left of it),
    // before the lyric band, for octave-shift lines that must clear the
    // notes' ink; 0 where the row holds them
    double directionBandBelow = 0.0;
};

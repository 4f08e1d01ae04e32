// Part cells and voices: the fixed 32 voices and 8 staves, the staff-voice
// flags, and the chord-end search with its cap.
#include "model/mepart.h"
#include "model/note.h"
#include "model/voice.h"
#include "support/testenvironment.h"

#include <QPointer>

namespace tst_voices {

namespace {

// A voice whose notes are given by their chord flags ("-" opens a chord,
// "c" continues it).
void fill(Voice &voice, const QString &pattern)
{
    for (QChar c : pattern) {
        auto *note = new Note;
        note->chord = c == QLatin1Char('c');
        voice.notes.append(note);
    }
}

} // namespace

class TestVoices : public QObject
{
    Q_OBJECT

private slots:
    void newPartCellIsEmpty();
    void findFlaggedVoice();
    void staffVoiceFlagsStayInRange();
    void findNextUnflaggedNote_data();
    void findNextUnflaggedNote();
    void clearDeletesTheVoicesContent();
    void voicesAreMadeOnlyWhenUsed();
};

void TestVoices::newPartCellIsEmpty()
{
    MePart cell;
    QCOMPARE(cell.voices.size(), 32);
    QCOMPARE(cell.voiceFlags, QList<bool>(32, false));
    for (int staff = 0; staff < MePart::maxStaves; ++staff) {
        QCOMPARE(cell.findFlaggedVoice(staff), -1);
        QVERIFY(!cell.clefGiven[staff]);
        QVERIFY(cell.clefSigns[staff].isEmpty());
        QVERIFY(!cell.clefSigns[staff].isNull());
    }
    for (const Voice *voice : cell.voices) {
        QVERIFY(!voice->hasNotes);
        QVERIFY(voice->notes.isEmpty() && voice->directions.isEmpty() &&
                voice->alignItems.isEmpty());
    }
}

void TestVoices::findFlaggedVoice()
{
    MePart cell;
    // Notes of voices 2 and 5 (indices 1 and 4) on staff 0, voice 7 on staff 1.
    cell.flagStaffVoice(0, 4);
    cell.flagStaffVoice(0, 1);
    cell.flagStaffVoice(1, 6);
    QCOMPARE(cell.findFlaggedVoice(0), 1);
    QCOMPARE(cell.findFlaggedVoice(1), 6);
    QCOMPARE(cell.findFlaggedVoice(2), -1);
}

void TestVoices::staffVoiceFlagsStayInRange()
{
    MePart cell;
    cell.flagStaffVoice(8, 0);
    cell.flagStaffVoice(-1, 0);
    cell.flagStaffVoice(0, 32);
    cell.flagStaffVoice(0, -1);
    for (int staff = 0; staff < MePart::maxStaves; ++staff)
        QCOMPARE(cell.findFlaggedVoice(staff), -1);
    QCOMPARE(cell.findFlaggedVoice(8), -1);
    QCOMPARE(cell.findFlaggedVoice(-1), -1);
}

void TestVoices::findNextUnflaggedNote_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("expected");
    QTest::newRow("chord start to its last member") << "-cc-" << 0 << 2;
    QTest::newRow("from a chord's last member") << "-cc-" << 2 << 2;
    QTest::newRow("last note") << "-cc-" << 3 << 3;
    QTest::newRow("single note") << "--" << 0 << 0;
    QTest::newRow("list ends inside the chord") << "-cc" << 0 << 2;
    QTest::newRow("150 members: give up") << "-" + QString(150, QLatin1Char('c')) << 0 << 0;
    QTest::newRow("100 members then the end") << "-" + QString(100, QLatin1Char('c')) << 0 << 100;
    QTest::newRow("100 members then a note: give up")
        << "-" + QString(100, QLatin1Char('c')) + "-" << 0 << 0;
    QTest::newRow("99 members then a note") << "-" + QString(99, QLatin1Char('c')) + "-" << 0 << 99;
}

void TestVoices::findNextUnflaggedNote()
{
    QFETCH(QString, pattern);
    QFETCH(int, from);
    QFETCH(int, expected);
    Voice voice;
    fill(voice, pattern);
    QCOMPARE(voice.findNextUnflaggedNote(voice.notes.at(from)), voice.notes.at(expected));
}

void TestVoices::clearDeletesTheVoicesContent()
{
    Voice voice;
    fill(voice, "-c");
    voice.hasNotes = true;
    QPointer<Note> first = voice.notes.first();
    voice.clear();
    QVERIFY(!voice.hasNotes);
    QVERIFY(voice.notes.isEmpty());
    QVERIFY(first.isNull());
}

void TestVoices::voicesAreMadeOnlyWhenUsed()
{
    auto *cell = new MePart;
    // Reading every slot makes no voice: all read as the one empty voice.
    for (const Voice *voice : cell->voices)
        QCOMPARE(voice, VoiceSlots::empty());
    QCOMPARE(cell->voices.at(31), VoiceSlots::empty());
    QCOMPARE(cell->voices.value(32), nullptr);
    QCOMPARE(cell->voices.value(-1), nullptr);
    QVERIFY(cell->voices.madeVoices().isEmpty());
    QCOMPARE(cell->voices.made(4), nullptr);

    // Use makes a slot's voice once; reads then see it, in slot order.
    Voice *fifth = cell->voices.use(4);
    Voice *second = cell->voices.use(1);
    QCOMPARE(cell->voices.use(4), fifth);
    QVERIFY(fifth != second && fifth != VoiceSlots::empty());
    QCOMPARE(cell->voices.at(4), fifth);
    QCOMPARE(cell->voices.made(4), fifth);
    QCOMPARE(cell->voices.madeVoices(), (QList<Voice *>{second, fifth}));
    int slot = 0;
    for (const Voice *voice : cell->voices) {
        QCOMPARE(voice, slot == 1 ? second : slot == 4 ? fifth : VoiceSlots::empty());
        ++slot;
    }
    QCOMPARE(slot, MePart::voiceCount);

    // The cell deletes what its voices hold (a leak shows under the
    // sanitizer), and the shared empty voice stays empty.
    fill(*fifth, "-c");
    QPointer<Note> note = fifth->notes.first();
    delete cell;
    QVERIFY(note.isNull());
    QVERIFY(VoiceSlots::empty()->notes.isEmpty());
}

VELMORA_TEST_MAIN(TestVoices)

} // namespace tst_voices
#include "tst_voices.moc"

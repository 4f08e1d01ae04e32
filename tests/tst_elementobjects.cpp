// Element objects: the initial values the readers rely on, the user offset
// every movable object carries, and the selection records' field order.
#include "model/credit.h"
#include "model/direction.h"
#include "model/directive.h"
#include "model/fingering.h"
#include "model/harmonic.h"
#include "model/lyrics.h"
#include "model/notation.h"
#include "model/selecteddirection.h"
#include "model/selecteddirective.h"
#include "model/selectednotation.h"
#include "model/selectednote.h"
#include "model/stopped.h"
#include "model/upbow.h"
#include "support/testenvironment.h"

#include <functional>
#include <memory>

namespace tst_elementobjects {

// Makes one element object and hands back its user offset.
using OffsetFactory = std::function<std::shared_ptr<UserOffset>()>;

class TestElementObjects : public QObject
{
    Q_OBJECT

private slots:
    void newObjectsHaveTheirInitialValues();
    void setOffsetSetsTheMovedFlag_data();
    void setOffsetSetsTheMovedFlag();
    void selectionRecordsKeepTheirIndicesInOrder();
};

void TestElementObjects::newObjectsHaveTheirInitialValues()
{
    Direction direction;
    QCOMPARE(direction.text, QStringLiteral("nothing"));
    QCOMPARE(direction.kind, -1);
    QCOMPARE(direction.scale, 1.0);
    QCOMPARE(direction.font.pointSizeF(), 12.0);
    QVERIFY(direction.font.family().isEmpty());
    QCOMPARE(direction.noteIndex, 0);
    QCOMPARE(direction.visibility, 0);

    Directive directive;
    QCOMPARE(directive.kind, 6);
    QCOMPARE(directive.scale, 1.0);
    QVERIFY(!directive.deleted);
    QVERIFY(directive.element.isNull());

    Notation notation;
    QCOMPARE(notation.kind, -1);
    QCOMPARE(notation.scale, 1.0);
    QVERIFY(!notation.inverted);

    Credit credit(QStringLiteral("Rokudan"));
    QCOMPARE(credit.text, QStringLiteral("Rokudan"));
    QVERIFY(!credit.fontGiven);
    QCOMPARE(credit.rotation, 0);

    // Before the move the offset is zero, not left over from memory.
    Lyrics lyric(QStringLiteral("sa"));
    QCOMPARE(lyric.text, QStringLiteral("sa"));
    QVERIFY(!lyric.moved);
    QCOMPARE(lyric.x, 0.0);
    QCOMPARE(lyric.y, 0.0);
    QVERIFY(!lyric.deleted);
}

void TestElementObjects::setOffsetSetsTheMovedFlag_data()
{
    QTest::addColumn<OffsetFactory>("make");
    QTest::newRow("Credit") << OffsetFactory([] { return std::make_shared<Credit>(QString()); });
    QTest::newRow("Direction") << OffsetFactory([] { return std::make_shared<Direction>(); });
    QTest::newRow("Directive") << OffsetFactory([] { return std::make_shared<Directive>(); });
    QTest::newRow("Notation") << OffsetFactory([] { return std::make_shared<Notation>(); });
    QTest::newRow("Lyrics") << OffsetFactory([] { return std::make_shared<Lyrics>(QString()); });
    QTest::newRow("Fingering") << OffsetFactory([] { return std::make_shared<Fingering>(); });
    QTest::newRow("Harmonic") << OffsetFactory([] { return std::make_shared<Harmonic>(); });
    QTest::newRow("Stopped") << OffsetFactory([] { return std::make_shared<Stopped>(); });
    QTest::newRow("UpBow") << OffsetFactory([] { return std::make_shared<UpBow>(); });
}

void TestElementObjects::setOffsetSetsTheMovedFlag()
{
    QFETCH(OffsetFactory, make);
    std::shared_ptr<UserOffset> object = make();
    QVERIFY(!object->moved);

    // Dragging an item back onto its default place is still a move.
    object->setOffset(0.0, 0.0);
    QVERIFY(object->moved);

    object->setOffset(1.5, -2.25);
    QCOMPARE(object->x, 1.5);
    QCOMPARE(object->y, -2.25);
}

void TestElementObjects::selectionRecordsKeepTheirIndicesInOrder()
{
    SelectedNote note(1, 2, 3, 4);
    QCOMPARE(QList<int>({note.measureIndex, note.partIndex, note.voiceIndex, note.noteIndex}),
             QList<int>({1, 2, 3, 4}));
    SelectedDirection direction(1, 2, 3, 4);
    QCOMPARE(QList<int>({direction.measureIndex, direction.partIndex, direction.voiceIndex,
                         direction.directionIndex}),
             QList<int>({1, 2, 3, 4}));
    SelectedNotation notation(1, 2, 3, 4, 5);
    QCOMPARE(QList<int>({notation.measureIndex, notation.partIndex, notation.voiceIndex,
                         notation.noteIndex, notation.notationIndex}),
             QList<int>({1, 2, 3, 4, 5}));
    SelectedDirective directive(1, 2, 3, 4, 5);
    QCOMPARE(QList<int>({directive.measureIndex, directive.partIndex, directive.voiceIndex,
                         directive.noteIndex, directive.directiveIndex}),
             QList<int>({1, 2, 3, 4, 5}));
}

VELMORA_TEST_MAIN(TestElementObjects)

} // namespace tst_elementobjects
#include "tst_elementobjects.moc"

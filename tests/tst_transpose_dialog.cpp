// The transpose dialog: its 25 steps, what Apply, OK and Cancel report for
// each sequence of choices (a preset counts as unchanged; a directive step
// beyond an octave reports nothing), its texts in a switched language, the
// geometry saved at every close, the score's directive rewritten through
// the dialog, and a screenshot.
#include "dialogs/dialogtranspose.h"
#include "document/directive_type.h"
#include "model/directive.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/score.h"
#include "model/voice.h"
#include "support/dialogshot.h"
#include "support/installedcatalogue.h"
#include "support/scorefile.h"
#include "support/testenvironment.h"
#include "view/scene.h"

#include <QComboBox>
#include <QGraphicsItem>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QUndoStack>

#include <memory>

namespace tst_transpose_dialog {

namespace {

QSettings geometryStore()
{
    return QSettings(QStringLiteral("corvalin"), QStringLiteral("Velmora_Transpose"));
}

QComboBox *combo(QDialog &dialog)
{
    return dialog.findChild<QComboBox *>(QStringLiteral("comboBoxTranspose"));
}

QPushButton *button(QDialog &dialog, const char *name)
{
    return dialog.findChild<QPushButton *>(QLatin1String(name));
}

QStringList comboTexts(QDialog &dialog)
{
    QStringList texts;
    for (int i = 0; i < combo(dialog)->count(); ++i)
        texts << combo(dialog)->itemText(i);
    return texts;
}

// A note of the chords fixture carrying the transpose directive `text`,
// generated, with the directive's item alone selected.
struct TransposedNote
{
    explicit TransposedNote(const QString &text)
    {
        if (!TestSupport::loadScoreFile(
                score, TestSupport::fixturePath(QStringLiteral("moves/moves-ChordsWedgeSlur.xml"))))
            return;
        Note *note = score.measures.at(0)->parts.at(0)->voices.made(0)->notes.at(4);
        directive = score.addDirectiveToNote(note, text);
        directive->kind = DirectiveType::Transpose;
        score.undoStack->clear();
        score.generateScore();
        score.scene->clearSelection();
        if (directive->item)
            directive->item->setSelected(true);
    }

    Score score{QStringLiteral("test"), 1, false};
    Directive *directive = nullptr;
};

} // namespace

class TestTransposeDialog : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        geometryStore().clear();
        TestSupport::prompter().reset();
    }

    void stepsAndTexts();
    void reports_data();
    void reports();
    void closingSavesGeometry_data();
    void closingSavesGeometry();
    void languageChangeKeepsTheSteps();
    void rewritesTheScoresDirective_data();
    void rewritesTheScoresDirective();
    void screenshot();
};

void TestTransposeDialog::stepsAndTexts()
{
    DialogTranspose dialog;
    dialog.retranslate();
    const QStringList steps = {"-12/Octave",
                               "-11",
                               "-10",
                               "-9/Major Sixth",
                               "-8",
                               "-7/Perfect Fifth",
                               "-6",
                               "-5/Perfect Fourth",
                               "-4/Major Third",
                               "-3/Minor Third",
                               "-2",
                               "-1",
                               "0/Perfect Unison",
                               "+1",
                               "+2",
                               "+3/Minor Third",
                               "+4/Major Third",
                               "+5/Perfect Fourth",
                               "+6",
                               "+7/Perfect Fifth",
                               "+8",
                               "+9/Major Sixth",
                               "+10",
                               "+11",
                               "+12/Octave"};
    QCOMPARE(comboTexts(dialog), steps);
    QCOMPARE(dialog.transposeIndex(), 12);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Transpose of Note"));
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("labelTranspose"))->text(),
             QStringLiteral("Transpose (in half steps)"));
    QVERIFY(dialog.findChild<QLabel *>(QStringLiteral("labelTranspose"))->font().bold());
    QCOMPARE(button(dialog, "pushButtonApply")->text(), QStringLiteral("Apply"));
    QCOMPARE(button(dialog, "pushButtonOk")->text(), QStringLiteral("OK"));
    QCOMPARE(button(dialog, "pushButtonCancel")->text(), QStringLiteral("Cancel"));
    QVERIFY(button(dialog, "pushButtonOk")->isDefault());
    QCOMPARE(dialog.size(), QSize(317, 249));
}

void TestTransposeDialog::reports_data()
{
    QTest::addColumn<int>("preset");
    QTest::addColumn<QStringList>("actions"); // entry indices, "apply", "ok", "cancel"
    QTest::addColumn<QList<int>>("reported");
    QTest::addColumn<bool>("open");
    QTest::newRow("OK on the preset") << 12 << QStringList{"ok"} << QList<int>{} << false;
    QTest::newRow("away and back, OK")
        << 12 << QStringList{"14", "12", "ok"} << QList<int>{0} << false;
    QTest::newRow("OK on another step") << 15 << QStringList{"0", "ok"} << QList<int>{-12} << false;
    QTest::newRow("Apply unchanged, twice")
        << 12 << QStringList{"apply", "apply"} << QList<int>{0, 0} << true;
    QTest::newRow("Apply keeps the change for OK")
        << 12 << QStringList{"5", "apply", "ok"} << QList<int>{-7, -7} << false;
    QTest::newRow("Apply after a preset, OK silent")
        << 20 << QStringList{"apply", "ok"} << QList<int>{8} << false;
    QTest::newRow("Cancel after a change")
        << 12 << QStringList{"3", "cancel"} << QList<int>{} << false;
    QTest::newRow("beyond an octave: Apply and OK silent")
        << 27 << QStringList{"apply", "ok"} << QList<int>{} << false;
    QTest::newRow("beyond an octave, then a pick")
        << -1 << QStringList{"apply", "24", "apply", "ok"} << QList<int>{12, 12} << false;
}

void TestTransposeDialog::reports()
{
    QFETCH(int, preset);
    QFETCH(QStringList, actions);
    QFETCH(QList<int>, reported);
    QFETCH(bool, open);
    DialogTranspose dialog;
    dialog.retranslate();
    dialog.show();
    dialog.setTransposeIndex(preset);
    QVERIFY(!dialog.isChanged());
    QSignalSpy spy(&dialog, &DialogTranspose::sigTransposeUpdated);
    for (const QString &action : actions) {
        if (action == QLatin1String("apply"))
            QTest::mouseClick(button(dialog, "pushButtonApply"), Qt::LeftButton);
        else if (action == QLatin1String("ok"))
            QTest::mouseClick(button(dialog, "pushButtonOk"), Qt::LeftButton);
        else if (action == QLatin1String("cancel"))
            QTest::mouseClick(button(dialog, "pushButtonCancel"), Qt::LeftButton);
        else
            combo(dialog)->setCurrentIndex(action.toInt());
    }
    QList<int> steps;
    for (const QList<QVariant> &arguments : std::as_const(spy))
        steps << arguments.at(0).toInt();
    QCOMPARE(steps, reported);
    QCOMPARE(dialog.isVisible(), open);
}

void TestTransposeDialog::closingSavesGeometry_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("OK") << "pushButtonOk";
    QTest::newRow("Cancel") << "pushButtonCancel";
    QTest::newRow("close box") << "";
}

void TestTransposeDialog::closingSavesGeometry()
{
    QFETCH(QString, button);
    DialogTranspose dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.move(120, 70);
    dialog.setTransposeIndex(14);
    QSignalSpy spy(&dialog, &DialogTranspose::sigTransposeUpdated);
    if (button.isEmpty()) {
        // What the window's close box does.
        dialog.close();
    } else {
        QTest::mouseClick(dialog.findChild<QPushButton *>(button), Qt::LeftButton);
    }
    QCOMPARE(spy.count(), 0);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(geometryStore().value(QStringLiteral("geometry")).toByteArray(),
             dialog.saveGeometry());
    DialogTranspose next;
    QCOMPARE(next.geometry(), dialog.geometry());
}

// Made in English, the dialog takes the new language's title, label and
// buttons; its steps stay English. Made in Japanese, its steps are Japanese.
void TestTransposeDialog::languageChangeKeepsTheSteps()
{
    DialogTranspose english;
    english.retranslate();
    const QStringList englishSteps = comboTexts(english);
    const TestSupport::InstalledCatalogue catalogue(QStringLiteral("ja"));
    QVERIFY(catalogue.isInstalled());
    const QTranslator &translator = catalogue.translator;
    english.retranslate();
    const QString title = translator.translate("DialogTranspose", "Transpose of Note");
    QVERIFY(!title.isEmpty() && title != QLatin1String("Transpose of Note"));
    QCOMPARE(english.windowTitle(), title);
    QCOMPARE(english.findChild<QLabel *>(QStringLiteral("labelTranspose"))->text(),
             translator.translate("DialogTranspose", "Transpose (in half steps)"));
    QCOMPARE(button(english, "pushButtonApply")->text(),
             translator.translate("DialogTranspose", "Apply"));
    QCOMPARE(comboTexts(english), englishSteps);

    DialogTranspose japanese;
    const QString octave = translator.translate("DialogTranspose", "-12/Octave");
    QVERIFY(octave != QLatin1String("-12/Octave"));
    QCOMPARE(combo(japanese)->itemText(0), octave);
}

void TestTransposeDialog::rewritesTheScoresDirective_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("steps");
    QTest::newRow("pick and OK") << ".transpose{3}" << QStringList{"14", "ok"} << ".transpose{2}"
                                 << 1;
    QTest::newRow("OK on the preset")
        << ".transpose{3}" << QStringList{"ok"} << ".transpose{3}" << 0;
    QTest::newRow("Apply then OK")
        << ".transpose{-4}" << QStringList{"10", "apply", "ok"} << ".transpose{-2}" << 2;
    QTest::newRow("beyond an octave kept")
        << ".transpose{15}" << QStringList{"apply", "ok"} << ".transpose{15}" << 0;
}

// The score's command runs its own dialog; each report rewrites the
// directive as one undo step.
void TestTransposeDialog::rewritesTheScoresDirective()
{
    QFETCH(QString, text);
    QFETCH(QStringList, actions);
    QFETCH(QString, result);
    QFETCH(int, steps);
    TransposedNote fixture(text);
    QVERIFY(fixture.directive && fixture.directive->item);
    TestSupport::prompter().dialogScripts.enqueue([&actions](QDialog *dialog) {
        dialog->show();
        for (const QString &action : std::as_const(actions)) {
            if (action == QLatin1String("apply"))
                QTest::mouseClick(button(*dialog, "pushButtonApply"), Qt::LeftButton);
            else if (action == QLatin1String("ok"))
                QTest::mouseClick(button(*dialog, "pushButtonOk"), Qt::LeftButton);
            else
                combo(*dialog)->setCurrentIndex(action.toInt());
        }
        return dialog->result();
    });
    fixture.score.noteDirectiveTransposeChangeCommand();
    QCOMPARE(TestSupport::prompter().prompts.size(), 1);
    QCOMPARE(TestSupport::prompter().prompts.first().title, QStringLiteral("Transpose of Note"));
    QCOMPARE(fixture.directive->text, result);
    QCOMPARE(fixture.score.undoStack->count(), steps);
    for (int i = 0; i < steps; ++i)
        QCOMPARE(fixture.score.undoStack->command(i)->text(),
                 QStringLiteral("directive transpose change"));
    fixture.score.undoStack->setIndex(0);
    QCOMPARE(fixture.directive->text, text);
}

void TestTransposeDialog::screenshot()
{
    TransposedNote fixture(QStringLiteral(".transpose{5}"));
    QVERIFY(fixture.directive && fixture.directive->item);
    QString shownStep;
    TestSupport::prompter().dialogScripts.enqueue([&shownStep](QDialog *dialog) {
        dialog->show();
        if (!QTest::qWaitForWindowExposed(dialog))
            return int(QDialog::Rejected);
        shownStep = combo(*dialog)->currentText();
        TestSupport::grabDialog(*dialog, QStringLiteral("transpose-dialog"));
        TestSupport::checkShownInside(*dialog,
                                      {"comboBoxTranspose", "labelTranspose", "pushButtonApply",
                                       "pushButtonOk", "pushButtonCancel"});
        dialog->close();
        return int(QDialog::Rejected);
    });
    fixture.score.noteDirectiveTransposeChangeCommand();
    QCOMPARE(shownStep, QStringLiteral("+5/Perfect Fourth"));
    QCOMPARE(fixture.directive->text, QStringLiteral(".transpose{5}"));
}

VELMORA_TEST_MAIN(TestTransposeDialog)

} // namespace tst_transpose_dialog

#include "tst_transpose_dialog.moc"

// The lyric tools of the Tools menu and the two commands that open a changed
// copy of the score: the three dialogs as the user meets them (forms,
// lists, buttons), the lyric lines each command deletes, moves or turns
// into pitches with its undo steps, the "_lyric" and "_duppart" copies
// (and that the source stays as it was), and screenshots of the dialogs.
#include "app/dialogconvertnotename.h"
#include "app/dialogdeletelyrics.h"
#include "app/dialogmovelyricssn.h"
#include "app/mainwindow.h"
#include "document/scorexmlmode.h"
#include "model/lyrics.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"
#include "support/dialogshot.h"
#include "support/editablescore.h"
#include "support/messagecapture.h"
#include "support/scorefile.h"
#include "support/testenvironment.h"
#include "ui_mainwindow.h"
#include "view/scene.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

namespace tst_lyric_tools {

namespace {

TestSupport::ScriptedPrompter &prompter()
{
    return TestSupport::prompter();
}

// Saves of the source compare byte for byte.
QDateTime fixedTime()
{
    return QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5));
}

const QString threeParts = QStringLiteral("lyrics/lyrics-ThreePartLines.xml");

// The three-part fixture in a new current tab of `window`, named as a
// score file in `folder`, drawn in `style`.
Score *openThreeParts(MainWindow &window, const QString &folder,
                      int style = NotationStyle::KinkoSimple)
{
    auto *score = new Score(window.programVersion, window.scoreCounter++, true);
    if (!TestSupport::loadScoreFile(*score, TestSupport::fixturePath(threeParts))) {
        delete score;
        return nullptr;
    }
    score->filePath = folder + QStringLiteral("/lines.tnsx");
    score->updateClock = &fixedTime;
    window.addScoreTab(score);
    TestSupport::generateInStyle(*score, style, false);
    score->setChanged(false);
    return score;
}

// The live lyric numbers of part `part`, one entry per lyric, sorted.
QList<int> liveLines(const Score &score, int part)
{
    QList<int> numbers;
    for (const Measure *measure : score.measures) {
        for (const Voice *voice : measure->parts.at(part)->voices) {
            for (const Note *note : voice->notes) {
                for (const Lyrics *lyric : note->lyrics) {
                    if (!lyric->deleted)
                        numbers << lyric->number;
                }
            }
        }
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

// Eight notes (two measures of four) with each of the lines in `lines`.
QList<int> linesOnEveryNote(const QList<int> &lines)
{
    QList<int> numbers;
    for (int line : lines)
        numbers << QList<int>(8, line);
    return numbers;
}

QList<int> pitchesOf(const Score &score, int part)
{
    QList<int> pitches;
    for (const Measure *measure : score.measures) {
        for (const Note *note : measure->parts.at(part)->voices.at(0)->notes)
            pitches << score.getPitchNumber(note->step, note->alter, note->octave);
    }
    return pitches;
}

// The live lyric texts of every note, part by part.
QStringList lyricTexts(const Score &score)
{
    QStringList texts;
    for (int part = 0; part < score.numParts; ++part) {
        for (const Measure *measure : score.measures) {
            for (const Voice *voice : measure->parts.at(part)->voices) {
                for (const Note *note : voice->notes) {
                    for (const Lyrics *lyric : note->lyrics) {
                        if (!lyric->deleted)
                            texts << QStringLiteral("%1:%2").arg(lyric->number).arg(lyric->text);
                    }
                }
            }
        }
    }
    return texts;
}

QStringList undoTexts(const Score &score)
{
    QStringList texts;
    for (int i = 0; i < score.undoStack->count(); ++i)
        texts << score.undoStack->command(i)->text();
    return texts;
}

template <typename T> T *child(QWidget &dialog, const char *name)
{
    T *widget = dialog.findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no child %s", name);
    return widget;
}

QStringList itemsOf(const QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

// Runs `setup` on the dialog the next modal run shows, then answers it as
// `result`.
void scriptDialog(const std::function<void(QDialog *)> &setup, int result = QDialog::Rejected)
{
    prompter().dialogScripts.enqueue([setup, result](QDialog *dialog) {
        setup(dialog);
        return result;
    });
}

} // namespace

class TestLyricTools : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void formsAsDesigned_data();
    void formsAsDesigned();
    void deleteDialogListsPartsThenAll();
    void moveDialogRefillsItsLists();
    void changePitchDialog();
    void okAndCancelHideBeforeTheirSlot_data();
    void okAndCancelHideBeforeTheirSlot();
    void deleteLyrics_data();
    void deleteLyrics();
    void moveLyricsEveryPartAndLine();
    void changePitch_data();
    void changePitch();
    void noteNamesToLyricsCopy();
    void noteNamesToLyricsCancelled();
    void staffNotationTwinOfAPart();
    void staffNotationTwinCancelled();
    void commandsWithoutScore();
    void dialogsOnScreen_data();
    void dialogsOnScreen();
};

void TestLyricTools::init()
{
    prompter().reset();
}

void TestLyricTools::formsAsDesigned_data()
{
    QTest::addColumn<QString>("dialogClass");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("title");
    QTest::newRow("delete") << "DialogDeleteLyrics" << QSize(259, 188) << "Velmora: Delete Lyrics";
    QTest::newRow("move") << "DialogMoveLyricsSN" << QSize(378, 320)
                          << "Velmora: Move Lyrics (for Staff Notation)";
    QTest::newRow("change pitch") << "DialogConvertNoteName" << QSize(252, 201)
                                  << "Velmora: Change Pitch";
}

// Each dialog as the main window has it: its size before it is first
// shown, its title, and the range of its lyric-number spin box.
void TestLyricTools::formsAsDesigned()
{
    QFETCH(QString, dialogClass);
    QFETCH(QSize, size);
    QFETCH(QString, title);
    MainWindow window;
    QDialog *dialog = nullptr;
    for (QDialog *d : window.findChildren<QDialog *>()) {
        if (QLatin1String(d->metaObject()->className()) == dialogClass)
            dialog = d;
    }
    QVERIFY(dialog);
    QCOMPARE(dialog->objectName(), dialogClass);
    QCOMPARE(dialog->size(), size);
    QCOMPARE(dialog->windowTitle(), title);
    // No form placeholder is left once the window has set the texts.
    for (const QLabel *label : dialog->findChildren<QLabel *>())
        QVERIFY2(!label->text().endsWith(QLatin1Char('-')), qPrintable(label->text()));
    for (const QAbstractButton *button : dialog->findChildren<QAbstractButton *>())
        QVERIFY2(!button->text().endsWith(QLatin1Char('-')), qPrintable(button->text()));
    if (auto *spin = dialog->findChild<QSpinBox *>(QStringLiteral("spinBoxLyricNumber"))) {
        QCOMPARE(spin->minimum(), 0);
        QCOMPARE(spin->maximum(), 99);
        spin->setValue(-3);
        QCOMPARE(spin->value(), 0);
        spin->setValue(150);
        QCOMPARE(spin->value(), 99);
    }
}

void TestLyricTools::deleteDialogListsPartsThenAll()
{
    DialogDeleteLyrics dialog;
    dialog.retranslate();
    dialog.setDialog(5);
    dialog.setDialog(3);
    auto *combo = child<QComboBox>(dialog, "comboBoxPartNumber");
    QCOMPARE(itemsOf(combo), QStringList({"1", "2", "3", "all"}));
    QCOMPARE(combo->currentText(), QStringLiteral("all"));
    QCOMPARE(dialog.getPartIndex(), 3);
    combo->setCurrentIndex(1);
    QCOMPARE(dialog.getPartIndex(), 1);
    child<QSpinBox>(dialog, "spinBoxLyricNumber")->setValue(4);
    QCOMPARE(dialog.getLyricNumber(), 4);
    // The spin box keeps its value from one use to the next.
    dialog.setDialog(2);
    QCOMPARE(dialog.getLyricNumber(), 4);
    QCOMPARE(dialog.getPartIndex(), 2);
}

void TestLyricTools::moveDialogRefillsItsLists()
{
    DialogMoveLyricsSN dialog;
    dialog.retranslate();
    dialog.setDialog(3);
    auto *parts = child<QComboBox>(dialog, "comboBoxPartNumber");
    auto *lyrics = child<QComboBox>(dialog, "comboBoxLyricNumber");
    QCOMPARE(itemsOf(parts), QStringList({"1", "2", "3", "all"}));
    QCOMPARE(itemsOf(lyrics), QStringList({"1", "2", "3", "4", "5", "all"}));
    QCOMPARE(dialog.getPartIndex(), 0);
    QCOMPARE(dialog.getLyricNumber(), 1);
    QVERIFY(child<QRadioButton>(dialog, "radioButtonCloseToNote")->isChecked());
    QCOMPARE(dialog.getRelativePosition(), 2);

    child<QRadioButton>(dialog, "radioButtonAboveNote")->setChecked(true);
    QCOMPARE(dialog.getRelativePosition(), 0);
    child<QRadioButton>(dialog, "radioButtonBelowNote")->setChecked(true);
    QCOMPARE(dialog.getRelativePosition(), 1);
    parts->setCurrentIndex(3);
    lyrics->setCurrentIndex(5);
    QCOMPARE(dialog.getPartIndex(), 3);
    QCOMPARE(dialog.getLyricNumber(), 6);
    // No choice survives a refill: "Close to Notes" is checked again.
    dialog.setDialog(2);
    QCOMPARE(itemsOf(parts), QStringList({"1", "2", "all"}));
    QCOMPARE(dialog.getLyricNumber(), 1);
    QCOMPARE(dialog.getRelativePosition(), 2);
    // Neither above nor below checked counts as close to the notes.
    child<QRadioButton>(dialog, "radioButtonCloseToNote")->setAutoExclusive(false);
    child<QRadioButton>(dialog, "radioButtonCloseToNote")->setChecked(false);
    QCOMPARE(dialog.getRelativePosition(), 2);
}

void TestLyricTools::changePitchDialog()
{
    DialogConvertNoteName dialog;
    dialog.retranslate();
    QVERIFY(dialog.isDeleteLyrics());
    QVERIFY(!dialog.isAllParts());
    QVERIFY(child<QPushButton>(dialog, "pushButtonApply")->isDefault());
    dialog.setDialog(3);
    auto *combo = child<QComboBox>(dialog, "comboBoxPartNumber");
    QCOMPARE(itemsOf(combo), QStringList({"1", "2", "3"}));
    QCOMPARE(dialog.getPartIndex(), 0);
    dialog.setDialog(0);
    QCOMPARE(combo->count(), 0);
    dialog.setDialog(3);

    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *allParts = child<QCheckBox>(dialog, "checkBoxAllParts");
    allParts->click();
    QVERIFY(dialog.isAllParts());
    QVERIFY(!combo->isEnabled());
    allParts->click();
    QVERIFY(combo->isEnabled());

    // Apply (and Enter, its default) reports once per press and leaves the
    // dialog open; Close closes it.
    QSignalSpy applied(&dialog, &DialogConvertNoteName::sigConvertNoteName);
    child<QPushButton>(dialog, "pushButtonApply")->click();
    child<QPushButton>(dialog, "pushButtonApply")->click();
    QTest::keyClick(&dialog, Qt::Key_Return);
    QCOMPARE(applied.count(), 3);
    QVERIFY(dialog.isVisible());
    child<QPushButton>(dialog, "pushButtonCancel")->click();
    QVERIFY(!dialog.isVisible());
    dialog.show();
    child<QPushButton>(dialog, "pushButtonClose")->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(applied.count(), 3);
}

void TestLyricTools::okAndCancelHideBeforeTheirSlot_data()
{
    QTest::addColumn<bool>("move");
    QTest::addColumn<bool>("ok");
    QTest::newRow("delete OK") << false << true;
    QTest::newRow("delete Cancel") << false << false;
    QTest::newRow("move OK") << true << true;
    QTest::newRow("move Cancel") << true << false;
}

// The form closes the dialog first; the class's own slot then reports OK
// (a signal) or, for Cancel, finds the dialog already gone.
void TestLyricTools::okAndCancelHideBeforeTheirSlot()
{
    QFETCH(bool, move);
    QFETCH(bool, ok);
    DialogDeleteLyrics deleteDialog;
    DialogMoveLyricsSN moveDialog;
    QDialog &dialog = move ? static_cast<QDialog &>(moveDialog) : deleteDialog;
    deleteDialog.setDialog(2);
    moveDialog.setDialog(2);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QList<bool> visibleWhenReported;
    auto report = [&] { visibleWhenReported << dialog.isVisible(); };
    connect(&deleteDialog, &DialogDeleteLyrics::sigDeleteLyrics, this, report);
    connect(&moveDialog, &DialogMoveLyricsSN::sigMoveLyricsSN, this, report);
    QList<bool> visibleWhenFinished;
    connect(&dialog, &QDialog::finished, this, [&] {
        visibleWhenFinished << dialog.isVisible();
        qDebug("finished");
    });
    TestSupport::MessageCapture capture;
    auto *box = child<QDialogButtonBox>(dialog, "buttonBox");
    box->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();

    QCOMPARE(visibleWhenFinished, QList<bool>{false});
    QCOMPARE(dialog.result(), ok ? int(QDialog::Accepted) : int(QDialog::Rejected));
    QCOMPARE(visibleWhenReported, ok ? QList<bool>{false} : QList<bool>{});
    QVERIFY(!dialog.isVisible());
    if (move) {
        const QString slotLine =
            ok ? QStringLiteral("DialogMoveLyricsSN::on_buttonBox_accepted() called!")
               : QStringLiteral("DialogMoveLyricsSN::on_buttonBox_rejected() called!");
        QCOMPARE(capture.lines(), QStringList({"finished", slotLine}));
    }
}

void TestLyricTools::deleteLyrics_data()
{
    QTest::addColumn<int>("partIndex");
    QTest::addColumn<int>("lyricNumber");
    QTest::addColumn<QList<QList<int>>>("linesLeft");
    QTest::addColumn<QStringList>("macros");
    QTest::addColumn<QString>("bounds");
    const QList<int> all = linesOnEveryNote({1, 2, 3, 4, 5, 6});
    const QString one = QStringLiteral("deleteLyrics2");
    QTest::newRow("every part, every line")
        << 3 << 0 << QList<QList<int>>{{}, {}, {}} << QStringList{one, one, one} << "0 2 0 0";
    QTest::newRow("number 6 is lines 1 to 5")
        << 1 << 6 << QList<QList<int>>{all, linesOnEveryNote({6}), all} << QStringList(5, one)
        << "1 1 1 5";
    QTest::newRow("one part, one line")
        << 2 << 2 << QList<QList<int>>{all, all, linesOnEveryNote({1, 3, 4, 5, 6})}
        << QStringList{one} << "2 2 2 2";
}

// OK of the delete dialog: the lines of the chosen parts go, one undo
// macro per part and line, the score is marked changed and drawn again.
void TestLyricTools::deleteLyrics()
{
    QFETCH(int, partIndex);
    QFETCH(int, lyricNumber);
    QFETCH(QList<QList<int>>, linesLeft);
    QFETCH(QStringList, macros);
    QFETCH(QString, bounds);
    QTemporaryDir dir;
    MainWindow window;
    Score *score = openThreeParts(window, dir.path());
    QVERIFY(score);
    scriptDialog(
        [&](QDialog *dialog) {
            QCOMPARE(dialog, static_cast<QDialog *>(window.dialogDeleteLyrics));
            child<QComboBox>(*dialog, "comboBoxPartNumber")->setCurrentIndex(partIndex);
            child<QSpinBox>(*dialog, "spinBoxLyricNumber")->setValue(lyricNumber);
            child<QDialogButtonBox>(*dialog, "buttonBox")->button(QDialogButtonBox::Ok)->click();
        },
        QDialog::Accepted);
    TestSupport::MessageCapture capture;
    window.ui->actionDeleteLyrics->trigger();

    for (int part = 0; part < 3; ++part)
        QCOMPARE(liveLines(*score, part), linesLeft.at(part));
    QCOMPARE(undoTexts(*score), macros);
    QVERIFY(score->changed);
    QCOMPARE(capture.count(QStringLiteral("deleteLyrics partFrom, partTo, lyricFrom, LyricTo =  ") +
                           bounds),
             1);
    QCOMPARE(capture.count(QStringLiteral("generateScore: entered----------.")), 1);
    // The picture shows what is left: every live lyric drawn, no deleted one.
    for (const Measure *measure : score->measures) {
        for (const MePart *part : measure->parts) {
            for (const Note *note : part->voices.at(0)->notes) {
                for (const Lyrics *lyric : note->lyrics)
                    QCOMPARE(lyric->item != nullptr, !lyric->deleted);
            }
        }
    }
}

// All parts and all lines: lines 1 to 5 of every part are moved, each part
// and line in a macro of its own, in increasing order; line 6 stays.
void TestLyricTools::moveLyricsEveryPartAndLine()
{
    QTemporaryDir dir;
    MainWindow window;
    Score *score = openThreeParts(window, dir.path(), NotationStyle::StaffNotation);
    QVERIFY(score);
    for (const Measure *measure : score->measures) {
        for (const Note *note : measure->parts.at(2)->voices.at(0)->notes) {
            for (const Lyrics *lyric : note->lyrics)
                QVERIFY(!lyric->moved);
        }
    }
    scriptDialog(
        [&](QDialog *dialog) {
            child<QComboBox>(*dialog, "comboBoxPartNumber")->setCurrentIndex(3);
            child<QComboBox>(*dialog, "comboBoxLyricNumber")->setCurrentIndex(5);
            child<QRadioButton>(*dialog, "radioButtonBelowNote")->setChecked(true);
            child<QDialogButtonBox>(*dialog, "buttonBox")->button(QDialogButtonBox::Ok)->click();
        },
        QDialog::Accepted);
    TestSupport::MessageCapture capture;
    window.ui->actionMoveLyricsSN->trigger();

    QCOMPARE(undoTexts(*score), QStringList(15, QStringLiteral("moveLyrics2")));
    QCOMPARE(capture.count(QStringLiteral("deleteLyrics partFrom, partTo, lyricFrom, LyricTo =  "
                                          "0 2 1 5")),
             1);
    QVERIFY(score->changed);
    // Lines 1 to 5 of the last part now have offsets of their own; line 6
    // stays where the layout puts it.
    for (const Measure *measure : score->measures) {
        for (const Note *note : measure->parts.at(2)->voices.at(0)->notes) {
            for (const Lyrics *lyric : note->lyrics)
                QCOMPARE(lyric->moved, lyric->number != 6);
        }
    }
    // Undo takes back the last part's line 5 first.
    score->undoStack->undo();
    QCOMPARE(score->undoStack->index(), 14);
}

void TestLyricTools::changePitch_data()
{
    QTest::addColumn<bool>("allParts");
    QTest::addColumn<bool>("deleteLyrics");
    QTest::addColumn<QList<bool>>("converted");
    QTest::newRow("part 2, delete") << false << true << QList<bool>{false, true, false};
    QTest::newRow("part 2, keep") << false << false << QList<bool>{false, true, false};
    QTest::newRow("all parts, delete") << true << true << QList<bool>{true, true, true};
}

// Apply of the change-pitch dialog turns line 1 of the chosen parts into
// pitches; with "Delete Lyrics" the line then goes and the score is drawn
// again, without it the lyrics stay and only the changed flag is set.
void TestLyricTools::changePitch()
{
    QFETCH(bool, allParts);
    QFETCH(bool, deleteLyrics);
    QFETCH(QList<bool>, converted);
    QTemporaryDir dir;
    MainWindow window;
    Score *score = openThreeParts(window, dir.path());
    QVERIFY(score);
    QList<QList<int>> pitchesBefore;
    for (int part = 0; part < 3; ++part)
        pitchesBefore << pitchesOf(*score, part);
    TestSupport::MessageCapture capture;
    scriptDialog([&](QDialog *dialog) {
        child<QComboBox>(*dialog, "comboBoxPartNumber")->setCurrentIndex(1);
        child<QSpinBox>(*dialog, "spinBoxLyricNumber")->setValue(1);
        child<QCheckBox>(*dialog, "checkBoxAllParts")->setChecked(allParts);
        child<QCheckBox>(*dialog, "checkBoxDeleteLyrics")->setChecked(deleteLyrics);
        capture.clear();
        child<QPushButton>(*dialog, "pushButtonApply")->click();
    });
    window.ui->actionConvertLyricsToPitches->trigger();

    const QList<int> every = linesOnEveryNote({1, 2, 3, 4, 5, 6});
    int conversions = 0;
    for (int part = 0; part < 3; ++part) {
        const QList<int> pitches = pitchesOf(*score, part);
        QCOMPARE(pitches != pitchesBefore.at(part), converted.at(part));
        const bool lineGone = converted.at(part) && deleteLyrics;
        QCOMPARE(liveLines(*score, part), lineGone ? linesOnEveryNote({2, 3, 4, 5, 6}) : every);
        conversions += converted.at(part);
    }
    QCOMPARE(undoTexts(*score).count(QStringLiteral("convLyricsToPitches")), conversions);
    QCOMPARE(undoTexts(*score).count(QStringLiteral("deleteLyrics2")),
             deleteLyrics ? conversions : 0);
    QVERIFY(score->changed);
    // Each conversion draws once; deleting draws once more, at the end.
    QCOMPARE(capture.count(QStringLiteral("generateScore: entered----------.")),
             conversions + (deleteLyrics ? 1 : 0));
}

// OK of the question opens a "_lyric" copy whose lyrics are the note names
// (the rewrite a save of that mode gives), drawn; the source keeps its own.
void TestLyricTools::noteNamesToLyricsCopy()
{
    QTemporaryDir dir;
    MainWindow window;
    Score *source = openThreeParts(window, dir.path());
    QVERIFY(source);
    const QString sourceFile = TestSupport::savedScoreFile(*source);
    prompter().questionAnswers.enqueue(QMessageBox::Ok);

    window.ui->actionOutputNoteNamesToLyrics->trigger();

    QCOMPARE(prompter().beeps, 1);
    QCOMPARE(prompter().texts(QStringLiteral("question")),
             QStringList{"This command will use Part dialog's output settings.\nPress Ok to "
                         "continue."});
    QCOMPARE(window.tabWidget->count(), 2);
    Score *copy = window.currentScore();
    QVERIFY(copy != source);
    QCOMPARE(window.tabWidget->tabText(1), QStringLiteral("lines_lyric"));
    QCOMPARE(copy->filePath, dir.filePath(QStringLiteral("lines_lyric.tnsx")));
    QVERIFY(copy->changed);
    QVERIFY(copy->undoStack->count() == 0);
    // The copy's model is the note-name rewrite of the source as drawn.
    Score drawn(window.programVersion, 99, false);
    drawn.documentText = sourceFile;
    QVERIFY(drawn.parseScoreXml(false));
    drawn.generateScore();
    Score rewritten(window.programVersion, 98, false);
    rewritten.documentText = drawn.buildScoreXml(ScoreXmlMode::NoteNameRewrite);
    QVERIFY(rewritten.parseScoreXml(false));
    QCOMPARE(lyricTexts(*copy), lyricTexts(rewritten));
    QVERIFY(lyricTexts(*copy) != lyricTexts(*source));
    QCOMPARE(copy->numParts, 3);
    QCOMPARE(copy->measures.size(), 2);
    QVERIFY(copy->scene->items().size() > 20);
    QCOMPARE(TestSupport::savedScoreFile(*source), sourceFile);
    QVERIFY(!source->changed);
}

void TestLyricTools::noteNamesToLyricsCancelled()
{
    QTemporaryDir dir;
    MainWindow window;
    Score *source = openThreeParts(window, dir.path());
    QVERIFY(source);
    const QString sourceFile = TestSupport::savedScoreFile(*source);
    prompter().questionAnswers.enqueue(QMessageBox::Cancel);
    window.outputNoteNamesToLyrics();
    QCOMPARE(prompter().texts(QStringLiteral("question")).size(), 1);
    QCOMPARE(window.tabWidget->count(), 1);
    QCOMPARE(window.currentScore(), source);
    QCOMPARE(TestSupport::savedScoreFile(*source), sourceFile);
}

// Part 2 of 3: a four-part "_duppart" copy whose part 2 is staff notation
// without time ticks and whose part 3 is the untouched twin of the old
// part 2. The picture is kept for people to look at.
void TestLyricTools::staffNotationTwinOfAPart()
{
    QTemporaryDir dir;
    MainWindow window;
    window.resize(1100, 800);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    Score *source = openThreeParts(window, dir.path(), NotationStyle::TozanSimple);
    QVERIFY(source);
    for (Part *part : source->parts) {
        part->timeTicks = true;
        part->timeTicks16th = true;
    }
    source->generateScore();
    const QString sourceFile = TestSupport::savedScoreFile(*source);
    prompter().integerAnswers.enqueue(2);

    window.ui->actionInsertSNPart->setEnabled(true);
    window.ui->actionInsertSNPart->trigger();

    const auto asked = prompter().prompts.constLast();
    QCOMPARE(asked.kind, QStringLiteral("integer"));
    QCOMPARE(asked.title, QStringLiteral("Duplicate Part"));
    QCOMPARE(asked.text, QStringLiteral("Part Number:"));
    QCOMPARE(QList<int>({asked.value, asked.minimum, asked.maximum, asked.step}),
             QList<int>({1, 1, 3, 1}));
    QCOMPARE(window.tabWidget->count(), 2);
    Score *copy = window.currentScore();
    QVERIFY(copy != source);
    QCOMPARE(window.tabWidget->tabText(1), QStringLiteral("lines_duppart"));
    QVERIFY(copy->changed);
    QCOMPARE(copy->numParts, 4);
    QCOMPARE(copy->parts.size(), 4);
    const Part *staff = copy->parts.at(1);
    const Part *twin = copy->parts.at(2);
    QCOMPARE(staff->notationStyle, int(NotationStyle::StaffNotation));
    QVERIFY(!staff->timeTicks);
    QVERIFY(!staff->timeTicks16th);
    QCOMPARE(twin->notationStyle, int(NotationStyle::TozanSimple));
    QVERIFY(twin->timeTicks && twin->timeTicks16th);
    QCOMPARE(twin->partName, source->parts.at(1)->partName);
    for (int part : {0, 3})
        QCOMPARE(copy->parts.at(part)->notationStyle, int(NotationStyle::TozanSimple));
    // Every part of the copy plays the same notes as its original.
    QCOMPARE(pitchesOf(*copy, 1), pitchesOf(*source, 1));
    QCOMPARE(pitchesOf(*copy, 2), pitchesOf(*source, 1));
    QCOMPARE(pitchesOf(*copy, 3), pitchesOf(*source, 2));
    QVERIFY(copy->documentText.contains(QLatin1String("id=\"P2-Dup\"")));
    // The file the copy would save keeps the staff part and the twin.
    Score reread(window.programVersion, 98, false);
    reread.documentText = TestSupport::savedScoreFile(*copy);
    QVERIFY(reread.parseScoreXml(false));
    QCOMPARE(reread.parts.size(), 4);
    QCOMPARE(reread.parts.at(1)->notationStyle, int(NotationStyle::StaffNotation));
    QVERIFY(!reread.parts.at(1)->timeTicks);
    QCOMPARE(reread.parts.at(2)->notationStyle, int(NotationStyle::TozanSimple));
    QCOMPARE(TestSupport::savedScoreFile(*source), sourceFile);

    QApplication::processEvents();
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/../look/s48");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(window.grab().save(folder + QStringLiteral("/insert-staff-part-window.png")));
}

void TestLyricTools::staffNotationTwinCancelled()
{
    QTemporaryDir dir;
    MainWindow window;
    Score *source = openThreeParts(window, dir.path());
    QVERIFY(source);
    const QString sourceFile = TestSupport::savedScoreFile(*source);
    window.on_actionInsertSNPart_triggered();
    QCOMPARE(prompter().prompts.size(), 1);
    QCOMPARE(window.tabWidget->count(), 1);
    QCOMPARE(TestSupport::savedScoreFile(*source), sourceFile);
}

// With no score every command does nothing; a score without parts is not
// asked for a part number.
void TestLyricTools::commandsWithoutScore()
{
    MainWindow window;
    window.convertLyricsToPithes();
    window.deleteLyricsDiag();
    window.moveLyricsSNDiag();
    window.convertNoteName();
    window.deleteLyrics();
    window.moveLyricsSN();
    window.outputNoteNamesToLyrics();
    window.on_actionInsertSNPart_triggered();
    QVERIFY(prompter().prompts.isEmpty());
    QCOMPARE(prompter().beeps, 0);
    QCOMPARE(window.tabWidget->count(), 0);

    auto *empty = new Score(window.programVersion, window.scoreCounter++, true);
    window.addScoreTab(empty);
    window.on_actionInsertSNPart_triggered();
    QVERIFY(prompter().prompts.isEmpty());
    QCOMPARE(window.tabWidget->count(), 1);
}

void TestLyricTools::dialogsOnScreen_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("shot");
    QTest::addColumn<QStringList>("widgets");
    QTest::newRow("delete") << "actionDeleteLyrics"
                            << "lyrics-delete"
                            << QStringList{"labelComment", "comboBoxPartNumber",
                                           "spinBoxLyricNumber", "buttonBox"};
    QTest::newRow("move") << "actionMoveLyricsSN"
                          << "lyrics-move"
                          << QStringList{"labelComment",           "comboBoxPartNumber",
                                         "comboBoxLyricNumber",    "groupBox",
                                         "radioButtonCloseToNote", "radioButtonAboveNote",
                                         "radioButtonBelowNote",   "buttonBox"};
    QTest::newRow("change pitch") << "actionConvertLyricsToPitches"
                                  << "lyrics-change-pitch"
                                  << QStringList{"labelComment",         "checkBoxAllParts",
                                                 "comboBoxPartNumber",   "spinBoxLyricNumber",
                                                 "checkBoxDeleteLyrics", "pushButtonCancel",
                                                 "pushButtonApply",      "pushButtonClose"};
}

// Each dialog opened from its menu entry on the three-part score, shown and
// grabbed: every control visible, whole and inside the window.
void TestLyricTools::dialogsOnScreen()
{
    QFETCH(QString, action);
    QFETCH(QString, shot);
    QFETCH(QStringList, widgets);
    QTemporaryDir dir;
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(openThreeParts(window, dir.path()));
    bool shown = false;
    scriptDialog([&](QDialog *dialog) {
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        TestSupport::grabDialog(*dialog, shot);
        TestSupport::checkShownInside(*dialog, widgets);
        auto *parts = child<QComboBox>(*dialog, "comboBoxPartNumber");
        QVERIFY(parts->count() >= 3);
        const QString folder =
            QCoreApplication::applicationDirPath() + QStringLiteral("/../look/s48");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(dialog->grab().save(folder + QLatin1Char('/') + shot + QStringLiteral(".png")));
        dialog->hide();
        shown = true;
    });
    window.findChild<QAction *>(action)->trigger();
    QVERIFY(shown);
}

VELMORA_TEST_MAIN(TestLyricTools)

} // namespace tst_lyric_tools
#include "tst_lyric_tools.moc"

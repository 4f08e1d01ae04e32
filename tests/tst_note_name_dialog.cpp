// The note name dialog: the list it is filled with (pictures for koto parts
// only), what OK, a double click, Cancel and the close box report, the
// window geometry saved at every close, and a screenshot of the dialog as a
// koto score fills it.
#include "dialogs/notenamedialog.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"
#include "support/dialogshot.h"
#include "support/installedcatalogue.h"
#include "support/scorefile.h"
#include "support/testenvironment.h"

#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>

#include <algorithm>
#include <memory>

namespace tst_note_name_dialog {

namespace {

QSettings geometryStore()
{
    return QSettings(QStringLiteral("corvalin"), QStringLiteral("Velmora_NoteName"));
}

QListWidget *list(NoteNameDialog &dialog)
{
    return dialog.findChild<QListWidget *>(QStringLiteral("listWidgetNames"));
}

QPushButton *button(NoteNameDialog &dialog, const char *name)
{
    return dialog.findChild<QPushButton *>(QLatin1String(name));
}

QImage iconImage(const QIcon &icon)
{
    return icon.pixmap(QSize(32, 32)).toImage().convertToFormat(QImage::Format_ARGB32);
}

// The dialog open (as under exec) with "1", "BarOsu+", "To" and row 2
// current, for a part of `style`.
struct OpenDialog
{
    explicit OpenDialog(int style = NotationStyle::KotoIkuta)
    {
        part.notationStyle = style;
        dialog.setDialog(&part,
                         {QStringLiteral("1"), QStringLiteral("BarOsu+"), QStringLiteral("To")}, 2);
        dialog.show();
    }

    Part part{nullptr};
    NoteNameDialog dialog;
};

} // namespace

class TestNoteNameDialog : public QObject
{
    Q_OBJECT

private slots:
    void init() { geometryStore().clear(); }

    void formAndTitle();
    void fillsTheListForOneNote_data();
    void fillsTheListForOneNote();
    void refillRemovesEarlierRows();
    void closing_data();
    void closing();
    void okWithoutCurrentRowOnlyCloses();
    void labelFitsInEachLanguage_data();
    void labelFitsInEachLanguage();
    void screenshot();
};

void TestNoteNameDialog::formAndTitle()
{
    NoteNameDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Velmora: Change Note Name"));
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("labelSelectNoteName"))->text(),
             QStringLiteral("Select Note Name"));
    QCOMPARE(button(dialog, "pushButtonOK")->text(), QStringLiteral("OK"));
    QCOMPARE(button(dialog, "pushButtonCancel")->text(), QStringLiteral("Cancel"));
    QVERIFY(button(dialog, "pushButtonOK")->isDefault());
    // The form's size, widened where the title label needs more.
    QCOMPARE(dialog.height(), 239);
    QCOMPARE(dialog.width(), std::max(264, dialog.minimumSizeHint().width()));
    QCOMPARE(list(dialog)->count(), 0);
}

void TestNoteNameDialog::fillsTheListForOneNote_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("pictures");
    QTest::newRow("koto Ikuta") << int(NotationStyle::KotoIkuta) << true;
    QTest::newRow("koto Seiha") << int(NotationStyle::KotoSeiha) << true;
    QTest::newRow("sangen") << int(NotationStyle::SangenIkuta) << false;
    QTest::newRow("shakuhachi") << int(NotationStyle::TozanTrad) << false;
}

// Koto names show their own picture, or the blank one where they have none;
// no other notation shows a picture, even for a name that has one.
void TestNoteNameDialog::fillsTheListForOneNote()
{
    QFETCH(int, style);
    QFETCH(bool, pictures);
    OpenDialog open(style);
    QListWidget *names = list(open.dialog);
    QCOMPARE(names->count(), 3);
    QCOMPARE(open.dialog.names(), (QStringList{"1", "BarOsu+", "To"}));
    QCOMPARE(names->currentRow(), 2);
    QCOMPARE(open.dialog.part(), &open.part);
    for (int row = 0; row < names->count(); ++row)
        QCOMPARE(names->item(row)->icon().isNull(), !pictures);
    if (!pictures)
        return;
    const QImage blank = iconImage(QIcon(QPixmap(QStringLiteral(":/images/White.png"))));
    const QImage one = iconImage(QIcon(QPixmap(QStringLiteral(":/images/1.png"))));
    QVERIFY(blank != one);
    QCOMPARE(iconImage(names->item(0)->icon()), one);
    QCOMPARE(iconImage(names->item(1)->icon()), blank);
    QCOMPARE(iconImage(names->item(2)->icon()),
             iconImage(QIcon(QPixmap(QStringLiteral(":/images/To.png")))));
}

void TestNoteNameDialog::refillRemovesEarlierRows()
{
    OpenDialog open;
    open.dialog.setDialog(&open.part, {QStringLiteral("5"), QStringLiteral("Osu+")}, 0);
    QCOMPARE(open.dialog.names(), (QStringList{"5", "Osu+"}));
    QCOMPARE(open.dialog.currentRow(), 0);
    open.dialog.setDialog(&open.part, {}, 0);
    QCOMPARE(list(open.dialog)->count(), 0);
}

void TestNoteNameDialog::closing_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("reported");
    QTest::newRow("OK") << "ok" << QStringList{"To"};
    QTest::newRow("OK on another row") << "row 0, ok" << QStringList{"1"};
    QTest::newRow("double click") << "double click row 1" << QStringList{"BarOsu+"};
    QTest::newRow("Cancel") << "cancel" << QStringList{};
    QTest::newRow("close box") << "close box" << QStringList{};
}

// Every way of closing ends the dialog and saves its geometry; only OK and
// a double click report a name, one each.
void TestNoteNameDialog::closing()
{
    QFETCH(QString, how);
    QFETCH(QStringList, reported);
    OpenDialog open;
    QVERIFY(QTest::qWaitForWindowExposed(&open.dialog));
    open.dialog.move(140, 90);
    QSignalSpy spy(&open.dialog, &NoteNameDialog::noteNameChanged);
    QListWidget *names = list(open.dialog);
    if (how == QLatin1String("ok")) {
        QTest::mouseClick(button(open.dialog, "pushButtonOK"), Qt::LeftButton);
    } else if (how == QLatin1String("row 0, ok")) {
        names->setCurrentRow(0);
        QTest::mouseClick(button(open.dialog, "pushButtonOK"), Qt::LeftButton);
    } else if (how == QLatin1String("double click row 1")) {
        const QPoint centre = names->visualItemRect(names->item(1)).center();
        QTest::mouseClick(names->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
        QTest::mouseDClick(names->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    } else if (how == QLatin1String("cancel")) {
        QTest::mouseClick(button(open.dialog, "pushButtonCancel"), Qt::LeftButton);
    } else {
        // What the window's close box does.
        open.dialog.close();
    }
    QStringList emitted;
    for (const QList<QVariant> &arguments : std::as_const(spy))
        emitted << arguments.at(0).toString();
    QCOMPARE(emitted, reported);
    QVERIFY(!open.dialog.isVisible());
    QVERIFY(geometryStore().contains(QStringLiteral("geometry")));

    // The next dialog opens where this one was closed.
    NoteNameDialog next;
    QCOMPARE(next.geometry(), open.dialog.geometry());
}

void TestNoteNameDialog::okWithoutCurrentRowOnlyCloses()
{
    OpenDialog open;
    list(open.dialog)->setCurrentRow(-1);
    QSignalSpy spy(&open.dialog, &NoteNameDialog::noteNameChanged);
    QTest::mouseClick(button(open.dialog, "pushButtonOK"), Qt::LeftButton);
    QCOMPARE(spy.count(), 0);
    QVERIFY(!open.dialog.isVisible());
}

void TestNoteNameDialog::labelFitsInEachLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "";
    QTest::newRow("Japanese") << "ja";
    QTest::newRow("Chinese") << "zh";
}

// The large label above the list is never cut off, at the first opening or
// after a change of language.
void TestNoteNameDialog::labelFitsInEachLanguage()
{
    QFETCH(QString, language);
    NoteNameDialog dialog;
    std::unique_ptr<TestSupport::InstalledCatalogue> catalogue;
    if (!language.isEmpty()) {
        catalogue = std::make_unique<TestSupport::InstalledCatalogue>(language);
        QVERIFY(catalogue->isInstalled());
        dialog.retranslate();
        QCOMPARE(dialog.windowTitle(),
                 catalogue->translator.translate("NoteNameDialog", "Velmora: Change Note Name"));
    }
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    TestSupport::checkShownInside(
        dialog, {"labelSelectNoteName", "listWidgetNames", "pushButtonOK", "pushButtonCancel"});
}

// The score's own dialog, filled as its command fills it for a note of the
// bundled koto sample that accepts several names.
void TestNoteNameDialog::screenshot()
{
    Score score(QStringLiteral("test"), 1, false);
    QVERIFY(TestSupport::loadScoreFile(
        score,
        TestSupport::sourcePath(QStringLiteral("resources/samples/Toryanse (Koto Ikuta).tnsx"))));
    QVERIFY(score.generateScore());
    const Note *chosen = nullptr;
    QStringList names;
    for (const Measure *measure : std::as_const(score.measures)) {
        const Voice *voice = measure->parts.at(0)->voices.made(0);
        for (const Note *note : voice ? voice->notes : QList<Note *>()) {
            if (!chosen && !note->rest && score.getNoteNameList(note).size() >= 3) {
                chosen = note;
                names = score.getNoteNameList(note);
            }
        }
    }
    QVERIFY(chosen);
    NoteNameDialog &dialog = *score.noteNameDialog;
    dialog.setDialog(score.parts.at(0), names, 1);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(!list(dialog)->item(0)->icon().isNull());
    TestSupport::grabDialog(dialog, QStringLiteral("note-name-dialog"));
    TestSupport::checkShownInside(
        dialog, {"listWidgetNames", "labelSelectNoteName", "pushButtonOK", "pushButtonCancel"});
    dialog.close();
}

VELMORA_TEST_MAIN(TestNoteNameDialog)

} // namespace tst_note_name_dialog

#include "tst_note_name_dialog.moc"

#include "titlecard_config/fixedpitchfamilies.h"
#include "titlecard_config/fontpicker.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QListView>
#include <QtTest>

static bool installed(const QString &family)
{
    return QFontDatabase::families().contains(family);
}

// The real font dialog, answered from a timer while it runs modally.
class TestFontPicker : public QObject
{
    Q_OBJECT
private slots:
    void fixedPitchFamilies_data();
    void fixedPitchFamilies();
    void answers_data();
    void answers();
};

// Japanese dual-width faces count as fixed-pitch; their proportional ("P")
// siblings and Latin proportional faces do not.
void TestFontPicker::fixedPitchFamilies_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<bool>("fixed");
    QTest::newRow("IPAGothic") << "IPAGothic" << true;
    QTest::newRow("IPAMincho") << "IPAMincho" << true;
    QTest::newRow("IPAPGothic") << "IPAPGothic" << false;
    QTest::newRow("DejaVu Sans Mono") << "DejaVu Sans Mono" << true;
    QTest::newRow("DejaVu Sans") << "DejaVu Sans" << false;
}

void TestFontPicker::fixedPitchFamilies()
{
    QFETCH(QString, family);
    if (!installed(family))
        QSKIP("face not installed");
    QTEST(isFixedPitchFamily(family), "fixed");
}

void TestFontPicker::answers_data()
{
    QTest::addColumn<QString>("initialFamily");
    QTest::addColumn<bool>("fixedPitchOnly");
    QTest::addColumn<bool>("accept");
    QTest::newRow("fixed, cancel") << "IPAPGothic" << true << false;
    QTest::newRow("fixed, OK") << "IPAPGothic" << true << true;
    QTest::newRow("fixed, OK, face not installed") << QStringLiteral("ＭＳ ゴシック") << true << true;
    QTest::newRow("any, OK") << "IPAPGothic" << false << true;
}

// Starts at a face that the fixed-pitch list hides, asks for 20 points and
// answers at once; the visible rows of the family list are kept. Underline
// and strike-out are not offered.
void TestFontPicker::answers()
{
    QFETCH(QString, initialFamily);
    QFETCH(bool, fixedPitchOnly);
    QFETCH(bool, accept);
    QFont initial(initialFamily);
    initial.setPointSize(14);
    bool seen = false;
    bool effectsOffered = false;
    QString startFamily;
    QStringList families;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<QFontDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen = true;
        startFamily = dialog->currentFont().family();
        for (QCheckBox *box : dialog->findChildren<QCheckBox *>())
            effectsOffered |= box->isVisibleTo(dialog);
        for (QListView *view : dialog->findChildren<QListView *>()) {
            QStringList rows;
            for (int row = 0; row < view->model()->rowCount(); ++row) {
                if (!view->isRowHidden(row))
                    rows << view->model()->index(row, 0).data().toString();
            }
            if (rows.contains("IPAGothic"))
                families = rows;
        }
        QFont other = dialog->currentFont();
        other.setPointSize(20);
        dialog->setCurrentFont(other);
        accept ? dialog->accept() : dialog->reject();
    });
    const FontPicker::Choice choice = FontDialogPicker().choose(initial, fixedPitchOnly, nullptr);
    QVERIFY(seen);
    QCOMPARE(choice.accepted, accept);
    QCOMPARE(choice.font.pointSize(), accept ? 20 : 14);
    QVERIFY(!effectsOffered);
    // The dialog must not open at the hidden face, which OK would hand back.
    if (fixedPitchOnly)
        QVERIFY2(isFixedPitchFamily(startFamily), qPrintable(startFamily));
    if (accept && fixedPitchOnly)
        QVERIFY2(isFixedPitchFamily(choice.font.family()), qPrintable(choice.font.family()));
    if (!installed("IPAGothic") || !installed("IPAPGothic"))
        QSKIP("the IPA faces are not installed");
    QVERIFY(families.contains("IPAGothic"));
    QCOMPARE(families.contains("IPAPGothic"), !fixedPitchOnly);
}

QTEST_MAIN(TestFontPicker)
#include "test_fontpicker.moc"

#include "titlecard_config/fixedpitchfamilies.h"
#include "titlecard_config/fontpicker.h"

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
    QTest::addColumn<bool>("fixedPitchOnly");
    QTest::addColumn<bool>("accept");
    QTest::newRow("fixed, cancel") << true << false;
    QTest::newRow("fixed, OK") << true << true;
    QTest::newRow("any, OK") << false << true;
}

// Starts at a proportional face that the fixed-pitch list hides, asks for
// 20 points and answers; the visible rows of the family list are kept.
void TestFontPicker::answers()
{
    QFETCH(bool, fixedPitchOnly);
    QFETCH(bool, accept);
    QFont initial(QStringLiteral("IPAPGothic"));
    initial.setPointSize(14);
    bool seen = false;
    QStringList families;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<QFontDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen = true;
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
    if (!installed("IPAGothic") || !installed("IPAPGothic"))
        QSKIP("the IPA faces are not installed");
    QVERIFY(families.contains("IPAGothic"));
    QCOMPARE(families.contains("IPAPGothic"), !fixedPitchOnly);
}

QTEST_MAIN(TestFontPicker)
#include "test_fontpicker.moc"

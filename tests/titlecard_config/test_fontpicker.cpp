#include "titlecard_config/fontpicker.h"

#include <QFontDialog>
#include <QtTest>

// The real font dialog, answered from a timer while it runs modally.
class TestFontPicker : public QObject
{
    Q_OBJECT
private slots:
    void answers_data();
    void answers();
};

void TestFontPicker::answers_data()
{
    QTest::addColumn<bool>("fixedPitchOnly");
    QTest::addColumn<bool>("accept");
    QTest::newRow("fixed, cancel") << true << false;
    QTest::newRow("fixed, OK") << true << true;
    QTest::newRow("any, OK") << false << true;
}

void TestFontPicker::answers()
{
    QFETCH(bool, fixedPitchOnly);
    QFETCH(bool, accept);
    QFont initial(QStringLiteral("IPAGothic"));
    initial.setPointSize(14);
    QFontDialog::FontDialogOptions seenOptions;
    bool seen = false;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<QFontDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen = true;
        seenOptions = dialog->options();
        if (accept) {
            QFont other = dialog->currentFont();
            other.setPointSize(20);
            dialog->setCurrentFont(other);
            dialog->accept();
        } else {
            dialog->reject();
        }
    });
    FontDialogPicker picker;
    const FontPicker::Choice choice = picker.choose(initial, fixedPitchOnly, nullptr);
    QVERIFY(seen);
    QCOMPARE(seenOptions.testFlag(QFontDialog::MonospacedFonts), fixedPitchOnly);
    QCOMPARE(choice.accepted, accept);
    QCOMPARE(choice.font.pointSize(), accept ? 20 : 14);
}

QTEST_MAIN(TestFontPicker)
#include "test_fontpicker.moc"

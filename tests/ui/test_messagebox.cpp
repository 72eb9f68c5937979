#include "fakes/modaldialog.h"
#include "shared/ui/messagebox.h"

#include <QtTest>
#include <QtWidgets>

// The box as a person sees it: its whole title in the title bar beside
// the bar's buttons (up to a width any screen holds), and a huge text cut.
class TestMessageBox : public QObject
{
    Q_OBJECT
private slots:
    void shown_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("shownChars");
        QTest::newRow("title longer than the text") << "Tsukikage Mirelle - Episode 5" << "「短い」" << 4;
        QTest::newRow("title beyond any screen") << QString(300, 'W') << "x" << 1;
        QTest::newRow("a megabyte of text") << "t" << QString(1 << 20, 'x') << QtMessageBoxService::kMaxShownChars + 1;
    }
    void shown()
    {
        QFETCH(QString, title);
        QFETCH(QString, text);
        int width = 0;
        QString shownText;
        whenDialogShows([&](QDialog *box) {
            width = box->width();
            shownText = static_cast<QMessageBox *>(box)->text();
            box->accept();
        });
        QtMessageBoxService().show(text, title, false);
        QFont bold = QApplication::font();
        bold.setBold(true);
        const QFontMetrics bar(bold); // the title, and about four glyphs' room for the bar's icon and buttons
        QVERIFY2(width >= qMin(bar.horizontalAdvance(title) + 4 * bar.height(), 600), qPrintable(QString::number(width)));
        QTEST(int(shownText.size()), "shownChars");
    }
};

QTEST_MAIN(TestMessageBox)
#include "test_messagebox.moc"

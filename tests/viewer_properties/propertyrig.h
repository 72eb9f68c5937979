#pragma once

#include "viewer_properties/propertywindow.h"
#include "viewer_properties/valuebar.h"

#include "fakes/filebytes.h"
#include "fakes/formprobe.h"
#include "fakes/memorysettingsstore.h"
#include "fakes/recordinghelpviewer.h"
#include "fakes/recordingmessagebox.h"
#include "fakes/recordingstarter.h"
#include "fakes/scripteddialogbinding.h"
#include "shared/cp932.h"
#include "viewer/viewerseams.h"

#include <memory>

// Lines word1 .. wordN in code page 932, CR LF.
inline QByteArray numberedLines(const QString &word, int count)
{
    QByteArray all;
    for (int i = 1; i <= count; ++i)
        all += Cp932::fromUnicode(word + QString::number(i)) + "\r\n";
    return all;
}

inline ViewerSettings stored(const QString &ops, int sh, int tim, int ms, int jo)
{
    return {ops, ShowCode(quint8(sh)), qint16(tim), qint16(ms), quint8(jo)};
}

// A notification server that answers or not, and shows nothing.
struct FixedNotifier : DesktopNotifier
{
    bool answers = true;
    bool available() override { return answers; }
    bool show(const QString &, const QString &, QString *) override { return false; }
};

// The property window over fakes, in a program folder of its own that holds
// every program of the suite, the help page and the seven quote files (50
// lines each, "<file name> n"); the folder is also the working folder and
// the settings folder. Tests change the folder before open().
struct PropertyRig
{
    QTemporaryDir folder;
    MemorySettingsStore store;
    RecordingStarter starter;
    RecordingMessageBox boxes;
    RecordingHelpViewer help;
    ScriptedDialogBinding dialogs;
    ViewerSettingsStore *usedStore = &store; // a test may give the window a real one
    FixedNotifier notifier;
    std::unique_ptr<PropertyWindow> window;
    QStringList published; // every text of ok2

    explicit PropertyRig(const ViewerSettings &settings = ViewerSettings())
    {
        store.stored = settings;
        for (const char *program : {"tambwin", "mirwin", "mirinit", "dastor", "tambinit", "velmo", "help.html"})
            QVERIFY(writeAll(path(program), "#!/bin/sh\n"));
        for (const char *quotes : {"tamber.vmf", "anitamb.vmf", "tambkari.vmf", "mirelle.vmf", "animir.vmf",
                                   "quill.vmf", "dastor.vmf"})
            QVERIFY(writeAll(path(quotes), numberedLines(QString::fromLatin1(quotes) + ' ', 50)));
    }

    QString path(const QString &name) const { return folder.filePath(name); }

    // shown: as a plain window, once the quote file is read; otherwise it
    // waits for exec().
    PropertyWindow &open(bool shown = true)
    {
        const QString dir = folder.path();
        window = std::make_unique<PropertyWindow>(
            PropertyServices{*usedStore, starter, boxes, help, dialogs, dir, dir, dir, &notifier});
        QObject::connect(child<QLineEdit>("ok2"), &QLineEdit::textChanged,
                         [this](const QString &text) { published << text; });
        if (shown) {
            window->show();
            settle();
        }
        return *window;
    }

    // Opens the window and runs it as the program does, in the dialog's
    // own loop, with each step run from that loop after the one before. A
    // window still open after the last step is closed with キャンセル. The
    // number of steps that ran before the loop ended.
    int exec(const QList<std::function<void()>> &steps)
    {
        open(false);
        int ran = 0;
        QObject pacer; // its end drops the steps that never ran
        std::function<void()> next = [&] {
            if (ran == steps.size()) {
                if (window->isVisible())
                    window->reject();
                return;
            }
            steps[ran++]();
            QTimer::singleShot(0, &pacer, next);
        };
        QTimer::singleShot(0, &pacer, next);
        window->exec();
        return ran;
    }

    template <typename T = QWidget> T *child(const QString &name) const
    {
        return qobject_cast<T *>(formChild(window.get(), name));
    }
    // formAct, with "settle", "close" (the close box), "enter" (the key),
    // "viewer=n" (the viewer saves position n) and the next answers of the
    // dialogs: "file=name" (in the folder), "font=face".
    void act(const QString &steps)
    {
        formAct(window.get(), steps, [this](const QStringList &w) {
            if (w[0] == "close")
                window->close();
            else if (w[0] == "enter")
                QTest::keyClick(window.get(), Qt::Key_Return);
            else if (w[0].startsWith("viewer=")) // the viewer saves its reading position meanwhile
                store.stored.linePosition = qint16(w[0].section('=', 1).toInt());
            else if (w[0].startsWith("file=")) // the file dialog's next answer
                dialogs.fileAnswer = {1, 0, {path(w[0].section('=', 1))}, 1};
            else if (w[0].startsWith("font=")) // the font dialog's next answer; none: cancelled
                dialogs.fontAnswer = {w[0] != "font=", 0, QFont(w[0].section('=', 1)), Qt::red};
            else
                settle();
        });
    }

    // formLook of the controls named in shown (a bar as its value and its
    // finishing end), and of Sh, Tim, Ms, Jo, Ops: the values last saved;
    // mirwin.ini: the file, "|" for each CR LF; published: what ok2 said;
    // asked: the face the font dialog last started at. The folder reads "%".
    QString look(const QString &shown) const
    {
        const ViewerSettings &s = store.stored;
        const auto here = [this](QString text) { return text.replace(folder.path(), "%"); };
        const QMap<QString, QString> saved = {{"Ops", here(s.quoteSource)}, {"Text4", here(text("Text4"))},
                                              {"asked", dialogs.fontRequests.value(dialogs.fontRequests.size() - 1).font.family()},
                                              {"Sh", QString::number(s.showCode.value())},
                                              {"Tim", QString::number(s.intervalMinutes)},
                                              {"Ms", QString::number(s.linePosition)},
                                              {"Jo", QString::number(s.residentMode)}, {"published", published.join(' ')}};
        return formLook(window.get(), shown, [&](const QString &name, QWidget *control) {
            if (auto *bar = qobject_cast<ValueBar *>(control))
                return QString::number(bar->barValue()) + '/' + QString::number(bar->finishEnd());
            return name == "mirwin.ini" ? QString::fromLatin1(mirwinIni()).replace("\r\n", "|") : saved.value(name);
        });
    }

    // Waits until the quote file has been read and the preview shows it.
    void settle() const { QTRY_VERIFY_WITH_TIMEOUT(!window->isReading(), 10000); }
    QString text(const QString &field) const { return child<QLineEdit>(field)->text(); }
    QByteArray mirwinIni() const { return readAll(path("mirwin.ini")); }
};

#pragma once

#include "viewer_properties/propertywindow.h"
#include "viewer_properties/valuebar.h"

#include "fakes/memorysettingsstore.h"
#include "fakes/recordinghelpviewer.h"
#include "fakes/recordingmessagebox.h"
#include "fakes/recordingstarter.h"
#include "fakes/scripteddialogbinding.h"
#include "shared/cp932.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

#include <sys/stat.h>

inline void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(file.write(content), content.size());
}

// Puts content at path; "fifo" makes a named pipe there instead.
inline void place(const QString &path, const QByteArray &content)
{
    if (content == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else
        writeFile(path, content);
}

inline QByteArray readOrNone(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

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
    std::unique_ptr<PropertyWindow> window;
    QStringList published; // every text of ok2

    explicit PropertyRig(const ViewerSettings &settings = ViewerSettings())
    {
        store.stored = settings;
        for (const char *program : {"tambwin", "mirwin", "mirinit", "dastor", "tambinit", "velmo", "help.html"})
            writeFile(path(program), "#!/bin/sh\n");
        for (const char *quotes : {"tamber.vmf", "anitamb.vmf", "tambkari.vmf", "mirelle.vmf", "animir.vmf",
                                   "quill.vmf", "dastor.vmf"})
            writeFile(path(quotes), numberedLines(QString::fromLatin1(quotes) + ' ', 50));
    }

    QString path(const QString &name) const { return folder.filePath(name); }

    // shown: as a plain window; otherwise it waits for exec().
    PropertyWindow &open(bool shown = true)
    {
        const QString dir = folder.path();
        window = std::make_unique<PropertyWindow>(
            PropertyServices{*usedStore, starter, boxes, help, dialogs, dir, dir, dir});
        QObject::connect(child<QLineEdit>("ok2"), &QLineEdit::textChanged,
                         [this](const QString &text) { published << text; });
        if (shown)
            window->show();
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

    template <typename T = QWidget>
    T *child(const QString &name) const
    {
        T *found = window->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }

    // A click as a person makes it: on an option's round button, in the
    // middle of anything else.
    void click(const QString &name) const
    {
        QWidget *control = child(name);
        const bool option = control->inherits("QRadioButton");
        QTest::mouseClick(control, Qt::LeftButton, {},
                          option ? QPoint(6, control->height() / 2) : control->rect().center());
    }

    // Steps as a person takes them, "; " between them: "click Name", "key
    // Name Key" (the key as QKeySequence spells it), "type Name text" (in
    // place of the field's text), "settle".
    void act(const QString &steps) const
    {
        for (const QString &step : steps.split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
            const QStringList word = step.split(' ');
            if (word[0] == "click")
                click(word[1]);
            else if (word[0] == "key")
                QTest::keyClick(child(word[1]), QKeySequence::fromString(word[2])[0].key());
            else if (word[0] == "type")
                child<QLineEdit>(word[1])->selectAll(), QTest::keyClicks(child(word[1]), step.section(' ', 2));
            else if (word[0] == "settle")
                settle();
            else
                qFatal("no step %s", qPrintable(step));
        }
    }

    // What the named controls show, "Name=value" each, blank-separated: a
    // field's or label's text, a bar's value, "on" or "off" for an option or
    // a box; "Name(disabled)" when switched off, "(grey)" for an editable
    // field that is not white. Sh, Tim, Ms, Jo, Ops: the values last saved;
    // mirwin.ini: the file, "|" for each CR LF.
    QString look(const QString &names) const
    {
        QStringList seen;
        const ViewerSettings &s = store.stored;
        const QMap<QString, QString> saved = {{"Ops", s.quoteSource}, {"Sh", QString::number(s.showCode.value())},
                                              {"Tim", QString::number(s.intervalMinutes)},
                                              {"Ms", QString::number(s.linePosition)},
                                              {"Jo", QString::number(s.residentMode)}};
        for (const QString &name : names.split(' ')) {
            if (saved.contains(name) || name == "mirwin.ini") {
                seen << name + '=' + saved.value(name, QString::fromLatin1(mirwinIni()).replace("\r\n", "|"));
                continue;
            }
            QWidget *control = child(name);
            QString value = control->property("text").toString(), flags;
            if (auto *bar = qobject_cast<ValueBar *>(control))
                value = QString::number(bar->barValue());
            if (auto *button = qobject_cast<QAbstractButton *>(control); button && button->isCheckable())
                value = button->isChecked() ? "on" : "off";
            if (!control->isEnabled())
                flags += "(disabled)";
            if (auto *field = qobject_cast<QLineEdit *>(control);
                field && !field->isReadOnly() && field->palette().color(QPalette::Base) != QColor(Qt::white))
                flags += "(grey)";
            seen << name + flags + '=' + value;
        }
        return seen.join(' ');
    }

    // look() of the controls named in shown, a text as look() gives it.
    QString lookLike(const QString &shown) const
    {
        static const QRegularExpression name("(?:^| )([\\w.]+)(?:\\(\\w+\\))*=");
        QStringList names;
        for (auto match = name.globalMatch(shown); match.hasNext();)
            names << match.next().captured(1);
        return look(names.join(' '));
    }

    // Waits until the quote file has been read and the preview shows it.
    void settle() const { QTRY_VERIFY_WITH_TIMEOUT(!window->isReading(), 10000); }
    QString text(const QString &field) const { return child<QLineEdit>(field)->text(); }

    QByteArray mirwinIni() const { return readOrNone(path("mirwin.ini")); }
};

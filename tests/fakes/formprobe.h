#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QRegularExpression>
#include <QtTest>

#include <functional>

// A window's controls found by object name, driven as a person drives them
// and read back as one line of text, so that a table row can say both.
inline QWidget *formChild(const QWidget *root, const QString &name)
{
    QWidget *found = root->findChild<QWidget *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

// Typed character by character, whatever the script of the text.
inline void formType(QWidget *to, const QString &text)
{
    if (auto *field = qobject_cast<QLineEdit *>(to))
        field->selectAll();
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, to, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Steps, "; " between them: "click Name" (an option on its round button,
// anything else in the middle), "key Name Key" (as QKeySequence spells it,
// "*n" for n presses), "top Name" / "bottom Name" (a vertical bar's arrow),
// "type Name text" (in place of the field's text); other steps go to more.
inline void formAct(QWidget *root, const QString &steps, const std::function<void(const QStringList &)> &more = {})
{
    for (const QString &step : steps.split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
        const QStringList w = step.split(' ');
        QWidget *control = w.size() > 1 && w[0] != "alt" ? formChild(root, w[1]) : nullptr;
        const int h = control ? control->height() : 0;
        if (w[0] == "click") {
            const bool option = control->inherits("QRadioButton");
            QTest::mouseClick(control, Qt::LeftButton, {}, option ? QPoint(6, h / 2) : control->rect().center());
        } else if (w[0] == "key") {
            for (int i = 0; i < qMax(1, w[2].section('*', 1).toInt()); ++i)
                QTest::keyClick(control, QKeySequence::fromString(w[2].section('*', 0, 0))[0].key());
        } else if (w[0] == "top" || w[0] == "bottom") {
            QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(control->width() / 2, w[0] == "top" ? 2 : h - 2));
        } else if (w[0] == "type") {
            formType(control, step.section(' ', 2));
        } else if (more) {
            more(w);
        } else {
            qFatal("no step %s", qPrintable(step));
        }
    }
}

// "Name=value" of each name in shown, a text as this gives it: value(name,
// control) where it answers (a bar's value, or something that is no
// control), else a field's or label's text, "on" or "off" for a checkable
// button; "(disabled)" when switched off, "(grey)" for an editable field
// off the usual white.
inline QString formLook(const QWidget *root, const QString &shown,
                        const std::function<QString(const QString &, QWidget *)> &value)
{
    static const QRegularExpression named("(?:^| )([\\w.]+)(?:\\(\\w+\\))*=");
    QStringList seen;
    for (auto match = named.globalMatch(shown); match.hasNext();) {
        const QString name = match.next().captured(1);
        QWidget *control = root->findChild<QWidget *>(name);
        QString text = value(name, control), flags;
        if (text.isNull())
            text = formChild(root, name)->property("text").toString();
        if (auto *button = qobject_cast<QAbstractButton *>(control); button && button->isCheckable())
            text = button->isChecked() ? "on" : "off";
        if (control && !control->isEnabled())
            flags += "(disabled)";
        if (auto *field = qobject_cast<QLineEdit *>(control); field && !field->isReadOnly()
            && field->palette().color(QPalette::Base) != QApplication::palette().color(QPalette::Base))
            flags += "(grey)";
        seen << name + flags + '=' + text;
    }
    return seen.join(' ');
}

#pragma once

#include "shared/ui/interfacelanguage.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QTabBar>
#include <QWidget>

// What an English window may not show: Kana, Kanji, full-width forms and
// Japanese punctuation.
inline bool hasJapanese(const QString &text)
{
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x3000 && u <= 0x30ff) || (u >= 0x3400 && u <= 0x9fff) || (u >= 0xff00 && u <= 0xffef))
            return true;
    }
    return false;
}

// Every text a person can read in a window and everything in it (titles,
// captions, items, tab names, menu entries, tips, the names accessibility
// tools read out), hidden pages included, that still holds a Japanese
// character: "objectName: text", one a text. Texts that are data (a quote,
// an episode title, a face name) are listed in `data` and left out.
inline QStringList japaneseTexts(QWidget *window, const QStringList &data = {})
{
    QStringList found;
    const auto check = [&](const QObject *object, const QString &text) {
        if (hasJapanese(text) && !data.contains(text))
            found << object->objectName() + QStringLiteral(": ") + text;
    };
    QObjectList objects{window};
    for (QObject *child : window->findChildren<QObject *>())
        objects << child;
    for (QObject *object : objects) {
        for (const char *property : {"windowTitle", "toolTip", "statusTip", "whatsThis", "accessibleName",
                                     "accessibleDescription", "text", "title", "placeholderText", "plainText"})
            check(object, object->property(property).toString());
        if (auto *tabs = qobject_cast<QTabBar *>(object))
            for (int i = 0; i < tabs->count(); ++i)
                check(object, tabs->tabText(i));
        if (auto *combo = qobject_cast<QComboBox *>(object))
            for (int i = 0; i < combo->count(); ++i)
                check(object, combo->itemText(i));
        if (auto *view = qobject_cast<QAbstractItemView *>(object); view && view->model())
            for (int row = 0; row < view->model()->rowCount(); ++row)
                check(object, view->model()->index(row, 0).data().toString());
        if (auto *widget = qobject_cast<QWidget *>(object))
            for (const QAction *action : widget->actions())
                check(action, action->text());
    }
    return found;
}

// The suite's English for the rest of the test program, as an English
// locale gets it; false when the translation file is not built.
inline bool loadEnglish()
{
    qputenv("LC_ALL", "en_US.UTF-8");
    qunsetenv("LANGUAGE");
    return loadInterfaceTranslation(*qApp, qEnvironmentVariable("SUITE_DIR"));
}

#pragma once

#include <QFrame>

// The page "ヴェルモについて": the program's name and version, its
// credits, rights notice and addresses, and its pictures. It only shows.
class AboutPage : public QFrame
{
    Q_OBJECT
public:
    explicit AboutPage(QWidget *parent);
};

#pragma once

#include <QDialog>

// The about box: the program's names and version, its makers and the
// credits of the titles, picture and sound the title card uses.
class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    static inline const QString kIconPath = QStringLiteral(":/titlecard_config/tambinit.png");

    explicit AboutDialog(QWidget *parent = nullptr);
};

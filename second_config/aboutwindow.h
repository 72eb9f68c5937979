#pragma once

#include <QDialog>

// mirinit's about window: the program's names and version, its makers and
// their addresses, and the credits of what mirwin shows.
class AboutWindow : public QDialog
{
    Q_OBJECT
public:
    static inline const QString kIconPath = QStringLiteral(":/second_config/mirinit.png");
    static inline const QString kVersion = QStringLiteral("0.22");

    explicit AboutWindow(QWidget *parent = nullptr);
};

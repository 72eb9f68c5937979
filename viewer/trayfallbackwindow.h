#pragma once

#include <QList>
#include <QWidget>

class QAction;

// The small ordinary window "ヴェルモ" that stands in for the notification
// area when the desktop has none: one button per command of the tray menu,
// sharing the menu's actions (text, check mark and enabled state follow
// them). Closing it is a request to end the viewer, as ヴェルモの終了 is.
class TrayFallbackWindow : public QWidget
{
    Q_OBJECT
public:
    explicit TrayFallbackWindow(const QList<QAction *> &commands, QWidget *parent = nullptr);

signals:
    void closeRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
};

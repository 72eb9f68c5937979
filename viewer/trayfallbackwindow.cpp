#include "trayfallbackwindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QToolButton>
#include <QVBoxLayout>

TrayFallbackWindow::TrayFallbackWindow(const QList<QAction *> &commands, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("trayFallback"));
    setWindowTitle(tr("ヴェルモ"));
    auto *layout = new QVBoxLayout(this);
    for (QAction *command : commands) {
        if (command->isSeparator())
            continue;
        auto *button = new QToolButton(this);
        button->setObjectName(command->objectName());
        button->setDefaultAction(command);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        layout->addWidget(button);
    }
}

void TrayFallbackWindow::closeEvent(QCloseEvent *event)
{
    // The viewer decides; its end removes this window with the icon.
    event->ignore();
    emit closeRequested();
}

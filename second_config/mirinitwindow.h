#pragma once

#include "episodetitles.h"
#include "form1controls.h"
#include "mirwinsettings.h"
#include "trialrun.h"

#include <QWidget>

class CommonDlgBinding;
class MessageBoxService;
class ProgramStarter;
class QuestionBox;

// mirinit's main window: the settings of mirwin (face, size, position),
// saved to mirwin.ini on every way out, and the trial runs of mirwin.
class MirinitWindow : public QWidget
{
    Q_OBJECT
public:
    struct Services
    {
        ProgramStarter &starter;
        CommonDlgBinding &dialogs; // the font dialog
        MessageBoxService &messages;
        QuestionBox &questions;
    };

    MirinitWindow(const Services &services, const QString &settingsPath, const QString &programFolder,
                  QWidget *parent = nullptr);

protected:
    // Every way out saves the settings first.
    void closeEvent(QCloseEvent *event) override;

private:
    void connectControls();
    void load();
    void selectMode(TrialRun::Mode mode);
    TrialRun::Mode mode() const;
    void showEpisode(int episode);
    void showSize(int size);
    void showPosition();
    MirwinSettings settings() const;
    bool save(QString *error);
    bool leaveUnsaved(const QString &reason);
    void run();
    void showAbout();
    void chooseFont();
    // The window's title, also the title of its message boxes.
    static QString title();

    Services m_services;
    QString m_settingsPath;
    TrialRun m_trialRun;
    EpisodeTitles m_titles;
    Form1Controls m_c;
    // The settings shown after loading, and whether a file was there that
    // could not be read: it is not replaced until a setting changes.
    MirwinSettings m_loaded;
    bool m_saveOnClose = true;
};

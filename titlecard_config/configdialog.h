#pragma once

#include "cardlauncher.h"
#include "configstate.h"
#include "titlecard/episodenames.h"
#include "fontselection.h"

#include <QDialog>
#include <QMap>

class FaceCatalogue;
class FontPicker;
class MessageBoxService;
class ProgramStarter;
class QCheckBox;
class QLineEdit;
class QRadioButton;

// The configuration dialog: what a trial run of the title card shows, the
// run itself, and the card's font. Controls are named as controlnames.h says.
class ConfigDialog : public QDialog
{
    Q_OBJECT
public:
    // settingsPath is tambwin.ini; a bare name is looked up in the current
    // directory each time it is opened. faces tells which installed face
    // the card will draw with.
    ConfigDialog(ProgramStarter &starter, FontPicker &picker, const FaceCatalogue &faces,
                 MessageBoxService &messages, const QString &programFolder,
                 const QString &settingsPath, QWidget *parent = nullptr);

    // As written; the box shows it in the interface's language.
    static inline const QString kSaveFailedMessage =
        QString::fromUtf8(QT_TRANSLATE_NOOP("ConfigDialog", "フォントの設定を保存できませんでした。"));

private:
    void buildControls();
    void connectCommands();
    void showMode(ConfigState::Mode mode);
    void showEpisodeName();
    void showFace();
    void chooseFont();
    void run();
    void showAbout();

    ConfigState m_state;
    EpisodeNames m_names;
    CardLauncher m_launcher;
    FontSelection m_fontSelection;
    const FaceCatalogue &m_faces;
    MessageBoxService &m_messages;
    QString m_settingsPath;
    QByteArray m_face; // code page 932 (or UTF-8), as shown in the face field

    QMap<ConfigState::Mode, QRadioButton *> m_modeButtons;
    QMap<ConfigState::Field, QLineEdit *> m_textEdits;
    QLineEdit *m_episodeName = nullptr;
    QLineEdit *m_faceName = nullptr;
    QCheckBox *m_fixedPitchOnly = nullptr;
};

#include "configdialog.h"

#include "aboutdialog.h"
#include "controlnames.h"
#include "cp932bytevalidator.h"
#include "formstyle.h"
#include "shared/ui/dialogunits.h"

#include "shared/textencoding.h"
#include "shared/ui/accessiblename.h"
#include "shared/ui/messagebox.h"

#include <QDir>
#include <QFileInfo>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

using Mode = ConfigState::Mode;
using Field = ConfigState::Field;

// The template is 223 x 275 dialog units.
constexpr int kWidthUnits = 223;
constexpr int kHeightUnits = 275;

// The options are 10 units high.
constexpr int kOptionHeight = 10;

} // namespace

ConfigDialog::ConfigDialog(ProgramStarter &starter, FontPicker &picker, const FaceCatalogue &faces,
                           MessageBoxService &messages, const QString &programFolder,
                           const QString &settingsPath, QWidget *parent)
    : QDialog(parent),
      m_names(EpisodeNames::load()),
      m_launcher(starter, programFolder),
      m_fontSelection(picker, faces, settingsPath),
      m_faces(faces),
      m_messages(messages),
      m_settingsPath(settingsPath)
{
    setObjectName(ControlNames::kConfigDialog);
    setWindowTitle(tr("タンバー for Windows95 環境設定"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(dialogFont());
    buildControls();
    connectCommands();

    showMode(Mode::Automatic);
    showEpisodeName();
    m_face = initialFace(settingsPath);
    showFace();
    m_fixedPitchOnly->setChecked(true);
}

void ConfigDialog::buildControls()
{
    const FormPlacer p(this, DialogUnits(font()), kFormStyle);
    const auto radio = [&p](int id, const QString &caption, int x, int y, int w) {
        QRadioButton *button = p.option(controlName(id), caption, x, y, w, kOptionHeight);
        // Not a tab stop; its Alt mnemonic and a click still reach it.
        button->setFocusPolicy(Qt::ClickFocus);
        return button;
    };

    // Created in the template's order, which is also the tab order.
    p.place(new QGroupBox(tr("表示させる内容"), this), ControlNames::kContentGroup, 5, 5, 210, 200);
    m_modeButtons[Mode::Automatic] = radio(1003, tr("表示させる内容を自動的に選ぶ(&U)"), 15, 20, 127);
    m_modeButtons[Mode::Episode] = radio(1004, tr("指定した内容を表示させる(&M)"), 15, 35, 111);
    const QLabel *episodeLabel =
        p.label(QStringLiteral("staticEpisode"), tr("表示させる内容"), 25, 50, 51);
    m_episodeName = p.field(controlName(1005), 25, 60, 150, true);
    nameAfter(m_episodeName, episodeLabel);
    p.button(controlName(1007), QStringLiteral("&-"), 175, 60, 15, 15)
        ->setAccessibleName(tr("前の内容"));
    p.button(controlName(1006), QStringLiteral("&+"), 190, 60, 15, 15)
        ->setAccessibleName(tr("次の内容"));
    m_modeButtons[Mode::OwnText] = radio(1021, tr("指定した文字列を表示させる(&S)"), 15, 85, 107);

    struct TextRow
    {
        Field field;
        const char *label;
        const char *labelName;
        int labelWidth;
        int y;
        int editY;
    };
    // Top to bottom as on screen; the command line orders them otherwise.
    const TextRow rows[] = {
        {Field::Ruby1, QT_TR_NOOP("ルビ"), "staticRuby1", 14, 105, 101},
        {Field::Line1, QT_TR_NOOP("１行目"), "staticLine1", 19, 125, 120},
        {Field::Ruby2, QT_TR_NOOP("ルビ"), "staticRuby2", 14, 145, 140},
        {Field::Line2, QT_TR_NOOP("２行目"), "staticLine2", 19, 165, 160},
        {Field::Line3, QT_TR_NOOP("３行目"), "staticLine3", 19, 185, 180},
    };
    for (const TextRow &row : rows) {
        const QLabel *label =
            p.label(QString::fromLatin1(row.labelName), tr(row.label), 25, row.y, row.labelWidth);
        QLineEdit *edit = p.field(controlName(static_cast<int>(row.field)), 45, row.editY, 150, false);
        nameAfter(edit, label);
        edit->setValidator(new Cp932ByteValidator(ConfigState::kTextLimitBytes, edit));
        m_textEdits[row.field] = edit;
    }

    const QGroupBox *fontGroup =
        p.place(new QGroupBox(tr("ﾌｫﾝﾄ"), this), ControlNames::kFontGroup, 5, 215, 150, 50);
    m_faceName = p.field(controlName(1027), 15, 230, 105, true);
    // Its frame's caption is its only one; the frame is not its parent,
    // so accessibility tools would not find it there.
    nameAfter(m_faceName, fontGroup);
    p.button(controlName(1001), tr("選択(&F)"), 120, 230, 27, 15);
    m_fixedPitchOnly = p.checkBox(controlName(1002), tr("固定ﾋﾟｯﾁﾌｫﾝﾄのみ選択(&I)"), 15, 250, 101,
                                  kOptionHeight);
    QPushButton *runButton = p.button(controlName(1008), tr("実行(&R)"), 165, 210, 50, 14);
    runButton->setDefault(true);
    p.button(controlName(1009), tr("ﾊﾞｰｼﾞｮﾝ情報(&A)"), 165, 230, 51, 14);
    p.button(controlName(1010), tr("終了(&X)"), 165, 250, 50, 14);

    p.finish(kWidthUnits, kHeightUnits, kFormMarginUnits);
}

void ConfigDialog::connectCommands()
{
    for (auto it = m_modeButtons.cbegin(); it != m_modeButtons.cend(); ++it) {
        const Mode mode = it.key();
        connect(it.value(), &QRadioButton::clicked, this, [this, mode] { showMode(mode); });
    }
    for (auto it = m_textEdits.cbegin(); it != m_textEdits.cend(); ++it) {
        const Field field = it.key();
        connect(it.value(), &QLineEdit::textChanged, this,
                [this, field](const QString &text) { m_state.setText(field, text); });
    }
    const auto button = [this](int id) { return findChild<QPushButton *>(controlName(id)); };
    connect(button(1006), &QPushButton::clicked, this, [this] {
        if (m_state.nextEpisode())
            showEpisodeName();
    });
    connect(button(1007), &QPushButton::clicked, this, [this] {
        if (m_state.previousEpisode())
            showEpisodeName();
    });
    connect(button(1001), &QPushButton::clicked, this, &ConfigDialog::chooseFont);
    connect(button(1008), &QPushButton::clicked, this, &ConfigDialog::run);
    connect(button(1009), &QPushButton::clicked, this, &ConfigDialog::showAbout);
    connect(button(1010), &QPushButton::clicked, this, &QDialog::reject);
}

void ConfigDialog::showMode(Mode mode)
{
    m_state.setMode(mode);
    for (auto it = m_modeButtons.cbegin(); it != m_modeButtons.cend(); ++it)
        it.value()->setChecked(it.key() == mode);
    m_episodeName->setEnabled(m_state.episodeNameEnabled());
    for (QLineEdit *edit : std::as_const(m_textEdits))
        edit->setEnabled(m_state.textsEnabled());
}

void ConfigDialog::showEpisodeName()
{
    m_episodeName->setText(m_names.name(m_state.episode()));
    m_episodeName->setCursorPosition(0);
}

void ConfigDialog::chooseFont()
{
    const FontSelection::Result result =
        m_fontSelection.run(m_face, m_fixedPitchOnly->isChecked(), logicalDpiY(), this);
    if (!result.written) {
        // The field goes on showing the face the card still draws with.
        const QString file = QDir::toNativeSeparators(QFileInfo(m_settingsPath).absoluteFilePath());
        qWarning("%s: %s", qPrintable(file), qPrintable(result.error));
        m_messages.showWithDetails(tr(kSaveFailedMessage.toUtf8().constData()) + QLatin1Char('\n') + result.error,
                                   windowTitle(), file + QStringLiteral(": ") + result.error);
        return;
    }
    // Cancel shows and saves what was read, as confirming does.
    m_face = result.font.lfFaceName;
    showFace();
}

// The stored face, and the face the card will draw with when that is
// another one (the stored face is not installed, or is installed under
// another name).
void ConfigDialog::showFace()
{
    const QString face = TextEncoding::decode(m_face);
    const QString drawn = drawingFace(m_face, m_settingsPath, m_faces);
    if (drawn.isEmpty() || drawn.compare(face, Qt::CaseInsensitive) == 0) {
        m_faceName->setText(face);
        m_faceName->setToolTip(QString());
    } else {
        m_faceName->setText(face + QStringLiteral(" → ") + drawn);
        m_faceName->setToolTip(tr("タイトルカードは「%1」で表示されます").arg(drawn));
    }
    m_faceName->setCursorPosition(0);
}

void ConfigDialog::run()
{
    // A tambwin that cannot be found or started shows nothing.
    m_launcher.start(m_state.runArguments());
}

void ConfigDialog::showAbout()
{
    AboutDialog about(this);
    about.exec();
}

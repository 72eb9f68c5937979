#include "mirinitwindow.h"

#include "aboutwindow.h"
#include "risingscrollbar.h"
#include "mirwinsettingsfile.h"
#include "shared/ui/questionbox.h"

#include "shared/programnames.h"
#include "shared/ui/fieldbackground.h"
#include "shared/ui/messagebox.h"
#include "widgets/commondlg.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

using Mode = TrialRun::Mode;

namespace {

// A plain widget is a filler to accessibility tools; this one is the
// program's window.
QAccessibleInterface *windowFactory(const QString &, QObject *object)
{
    auto *window = qobject_cast<MirinitWindow *>(object);
    return window ? new QAccessibleWidget(window, QAccessible::Window) : nullptr;
}

} // namespace

MirinitWindow::MirinitWindow(const Services &services, const QString &settingsPath,
                             const QString &programFolder, QWidget *parent)
    : QWidget(parent),
      m_services(services),
      m_settingsPath(settingsPath),
      m_trialRun(services.starter, programFolder),
      m_titles(EpisodeTitles::load())
{
    static const bool accessible = [] {
        QAccessible::installFactory(windowFactory);
        return true;
    }();
    Q_UNUSED(accessible);
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(title());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    m_c = buildForm1(this);
    connectControls();
    showEpisode(m_c.hScroll1->value());
    load();
    m_c.option1->setChecked(true);
}

void MirinitWindow::connectControls()
{
    const std::pair<QRadioButton *, Mode> options[] = {
        {m_c.option1, Mode::Automatic}, {m_c.option2, Mode::Episode}, {m_c.option3, Mode::FreeText}};
    for (const auto &[option, mode] : options) {
        connect(option, &QRadioButton::toggled, this, [this, mode = mode](bool checked) {
            if (checked)
                selectMode(mode);
        });
    }
    connect(m_c.hScroll1, &QScrollBar::valueChanged, this, &MirinitWindow::showEpisode);
    connect(m_c.vScroll1, &RisingScrollBar::levelChanged, this, &MirinitWindow::showSize);
    connect(m_c.vScroll2, &RisingScrollBar::levelChanged, this, &MirinitWindow::showPosition);
    connect(m_c.hScroll2, &QScrollBar::valueChanged, this, &MirinitWindow::showPosition);
    connect(m_c.command1, &QPushButton::clicked, this, &MirinitWindow::run);
    connect(m_c.command2, &QPushButton::clicked, this, &MirinitWindow::showAbout);
    connect(m_c.command3, &QPushButton::clicked, this, &QWidget::close);
    connect(m_c.command4, &QPushButton::clicked, this, &MirinitWindow::chooseFont);
}

// Without a file every control keeps its initial content: no face, and
// both labels empty until their bars first move.
void MirinitWindow::load()
{
    const MirwinSettingsFile::ReadResult file = MirwinSettingsFile::read(m_settingsPath);
    if (file.status == MirwinSettingsFile::Status::Loaded) {
        const MirwinSettings &s = file.settings;
        m_c.text2->setText(s.faceName);
        m_c.text2->setCursorPosition(0);
        m_c.label3->setText(sizeText(s.size));
        m_c.vScroll1->setLevel(s.size.value_or(0));
        m_c.vScroll2->setLevel(s.vertical);
        m_c.hScroll2->setValue(s.horizontal);
        showPosition();
    }
    m_loaded = settings();
}

void MirinitWindow::selectMode(Mode mode)
{
    setFieldBackground(m_c.text1, mode == Mode::FreeText ? FieldBackground::Window : FieldBackground::ButtonFace);
    m_c.text1->setEnabled(mode == Mode::FreeText);
    m_c.text3->setEnabled(mode == Mode::Episode);
    m_c.hScroll1->setEnabled(mode == Mode::Episode);
}

Mode MirinitWindow::mode() const
{
    if (m_c.option3->isChecked())
        return Mode::FreeText;
    if (m_c.option2->isChecked())
        return Mode::Episode;
    return Mode::Automatic;
}

void MirinitWindow::showEpisode(int episode)
{
    m_c.text3->setText(m_titles.line(episode));
    m_c.text3->setCursorPosition(0);
}

void MirinitWindow::showSize(int size)
{
    m_c.label3->setText(sizeText(size));
}

void MirinitWindow::showPosition()
{
    m_c.label5->setText(positionText(m_c.hScroll2->value(), m_c.vScroll2->level()));
}

MirwinSettings MirinitWindow::settings() const
{
    MirwinSettings s;
    s.faceName = m_c.text2->text();
    // The size label stays empty until a size was read or chosen.
    if (!m_c.label3->text().isEmpty())
        s.size = m_c.vScroll1->level();
    s.vertical = m_c.vScroll2->level();
    s.horizontal = m_c.hScroll2->value();
    return s;
}

// False, with error saying why, when the settings could not be written;
// the old file is kept. Only the values changed in this window are written,
// into the file as it is now: a save of another program's made meanwhile
// stays, and a file that could not be read is never written over.
bool MirinitWindow::save(QString *error)
{
    const MirwinSettings current = settings();
    if (!MirwinSettingsFile::update(m_settingsPath, current, MirwinSettingsFile::differences(m_loaded, current),
                                    error))
        return false;
    m_loaded = current;
    return true;
}

// After a failed save the person decides: leave without saving, or stay
// with the window and the settings in it.
bool MirinitWindow::leaveUnsaved(const QString &reason)
{
    const QString text = tr("設定を保存できませんでした。\n%1\n%2\n\n保存しないで終了しますか？")
                             .arg(QDir::toNativeSeparators(m_settingsPath), reason);
    return m_services.questions.ask(text, title(), this);
}

void MirinitWindow::closeEvent(QCloseEvent *event)
{
    QString reason;
    if (m_saveOnClose && !save(&reason) && !leaveUnsaved(reason)) {
        event->ignore();
        return;
    }
    m_saveOnClose = false;
    event->accept();
}

// The settings are written once before mirwin starts and reads them;
// closing afterwards writes nothing new. The window closes right
// after the start rather than hiding before it: a window hidden first
// would no longer count as the program's last, and the program would
// linger without one.
void MirinitWindow::run()
{
    QString reason;
    const bool saved = save(&reason);
    if (!saved && !leaveUnsaved(reason))
        return;
    m_saveOnClose = false;
    if (saved && !m_trialRun.start(mode(), m_c.hScroll1->value(), m_c.text1->text())) {
        m_services.messages.show(tr("%1 を起動できませんでした。\n%2\n\n設定は保存しました。")
                                     .arg(ProgramNames::kMirwin, QDir::toNativeSeparators(m_trialRun.program())),
                                 title(), false);
    }
    close();
}

QString MirinitWindow::title()
{
    return tr("ミレル for Windows95 環境設定");
}

void MirinitWindow::showAbout()
{
    AboutWindow about(this);
    about.exec();
}

// Only the face is taken from the dialog; its size, style and colour are not.
void MirinitWindow::chooseFont()
{
    CommonDlg dialog(m_services.dialogs);
    dialog.setForm(this);
    dialog.setFontName(m_c.text2->text());
    dialog.setFlags(CommonDlgFlags::ScreenFonts);
    dialog.showFont();
    if (!dialog.cancelButton()) {
        m_c.text2->setText(dialog.fontName());
        m_c.text2->setCursorPosition(0);
    }
}

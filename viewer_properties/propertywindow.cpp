#include "propertywindow.h"

#include "aboutpage.h"
#include "autostartentry.h"
#include "contentpage.h"
#include "formstyle.h"
#include "intervalpage.h"
#include "intervaltext.h"
#include "methodpage.h"
#include "propertychoices.h"
#include "propertycontrols.h"
#include "propertyfiles.h"
#include "propertyvalues.h"

#include "second_config/mirwinsettingsfile.h"
#include "shared/fileexists.h"
#include "shared/linkcontract.h"
#include "shared/programnames.h"
#include "shared/suitehelp.h"
#include "shared/ui/dialogunits.h"
#include "shared/ui/helpviewer.h"
#include "shared/ui/messagebox.h"
#include "titlecard/titlefontfile.h"
#include "widgets/drawingsurface.h"
#include "widgets/tabpages.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace {

// The form in twips: the tab strip's surface, and the buttons in a row
// under it, right-aligned.
constexpr int kFormWidth = 6960;
constexpr int kFormHeight = 5970;
constexpr int kSurfaceLeft = 120, kSurfaceTop = 120, kSurfaceWidth = 6720, kSurfaceHeight = 5220;
constexpr int kButtonTop = 5475, kButtonHeight = 360;

const char *const kTabCaptions[] = {
    QT_TRANSLATE_NOOP("PropertyWindow", "表示内容"), QT_TRANSLATE_NOOP("PropertyWindow", "表示方法"),
    QT_TRANSLATE_NOOP("PropertyWindow", "表示間隔"), QT_TRANSLATE_NOOP("PropertyWindow", "ヴェルモについて")};

QString pageName(int index)
{
    return QStringLiteral("fraTabSheet(%1)").arg(index);
}

} // namespace

PropertyWindow::PropertyWindow(const PropertyServices &services, QWidget *parent)
    : QDialog(parent), m_services(services),
      m_link(PropertyLinkContract::kService, PropertyLinkContract::kTopic, PropertyLinkContract::kItem)
{
    setObjectName(QStringLiteral("Form1"));
    // The link keeps its Japanese name (PropertyLinkContract::kService);
    // the title is the same words in the interface's language.
    setWindowTitle(tr("ヴェルモのプロパティ"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(dialogFont());
    // The viewer links to ok2 right after starting this program; without
    // the item it simply hears nothing, and the window still saves.
    connect(&m_link, &DataLinkSource::clientConnected, this, [this] { m_linkFollowed = true; });
    if (!m_link.listen())
        std::fprintf(stderr, "velmoinit: the change notification cannot be published: %s\n",
                     qPrintable(m_link.errorString()));
    buildForm();
    load();
}

PropertyWindow::~PropertyWindow() = default;

bool PropertyWindow::isReading() const
{
    return m_content->isReading();
}

void PropertyWindow::buildForm()
{
    const FormPlacer form(this, kFormStyle);
    setFixedSize(form.rect(0, 0, kFormWidth, kFormHeight).size());
    m_tabSurface = form.place(new DrawingSurface(this), QStringLiteral("picTab"), kSurfaceLeft, kSurfaceTop,
                              kSurfaceWidth, kSurfaceHeight);
    m_content = new ContentPage(m_state, m_services, this);
    m_method = new MethodPage(m_state, m_services, this);
    m_interval = new IntervalPage(m_state, this);
    m_about = new AboutPage(this);
    const QList<QFrame *> sheets = {m_content, m_method, m_interval, m_about};
    for (int i = 0; i < sheets.size(); ++i) {
        sheets[i]->setObjectName(pageName(i));
        sheets[i]->setFrameShape(QFrame::NoFrame);
        sheets[i]->setAccessibleName(tr(kTabCaptions[i])); // the page as its tab calls it
    }
    buildButtons();
    m_published = new QLineEdit(this);
    m_published->setObjectName(PropertyLinkContract::kItem); // published under its control name
    m_published->hide();
    connect(m_published, &QLineEdit::textChanged, &m_link, &DataLinkSource::setText);
    setFocusOrder();
}

void PropertyWindow::buildButtons()
{
    const FormPlacer form(this, kFormStyle);
    m_ok = form.button(PropertyControls::kOk, QStringLiteral("OK"), 3480, kButtonTop, 1050, kButtonHeight);
    m_cancel = form.button(QStringLiteral("Command2"), tr("キャンセル"), 4635, kButtonTop, 1050,
                           kButtonHeight);
    m_help = form.button(PropertyControls::kHelp, tr("ヘルプ"), 5790, kButtonTop, 1050,
                         kButtonHeight);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &PropertyWindow::confirm);
    connect(m_cancel, &QPushButton::clicked, this, &PropertyWindow::reject);
    connect(m_help, &QPushButton::clicked, this, &PropertyWindow::showHelp);
}

// OK first, キャンセル second, then ヘルプ, the tabs and the pages' controls.
void PropertyWindow::setFocusOrder()
{
    QList<QWidget *> chain = {m_ok, m_cancel, m_help, m_tabSurface};
    for (QWidget *page : std::initializer_list<QWidget *>{m_content, m_method, m_interval, m_about}) {
        for (QWidget *control : page->findChildren<QWidget *>()) {
            if (control->focusPolicy() & Qt::TabFocus)
                chain << control;
        }
    }
    for (int i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    m_ok->setFocus();
}

// The start-up steps, in order.
void PropertyWindow::load()
{
    // 1. The tabs, the first one selected, and a page in the client area for each.
    m_strip.setPicture(m_tabSurface);
    for (const char *caption : kTabCaptions)
        m_strip.add(tr(caption));
    m_strip.setSelectedIndex(0);
    m_pages = new TabPages(m_strip, {m_content, m_method, m_interval, m_about}, this);

    // 2. The stored values; a value that does not convert reads as its default.
    ViewerSettings &values = m_state.values;
    values = m_services.store.readAll();
    m_state.valuesSaved = values;
    // 3. The start line; 4. the interval field.
    m_content->setStartLine(values.linePosition);
    m_interval->showInterval(values.intervalMinutes);
    // 5., 6. A source and a code no option could show.
    values = PropertyValues::forWindow(values);
    // 7. The display mode.
    m_interval->selectMode(values.residentMode, values.intervalMinutes);
    // 8. The order, then the method.
    const quint8 code = values.showCode.value();
    if (const std::optional<ShowCode::Order> order = PropertyChoices::orderOf(code))
        m_content->selectOrder(*order);
    if (const std::optional<ShowCode::Output> output = PropertyChoices::outputOf(code))
        m_method->selectOutput(*output);
    // 9. The source.
    m_content->selectSource(values.quoteSource);
    // 10. What is missing from the program folder.
    checkPresence();
    // 11., 12. mirwin.ini and tambwin.ini.
    loadSettingsFiles();
    // Whether the viewer starts at login, as the autostart entry says now.
    m_state.loginStartSaved = AutostartEntry::isOn(AutostartEntry::path());
    m_interval->showLoginStart(m_state.loginStartSaved);
}

void PropertyWindow::checkPresence()
{
    for (const PropertyFiles::PresenceCheck &check : PropertyFiles::presenceChecks()) {
        if (!fileExists(m_services.programFolder + QLatin1Char('/') + check.fileName)) {
            if (QWidget *control = findChild<QWidget *>(check.control))
                control->setEnabled(false);
        }
    }
}

QString PropertyWindow::mirwinPath() const
{
    return m_services.settingsFolder + QLatin1Char('/') + MirwinSettingsFile::kFileName;
}

void PropertyWindow::loadSettingsFiles()
{
    const MirwinSettingsFile::ReadResult mirwin = MirwinSettingsFile::read(mirwinPath());
    if (mirwin.status == MirwinSettingsFile::Status::Loaded)
        m_method->showMirwin(mirwin.settings);
    // As the page shows them, so that only a change by the person differs.
    m_state.mirwinSaved = m_method->mirwinSettings();
    if (mirwin.status == MirwinSettingsFile::Status::Unreadable) {
        // Told once the window is on the screen, over it.
        const QString text = tr("%1 を読み込めませんでした。\n%2\n%3\n\n"
                                "「ミレル for Win95 の設定」には既定の値を表示しています。"
                                "読み込めないファイルを書き換えることはありません。")
                                 .arg(MirwinSettingsFile::kFileName, QDir::toNativeSeparators(mirwinPath()),
                                      mirwin.reason);
        QTimer::singleShot(0, this, [this, text] { m_services.messages.show(text, windowTitle(), false); });
    }
    m_method->showTambwinFace(
        PropertyFiles::tambwinFace(m_services.settingsFolder + QLatin1Char('/') + TitleFontFile::kFileName));
}

void PropertyWindow::confirm()
{
    // The window stays on the screen while it saves: hidden, it would end
    // the dialog's loop, and with it the program and the person's changes,
    // when a save fails.
    const PropertyValues::SaveOutcome outcome = ok();
    if (!outcome.saved) {
        // Nothing is lost: the window keeps every change, and the viewer
        // hears nothing until every save succeeded.
        m_services.messages.show(outcome.message, windowTitle(), false);
        return;
    }
    m_published->setText(PropertyLinkContract::kSaved);
    if (!m_linkFollowed)
        emit savedUnheard();
    accept();
}

// The viewer's five values last: a failure before them leaves the viewer
// with the settings it runs with. Each step that succeeds becomes the base
// of the next OK, so a second OK after a failure repeats nothing.
PropertyValues::SaveOutcome PropertyWindow::ok()
{
    m_state.values.intervalMinutes = IntervalText::toMinutes(m_interval->intervalText());
    const MirwinSettings mirwin = m_method->mirwinSettings();
    PropertyValues::SaveOutcome outcome = PropertyValues::saveMirwin(mirwinPath(), m_state.mirwinSaved, mirwin);
    if (!outcome.saved)
        return outcome;
    m_state.mirwinSaved = mirwin;
    // The viewer beside this window's program, the one OK is enabled by.
    outcome = PropertyValues::applyLoginStart(m_state.loginStartSaved, m_state.loginStart, AutostartEntry::path(),
                                              AutostartEntry::program(m_services.programFolder));
    if (!outcome.saved)
        return outcome;
    m_state.loginStartSaved = m_state.loginStart;
    outcome = PropertyValues::saveViewer(m_services.store, m_state.valuesSaved, m_state.values);
    if (outcome.saved)
        m_state.valuesSaved = m_state.values;
    return outcome;
}

void PropertyWindow::showHelp()
{
    // The page in the window's language: the translation names its own
    // edition of the help page (SuiteHelp::kPageName), shipped beside it.
    const QString page = m_services.programFolder + QLatin1Char('/') + tr("help.html");
    if (!m_services.help.showPage(page))
        m_services.messages.show(tr("ヘルプを表示できませんでした。\n%1").arg(page), windowTitle(), false);
}

void PropertyWindow::done(int result)
{
    // Every way out (OK, キャンセル, Esc, the close box) passes here once.
    if (!m_unloaded) {
        m_unloaded = true;
        m_published->setText(PropertyLinkContract::kEnded);
        m_link.flush();
    }
    QDialog::done(result);
}

#include "methodpage.h"

#include "formstyle.h"
#include "propertychoices.h"
#include "propertycontrols.h"
#include "valuebar.h"

#include "shared/programnames.h"
#include "shared/programstarter.h"
#include "shared/ui/accessiblename.h"
#include "shared/ui/messagebox.h"
#include "viewer/viewerseams.h"
#include "widgets/commondlg.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

MethodPage::MethodPage(PropertyState &state, const PropertyServices &services, QWidget *parent)
    : QFrame(parent), m_state(state), m_services(services)
{
    buildControls();
    // Like a missing title-card program: the option stays, disabled.
    m_methods.value(ShowCode::Output::Notification)
        ->setEnabled(m_services.notifier && m_services.notifier->available());
}

void MethodPage::buildControls()
{
    const FormPlacer form(this, kFormStyle);
    int top = 240;
    for (const PropertyChoices::MethodChoice &choice : PropertyChoices::methodChoices()) {
        QRadioButton *option = form.option(choice.control, PropertyChoices::shown(choice.caption), 240, top, 2400);
        top += 360;
        m_methods.insert(choice.output, option);
        connect(option, &QRadioButton::clicked, this, [this, output = choice.output] {
            m_state.values.showCode = ShowCode(PropertyChoices::withOutput(m_state.values.showCode.value(), output));
        });
    }

    auto *tambwin = form.place(new QGroupBox(tr("タンバー for Win95 の設定"), this),
                               QStringLiteral("Frame4"), 2760, 60, 3720, 1260);
    const FormPlacer inTambwin(tambwin, kFormStyle);
    const QLabel *tambwinFont =
        inTambwin.label(QStringLiteral("tambwinFontLabel"), tr("フォント"), 150, 390, 720);
    m_tambwinFace = inTambwin.field(QStringLiteral("Text7"), 900, 360, 2640, true);
    nameAfter(m_tambwinFace, tambwinFont);
    auto *tambinit = inTambwin.button(PropertyControls::kStartTambinit, tr("設定ソフト起動"), 1920,
                                      780, 1620, 345);
    connect(tambinit, &QPushButton::clicked, this, [this] { startProgram(ProgramNames::kTambinit); });

    buildMirwinFrame();
}

void MethodPage::buildMirwinFrame()
{
    auto *mirwin = FormPlacer(this, kFormStyle)
                       .place(new QGroupBox(tr("ミレル for Win95 の設定"), this), QStringLiteral("Frame3"),
                              2760, 1440, 3720, 3150);
    const FormPlacer form(mirwin, kFormStyle);
    const QLabel *mirwinFont = form.label(QStringLiteral("mirwinFontLabel"), tr("フォント"), 150, 390, 720);
    m_mirwinFace = form.field(QStringLiteral("Text6"), 900, 360, 1920, true);
    nameAfter(m_mirwinFace, mirwinFont);
    auto *choose = form.button(QStringLiteral("Command5"), tr("選択"), 2880, 345, 660, 345);
    connect(choose, &QPushButton::clicked, this, &MethodPage::chooseMirwinFace);

    const QLabel *sizeLabel = form.label(QStringLiteral("mirwinSizeLabel"), tr("サイズ"), 150, 870, 720);
    m_size = form.place(new ValueBar(Qt::Vertical, MirwinSettings::kSizeMax, MirwinSettings::kSizeMin, mirwin),
                        QStringLiteral("VScroll1"), 900, 870, 255, 1200);
    nameAfter(m_size, sizeLabel);
    m_sizeText = form.label(QStringLiteral("Label13"), QString(), 1230, 1335, 660);
    connect(m_size, &ValueBar::barValueChanged, this, &MethodPage::showSize);

    const QLabel *positionLabel =
        form.label(QStringLiteral("mirwinPositionLabel"), tr("表示位置調整"), 1980, 870, 1560);
    m_horizontal = form.place(new ValueBar(Qt::Horizontal, MirwinSettings::kOffsetMin, MirwinSettings::kOffsetMax,
                                           mirwin),
                              QStringLiteral("HScroll1"), 1980, 1530, 1080, 255);
    m_vertical = form.place(new ValueBar(Qt::Vertical, MirwinSettings::kOffsetMax, MirwinSettings::kOffsetMin,
                                         mirwin),
                            QStringLiteral("VScroll2"), 3180, 1170, 255, 1080);
    m_position = form.label(QStringLiteral("Label15"), QString(), 1980, 1920, 1500);
    connect(m_horizontal, &ValueBar::barValueChanged, this, &MethodPage::scr);
    connect(m_vertical, &ValueBar::barValueChanged, this, &MethodPage::scr);
    nameAfter(m_horizontal, positionLabel);
    nameAfter(m_vertical, positionLabel);
    for (ValueBar *bar : {m_size, m_horizontal, m_vertical}) {
        bar->setBarValue(0);
        bar->setPageStep(1);
    }

    auto *mirinit =
        form.button(PropertyControls::kStartMirinit, tr("設定ソフト起動"), 1920, 2580, 1620, 345);
    connect(mirinit, &QPushButton::clicked, this, [this] { startProgram(ProgramNames::kMirinit); });
}

void MethodPage::selectOutput(ShowCode::Output output)
{
    // Checked even when disabled: the stored code stays as it is.
    m_methods.value(output)->setChecked(true);
}

void MethodPage::showMirwin(const MirwinSettings &settings)
{
    m_mirwinFace->setText(settings.faceName);
    m_sizeText->setText(sizeText(settings.size));
    m_size->setBarValue(settings.size.value_or(0));
    m_vertical->setBarValue(settings.vertical);
    m_horizontal->setBarValue(settings.horizontal);
    scr();
}

void MethodPage::showTambwinFace(const QString &face)
{
    m_tambwinFace->setText(face);
}

MirwinSettings MethodPage::mirwinSettings() const
{
    MirwinSettings settings;
    settings.faceName = m_mirwinFace->text();
    if (!m_sizeText->text().isEmpty())
        settings.size = m_size->barValue();
    settings.vertical = m_vertical->barValue();
    settings.horizontal = m_horizontal->barValue();
    return settings;
}

void MethodPage::showSize(int size)
{
    m_sizeText->setText(sizeText(size));
}

void MethodPage::scr()
{
    m_position->setText(positionText(m_horizontal->barValue(), m_vertical->barValue()));
}

void MethodPage::chooseMirwinFace()
{
    CommonDlg dialog(m_services.dialogs);
    dialog.setForm(window());
    dialog.setFontName(m_mirwinFace->text());
    dialog.setFlags(CommonDlgFlags::ScreenFonts);
    dialog.showFont();
    if (!dialog.cancelButton())
        m_mirwinFace->setText(dialog.fontName());
}

void MethodPage::startProgram(const QString &name)
{
    // From the program folder first, then the search path, as the other
    // programs of the suite find each other.
    const QString program = m_services.starter.locate(name, m_services.programFolder);
    if (program.isEmpty() || !m_services.starter.start(program, {}))
        m_services.messages.show(tr("%1 を起動できませんでした。").arg(name), window()->windowTitle(),
                                 false);
}

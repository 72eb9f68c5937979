#include "intervalpage.h"

#include "formstyle.h"
#include "propertychoices.h"

#include "shared/ui/accessiblename.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

IntervalPage::IntervalPage(PropertyState &state, QWidget *parent) : QFrame(parent), m_state(state)
{
    const FormPlacer form(this, kFormStyle);
    int top = 300;
    const QRadioButton *intervalOption = nullptr;
    for (const PropertyChoices::ModeChoice &choice : PropertyChoices::modeChoices()) {
        QRadioButton *option = form.option(choice.control, PropertyChoices::shown(choice.caption), 480, top, 3600);
        top += 360;
        m_modes << option;
        if (choice.usesInterval)
            intervalOption = option;
        connect(option, &QRadioButton::clicked, this, [this, choice] {
            m_state.values.residentMode = choice.residentMode;
            m_interval->setEnabled(choice.usesInterval);
            setFieldBackground(m_interval, choice.usesInterval ? FieldBackground::White
                                                                         : FieldBackground::Menu);
            // Without a periodic display the interval is 0, whatever was typed.
            if (!choice.usesInterval)
                m_interval->setText(QStringLiteral("0"));
        });
    }
    m_interval = form.field(QStringLiteral("Text1"), 840, top + 60, 1080, false);
    const QLabel *unit = form.label(QStringLiteral("minutesLabel"), tr("分"), 2010, top + 90, 420);
    // Named after the option that uses it; the unit beside it describes it.
    nameAfter(m_interval, intervalOption);
    m_interval->setAccessibleDescription(unit->text());
    // In the free room under the interval; taken over by the save only.
    m_loginStart = form.checkBox(QStringLiteral("Check1"), tr("ログイン時に起動する"), 480, top + 840, 3600);
    connect(m_loginStart, &QCheckBox::toggled, this, [this](bool on) { m_state.loginStart = on; });
}

void IntervalPage::showLoginStart(bool on)
{
    m_loginStart->setChecked(on);
    m_state.loginStart = on;
}

void IntervalPage::showInterval(qint16 intervalMinutes)
{
    m_interval->setText(QString::number(intervalMinutes));
}

void IntervalPage::selectMode(quint8 residentMode, qint16 intervalMinutes)
{
    const PropertyChoices::ModeChoice *mode = PropertyChoices::modeFor(residentMode, intervalMinutes);
    const QList<PropertyChoices::ModeChoice> &choices = PropertyChoices::modeChoices();
    for (int i = 0; mode && i < choices.size(); ++i) {
        if (choices[i].control == mode->control)
            m_modes[i]->click();
    }
}

QString IntervalPage::intervalText() const
{
    return m_interval->text();
}

#include "aboutdialog.h"

#include "controlnames.h"
#include "formstyle.h"

#include "shared/ui/abouttable.h"
#include "shared/ui/dialogunits.h"

#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace {

// The template is 142 x 239 dialog units.
constexpr int kWidthUnits = 142;
constexpr int kHeightUnits = 239;

// Everything the card shows was made for this suite.
const AboutLine kLines[] = {
    {"aboutLine1", QT_TRANSLATE_NOOP("AboutLine", "タンバー for Windows95"), 40, 10},
    {"aboutLine2", QT_TRANSLATE_NOOP("AboutLine", "タンバー for Windows95 環境設定"), 40, 21},
    {"aboutLine3", "version 1.10", 40, 32},
    {"aboutLine4", QT_TRANSLATE_NOOP("AboutLine", "制作：星環カード制作室"), 10, 48},
    {"aboutLine5", QT_TRANSLATE_NOOP("AboutLine", "E-mail：studio@example.org"), 10, 59},
};

// On the dialog, over the group box that frames them.
const AboutLine kCredits[] = {
    {"aboutCredit1", QT_TRANSLATE_NOOP("AboutLine", "各話タイトル"), 12, 88},
    {"aboutCredit2", QT_TRANSLATE_NOOP("AboutLine", "オリジナル（本ソフト制作室）"), 20, 99},
    {"aboutCredit3", QT_TRANSLATE_NOOP("AboutLine", "背景画"), 12, 114},
    {"aboutCredit4", QT_TRANSLATE_NOOP("AboutLine", "オリジナル（本ソフト制作室）"), 20, 125},
    {"aboutCredit5", QT_TRANSLATE_NOOP("AboutLine", "効果音"), 12, 140},
    {"aboutCredit6", QT_TRANSLATE_NOOP("AboutLine", "オリジナル（本ソフト制作室）"), 20, 151},
    {"aboutCredit7", QT_TRANSLATE_NOOP("AboutLine", "登場する作品・人物・団体は"), 12, 172},
    {"aboutCredit8", QT_TRANSLATE_NOOP("AboutLine", "すべて架空のものです。"), 12, 183},
};

} // namespace

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(ControlNames::kAboutDialog);
    setWindowTitle(tr("タンバー for Windows95 について"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFont(dialogFont());
    const FormPlacer form(this, DialogUnits(font()), kFormStyle);

    // The icon keeps its own 32 x 32 pixels.
    auto *icon = form.place(new QLabel(this), QStringLiteral("aboutIcon"), 10, 10, 0, 0);
    icon->setPixmap(QPixmap(kIconPath));
    icon->resize(32, 32);

    placeAboutLines(form, kLines, 0);
    auto *sources = form.place(new QGroupBox(tr("引用元"), this), ControlNames::kSourcesGroup,
                               5, 74, 132, 140);
    placeAboutLines(form, kCredits, 0);

    auto *ok = form.button(controlName(1), QStringLiteral("&OK"), 55, 220, 30, 14);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    form.finish(kWidthUnits, kHeightUnits, kFormMarginUnits);
    // A group box that frames the widened lines.
    sources->resize(width() - sources->x() * 2, sources->height());
}

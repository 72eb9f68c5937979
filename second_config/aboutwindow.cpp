#include "aboutwindow.h"

#include "formstyle.h"

#include "shared/ui/abouttable.h"
#include "shared/ui/accessiblename.h"
#include "shared/ui/dialogunits.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

namespace {

// The client area in twips.
constexpr int kWidth = 3750;
constexpr int kHeight = 5430;

// Everything here was made for this suite; the addresses are reserved
// example domains.
const AboutLine kLines[] = {
    {"Label1", QT_TRANSLATE_NOOP("AboutLine", "ミレル for Windows95"), 960, 240},
    {"Label2", QT_TRANSLATE_NOOP("AboutLine", "ミレル for Windows95 環境設定"), 960, 480},
    {"Label4", QT_TRANSLATE_NOOP("AboutLine", "Copyright (C) 星環カード制作室"), 240, 1080},
};

// Beside the address fields, placed right after the lines above.
const AboutLine kAddressLabels[] = {
    {"Label5", "E-mail: ", 240, 1560},
    {"Label6", "Home Page:", 240, 1920},
};

const AboutLine kCredits[] = {
    {"Label7", QT_TRANSLATE_NOOP("AboutLine", "各話タイトル"), 120, 300},
    {"Label8", QT_TRANSLATE_NOOP("AboutLine", "オリジナル（本ソフト制作室）"), 360, 540},
    {"Label9", QT_TRANSLATE_NOOP("AboutLine", "背景画"), 120, 840},
    {"Label10", QT_TRANSLATE_NOOP("AboutLine", "オリジナル（本ソフト制作室）"), 360, 1080},
    {"Label11", QT_TRANSLATE_NOOP("AboutLine", "効果音"), 120, 1380},
    {"Label12", QT_TRANSLATE_NOOP("AboutLine", "オリジナル（本ソフト制作室）"), 360, 1620},
    {"Label13", QT_TRANSLATE_NOOP("AboutLine", "登場する作品・人物・団体は"), 120, 1920},
    {"Label14", QT_TRANSLATE_NOOP("AboutLine", "すべて架空のものです。"), 120, 2160},
};

} // namespace

AboutWindow::AboutWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("ミレル for Windows95 について"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(dialogFont());
    const FormPlacer form(this, kFormStyle);

    auto *picture = form.place(new QLabel(this), "Image1", 240, 240, 480, 480);
    picture->setPixmap(QPixmap(kIconPath).scaled(picture->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    placeAboutLines(form, kLines, 0);
    const QList<QLabel *> addressLabels = placeAboutLines(form, kAddressLabels, 0);
    form.label("Label3", QStringLiteral("version ") + kVersion, 960, 720, 0);

    // Read-only, on the window's background rather than the button face.
    const auto address = [&](const char *name, const QString &text, int top, const QLabel *label) {
        auto *field = form.place(new QLineEdit(text, this), name, 1380, top, 2130, 315);
        field->setReadOnly(true);
        field->setCursorPosition(0);
        nameAfter(field, label);
    };
    address("Text1", QStringLiteral("mirelle@example.org"), 1500, addressLabels[0]);
    address("Text2", QStringLiteral("https://example.org/mirelle/"), 1860, addressLabels[1]);

    auto *sources = form.place(new QGroupBox(tr("引用元"), this), "Frame1", 120, 2400, 3510, 2520);
    placeAboutLines(FormPlacer(sources, kFormStyle), kCredits, 0);

    auto *ok = form.button("Command1", QStringLiteral("&OK"), 1200, 5040, 1350, 315);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    form.finish(kWidth, kHeight, kFormMarginTwips);
}

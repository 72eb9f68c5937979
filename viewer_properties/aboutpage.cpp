#include "aboutpage.h"

#include "formstyle.h"

#include "shared/ui/abouttable.h"
#include "shared/ui/accessiblename.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

#include <iterator>

namespace {

// Everything here was made for this suite; the studio, the people and the
// addresses are as invented as the series.
const AboutLine kLines[] = {
    {"aboutVersion", QT_TRANSLATE_NOOP("AboutLine", "ヴェルモ for Windows95 v5.00"), 1020, 180},
    {"aboutFreeware", QT_TRANSLATE_NOOP("AboutLine", "これはフリーウェアです"), 1020, 510},
    {"aboutRights", QT_TRANSLATE_NOOP("AboutLine", "Copyright (C) 1997-1998 星環カード制作室"), 1020, 840},
    {"aboutFiction", QT_TRANSLATE_NOOP("AboutLine", "作品名・登場人物・団体名はすべて架空のものです。"), 1020, 1110},
};

const AboutLine kCredits[] = {
    {"aboutThanks1", QT_TRANSLATE_NOOP("AboutLine", "名言の採録：ヴェルモ読書会のみなさん"), 240, 300},
    {"aboutThanks2", QT_TRANSLATE_NOOP("AboutLine", "アイコン画：星環カード制作室 美術係"), 240, 600},
    {"aboutThanks3", QT_TRANSLATE_NOOP("AboutLine", "試用と助言：タンバー通信の読者のみなさん"), 240, 900},
};

const AboutLine kAddresses[] = {
    {"aboutWeb", "http://www.example.org/velmo/", 0, 3420},
    {"aboutMail", "velmo@example.org", 0, 3810},
};

} // namespace

AboutPage::AboutPage(QWidget *parent) : QFrame(parent)
{
    const FormPlacer form(this, kFormStyle);
    auto *icon = form.place(new QLabel(this), QStringLiteral("aboutIcon"), 240, 180, 480, 480);
    icon->setPixmap(QPixmap(QStringLiteral(":/viewer_properties/running-32.png")));
    auto *logo = form.place(new QLabel(this), QStringLiteral("aboutLogo"), 5160, 120, 1260, 1260);
    logo->setPixmap(QPixmap(QStringLiteral(":/viewer_properties/logo.png")));
    logo->setAlignment(Qt::AlignCenter);

    QLabel *version = placeAboutLines(form, kLines, 4000).constFirst();
    QFont title = font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.25);
    version->setFont(title);

    auto *thanks = form.place(new QGroupBox(QStringLiteral("SPECIAL THANKS"), this),
                              QStringLiteral("aboutThanks"), 240, 1560, 6120, 1350);
    placeAboutLines(FormPlacer(thanks, kFormStyle), kCredits, 5400);

    // Beside the addresses, in their order.
    const QLabel *const labels[] = {
        form.label(QStringLiteral("aboutWebLabel"), tr("ホームページ"), 240, 3450, 1200),
        form.label(QStringLiteral("aboutMailLabel"), tr("メール"), 240, 3840, 1200),
    };
    static_assert(sizeof labels / sizeof *labels == std::size(kAddresses));
    for (std::size_t i = 0; i < std::size(kAddresses); ++i) {
        const AboutLine &address = kAddresses[i];
        QLineEdit *field = form.field(QString::fromLatin1(address.name), 1560, address.top, 4800, true);
        field->setText(QString::fromUtf8(address.text));
        field->setCursorPosition(0);
        nameAfter(field, labels[i]);
    }
}

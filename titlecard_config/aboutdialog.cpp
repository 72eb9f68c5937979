#include "aboutdialog.h"

#include "controlnames.h"
#include "shared/ui/dialogunits.h"

#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace {

// The template is 142 x 239 dialog units.
constexpr int kWidthUnits = 142;
constexpr int kHeightUnits = 239;

struct Line
{
    const char *text;
    int x;
    int y;
};

// Everything the card shows was made for this suite.
const Line kLines[] = {
    {"タンバー for Windows95", 40, 10},
    {"タンバー for Windows95 環境設定", 40, 21},
    {"version 1.10", 40, 32},
    {"制作：星環カード制作室", 10, 48},
    {"E-mail：studio@example.org", 10, 59},
};

const Line kCredits[] = {
    {"各話タイトル", 12, 88},
    {"オリジナル（本ソフト制作室）", 20, 99},
    {"背景画", 12, 114},
    {"オリジナル（本ソフト制作室）", 20, 125},
    {"効果音", 12, 140},
    {"オリジナル（本ソフト制作室）", 20, 151},
    {"登場する作品・人物・団体は", 12, 172},
    {"すべて架空のものです。", 12, 183},
};

} // namespace

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(ControlNames::kAboutDialog);
    setWindowTitle(QStringLiteral("タンバー for Windows95 について"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFont(dialogFont());
    const DialogUnits units(font());

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("aboutIcon"));
    icon->setPixmap(QPixmap(kIconPath));
    icon->setGeometry(units.x(10), units.y(10), 32, 32);

    const auto addLine = [this, &units](const Line &line, const QString &name) {
        auto *label = new QLabel(QString::fromUtf8(line.text), this);
        label->setObjectName(name);
        label->setGeometry(units.rect(line.x, line.y, 0, 8));
        widenToCaption(label);
    };
    int n = 0;
    for (const Line &line : kLines)
        addLine(line, QStringLiteral("aboutLine%1").arg(++n));

    auto *sources = new QGroupBox(QStringLiteral("引用元"), this);
    sources->setObjectName(ControlNames::kSourcesGroup);
    sources->setGeometry(units.rect(5, 74, 132, 140));
    n = 0;
    for (const Line &line : kCredits)
        addLine(line, QStringLiteral("aboutCredit%1").arg(++n));
    sources->lower();

    auto *ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(controlName(1));
    ok->setGeometry(units.rect(55, 220, 30, 14));
    widenToCaption(ok);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    resize(units.x(kWidthUnits), units.y(kHeightUnits));
    growToChildren(this, units.x(5));
    // A group box that frames the widened lines.
    sources->resize(width() - sources->x() * 2, sources->height());
    setFixedSize(size());
}

#include "aboutwindow.h"

#include "formlayout.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

namespace {

// The client area in twips.
constexpr int kWidth = 3750;
constexpr int kHeight = 5430;

struct Line
{
    const char *name;
    const char *text;
    int left;
    int top;
};

// Everything here was made for this suite; the addresses are reserved
// example domains.
const Line kLines[] = {
    {"Label1", "ミレル for Windows95", 960, 240},
    {"Label2", "ミレル for Windows95 環境設定", 960, 480},
    {"Label4", "Copyright (C) 星環カード制作室", 240, 1080},
    {"Label5", "E-mail: ", 240, 1560},
    {"Label6", "Home Page:", 240, 1920},
};

const Line kCredits[] = {
    {"Label7", "各話タイトル", 120, 300},
    {"Label8", "オリジナル（本ソフト制作室）", 360, 540},
    {"Label9", "背景画", 120, 840},
    {"Label10", "オリジナル（本ソフト制作室）", 360, 1080},
    {"Label11", "効果音", 120, 1380},
    {"Label12", "オリジナル（本ソフト制作室）", 360, 1620},
    {"Label13", "登場する作品・人物・団体は", 120, 1920},
    {"Label14", "すべて架空のものです。", 120, 2160},
};

} // namespace

AboutWindow::AboutWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("ミレル for Windows95 について"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    FormLayout layout(this);

    auto *picture = layout.place(new QLabel(this), "Image1", 240, 240, 480, 480);
    picture->setPixmap(QPixmap(kIconPath).scaled(picture->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    for (const Line &line : kLines)
        layout.place(new QLabel(QString::fromUtf8(line.text), this), line.name, line.left, line.top, 0, 195);
    layout.place(new QLabel(QStringLiteral("version ") + kVersion, this), "Label3", 960, 720, 0, 195);

    const auto address = [&](const char *name, const QString &text, int top) {
        auto *field = layout.place(new QLineEdit(text, this), name, 1380, top, 2130, 315);
        field->setReadOnly(true);
        field->setCursorPosition(0);
    };
    address("Text1", QStringLiteral("mirelle@example.org"), 1500);
    address("Text2", QStringLiteral("https://example.org/mirelle/"), 1860);

    auto *sources = layout.place(new QGroupBox(QStringLiteral("引用元"), this), "Frame1", 120, 2400, 3510, 2520);
    for (const Line &line : kCredits)
        layout.place(new QLabel(QString::fromUtf8(line.text), sources), line.name, line.left, line.top, 0, 195);

    auto *ok = layout.place(new QPushButton(QStringLiteral("&OK"), this), "Command1", 1200, 5040, 1350, 315);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    layout.finish(kWidth, kHeight);
}

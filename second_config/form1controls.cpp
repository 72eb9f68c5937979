#include "form1controls.h"

#include "episodetitles.h"
#include "formlayout.h"
#include "risingscrollbar.h"
#include "mirwinsettings.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <iterator>

namespace {

// The client area in twips.
constexpr int kFormWidth = 5865;
constexpr int kFormHeight = 5835;

QScrollBar *horizontalBar(QWidget *parent, int minimum, int maximum, int pageStep)
{
    auto *bar = new FormScrollBar(Qt::Horizontal, parent);
    bar->setRange(minimum, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(pageStep);
    return bar;
}

RisingScrollBar *verticalBar(QWidget *parent, int bottom, int top)
{
    auto *bar = new RisingScrollBar(parent);
    bar->setLevelRange(bottom, top);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setLevel(0);
    return bar;
}

QLineEdit *readOnlyField(QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setReadOnly(true);
    showOnButtonFace(field, true);
    return field;
}

} // namespace

Form1Controls buildForm1(QWidget *form)
{
    FormLayout layout(form);
    Form1Controls c{};

    // Positions are the form's twips within each control's container.
    c.frame1 = layout.place(new QGroupBox(QStringLiteral("表示させる内容"), form), "Frame1",
                            120, 120, 5595, 4095);
    QWidget *f1 = c.frame1;
    c.option1 = layout.place(new QRadioButton(QStringLiteral("表示させる内容を自動的に選ぶ(&U)"), f1),
                             "Option1", 180, 420, 2955, 195);
    c.option2 = layout.place(new QRadioButton(QStringLiteral("指定した内容を表示させる(&M)"), f1),
                             "Option2", 180, 780, 2595, 195);
    layout.place(new QLabel(QStringLiteral("表示させる内容"), f1), "Label1", 660, 1080, 1215, 195);
    c.text3 = layout.place(readOnlyField(f1), "Text3", 660, 1320, 4635, 375);
    c.hScroll1 = layout.place(horizontalBar(f1, EpisodeTitles::kFirst, EpisodeTitles::kLast, 5),
                              "HScroll1", 660, 1680, 4635, 255);
    c.option3 = layout.place(new QRadioButton(QStringLiteral("指定した文字列を表示させる(&S)"), f1),
                             "Option3", 180, 2100, 2715, 195);
    c.text1 = layout.place(new QLineEdit(f1), "Text1", 720, 2400, 4575, 375);
    showOnButtonFace(c.text1, true);
    layout.place(new QLabel(QStringLiteral("表示位置調整"), f1), "Label8", 180, 2940, 1155, 195);
    c.hScroll2 = layout.place(horizontalBar(f1, MirwinSettings::kOffsetMin, MirwinSettings::kOffsetMax, 1),
                              "HScroll2", 1620, 2880, 1935, 255);
    c.vScroll2 = layout.place(verticalBar(f1, MirwinSettings::kOffsetMin, MirwinSettings::kOffsetMax),
                              "VScroll2", 1380, 3120, 255, 915);
    c.label5 = layout.place(new QLabel(f1), "Label5", 1860, 3420, 1455, 255);
    c.label5->setAlignment(Qt::AlignCenter);
    c.label5->setFont(labelFont());
    layout.fitText(c.label5, positionText(MirwinSettings::kOffsetMin, MirwinSettings::kOffsetMin));

    c.frame2 = layout.place(new QGroupBox(QStringLiteral("フォント"), form), "Frame2", 120, 4320, 4095, 1395);
    QWidget *f2 = c.frame2;
    c.text2 = layout.place(readOnlyField(f2), "Text2", 240, 360, 2955, 375);
    c.command4 = layout.place(new QPushButton(QStringLiteral("選択(&F)"), f2), "Command4", 3180, 360, 735, 375);
    layout.place(new QLabel(QStringLiteral("フォントサイズ"), f2), "Label2", 1920, 960, 1095, 195);
    c.label3 = layout.place(new QLabel(f2), "Label3", 3120, 960, 495, 255);
    c.label3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    c.label3->setFont(labelFont());
    layout.fitText(c.label3, sizeText(MirwinSettings::kSizeMax));
    c.vScroll1 = layout.place(verticalBar(f2, MirwinSettings::kSizeMin, MirwinSettings::kSizeMax),
                              "VScroll1", 3660, 900, 255, 315);

    c.command1 = layout.place(new QPushButton(QStringLiteral("実行(&R)"), form), "Command1", 4320, 4440, 1395, 315);
    c.command2 = layout.place(new QPushButton(QStringLiteral("バージョン(&A)"), form), "Command2", 4320, 4920, 1395, 315);
    c.command3 = layout.place(new QPushButton(QStringLiteral("終了(&X)"), form), "Command3", 4320, 5400, 1395, 315);

    // The keyboard order of the form; labels and frames take no focus.
    QWidget *const order[] = {c.option1, c.option2, c.option3, c.text1, c.text2, c.command4,
                              c.text3, c.hScroll1, c.command1, c.command2, c.command3,
                              c.vScroll1, c.vScroll2, c.hScroll2};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);

    layout.finish(kFormWidth, kFormHeight);
    return c;
}

#include "form1controls.h"

#include "episodetitles.h"
#include "formstyle.h"
#include "risingscrollbar.h"
#include "mirwinsettings.h"

#include "shared/ui/accessiblename.h"
#include "shared/ui/dialogunits.h"

#include <QCoreApplication>
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

// The 11.25-point Japanese proportional face of the form's value labels.
QFont labelFont()
{
    QFont font = dialogFont();
    font.setPointSizeF(11.25);
    return font;
}

} // namespace

Form1Controls buildForm1(QWidget *form)
{
    form->setFont(dialogFont());
    const FormPlacer layout(form, kFormStyle);
    Form1Controls c{};

    // Positions are the form's twips within each control's container.
    c.frame1 = layout.place(new QGroupBox(QCoreApplication::translate("MirinitWindow", "表示させる内容"), form), "Frame1", 120,
                            120, 5595, 4095);
    const FormPlacer f1(c.frame1, kFormStyle);
    c.option1 = f1.option("Option1", QCoreApplication::translate("MirinitWindow", "表示させる内容を自動的に選ぶ(&U)"), 180, 420,
                          2955);
    c.option2 = f1.option("Option2", QCoreApplication::translate("MirinitWindow", "指定した内容を表示させる(&M)"), 180, 780,
                          2595);
    const QLabel *episodeLabel =
        f1.label("Label1", QCoreApplication::translate("MirinitWindow", "表示させる内容"), 660, 1080, 1215);
    c.text3 = f1.field("Text3", 660, 1320, 4635, true);
    c.hScroll1 = f1.place(horizontalBar(c.frame1, EpisodeTitles::kFirst, EpisodeTitles::kLast, 5),
                          "HScroll1", 660, 1680, 4635, 255);
    c.option3 = f1.option("Option3", QCoreApplication::translate("MirinitWindow", "指定した文字列を表示させる(&S)"), 180, 2100,
                          2715);
    c.text1 = f1.field("Text1", 720, 2400, 4575, false);
    setFieldBackground(c.text1, FieldBackground::ButtonFace);
    const QLabel *positionLabel =
        f1.label("Label8", QCoreApplication::translate("MirinitWindow", "表示位置調整"), 180, 2940, 1155);
    c.hScroll2 = f1.place(horizontalBar(c.frame1, MirwinSettings::kOffsetMin, MirwinSettings::kOffsetMax, 1),
                          "HScroll2", 1620, 2880, 1935, 255);
    c.vScroll2 = f1.place(verticalBar(c.frame1, MirwinSettings::kOffsetMin, MirwinSettings::kOffsetMax),
                          "VScroll2", 1380, 3120, 255, 915);
    c.label5 = f1.label("Label5", QString(), 1860, 3420, 1455, 255);
    c.label5->setAlignment(Qt::AlignCenter);
    c.label5->setFont(labelFont());
    f1.fitText(c.label5, positionText(MirwinSettings::kOffsetMin, MirwinSettings::kOffsetMin));

    c.frame2 = layout.place(new QGroupBox(QCoreApplication::translate("MirinitWindow", "フォント"), form), "Frame2",
                            120, 4320, 4095, 1395);
    const FormPlacer f2(c.frame2, kFormStyle);
    c.text2 = f2.field("Text2", 240, 360, 2955, true);
    c.command4 = f2.button("Command4", QCoreApplication::translate("MirinitWindow", "選択(&F)"), 3180, 360, 735, 375);
    const QLabel *sizeLabel =
        f2.label("Label2", QCoreApplication::translate("MirinitWindow", "フォントサイズ"), 1920, 960, 1095);
    c.label3 = f2.label("Label3", QString(), 3120, 960, 495, 255);
    c.label3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    c.label3->setFont(labelFont());
    f2.fitText(c.label3, sizeText(MirwinSettings::kSizeMax));
    c.vScroll1 = f2.place(verticalBar(c.frame2, MirwinSettings::kSizeMin, MirwinSettings::kSizeMax),
                          "VScroll1", 3660, 900, 255, 315);

    // Fields and bars are announced by the caption that tells what they
    // hold; the frames they sit in would say less, or something else.
    nameAfter(c.text3, episodeLabel);
    nameAfter(c.hScroll1, episodeLabel);
    nameAfter(c.text1, c.option3);
    nameAfter(c.hScroll2, positionLabel);
    nameAfter(c.vScroll2, positionLabel);
    nameAfter(c.text2, c.frame2);
    nameAfter(c.vScroll1, sizeLabel);

    c.command1 =
        layout.button("Command1", QCoreApplication::translate("MirinitWindow", "実行(&R)"), 4320, 4440, 1395, 315);
    c.command2 =
        layout.button("Command2", QCoreApplication::translate("MirinitWindow", "バージョン(&A)"), 4320, 4920, 1395, 315);
    c.command3 =
        layout.button("Command3", QCoreApplication::translate("MirinitWindow", "終了(&X)"), 4320, 5400, 1395, 315);

    // The keyboard order of the form; labels and frames take no focus.
    QWidget *const order[] = {c.option1, c.option2, c.option3, c.text1, c.text2, c.command4,
                              c.text3, c.hScroll1, c.command1, c.command2, c.command3,
                              c.vScroll1, c.vScroll2, c.hScroll2};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);

    layout.finish(kFormWidth, kFormHeight, kFormMarginTwips);
    return c;
}

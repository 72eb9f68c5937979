// Tries out the shared window components: a four-tab strip with a page per
// tab, and on the pages buttons that open each common dialog and show the
// wrapper's properties afterwards.
//
//   widgets_demo [tab]    tab: the page shown first, 0 to 3

#include "widgets/commondlg.h"
#include "widgets/drawingsurface.h"
#include "widgets/tabpages.h"
#include "widgets/tabstrip.h"

#include "shared/ui/interfacelanguage.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The demo's help page, installed beside the program.
const QString kHelpFile = QStringLiteral("widgets_demo_help.html");

class DemoWindow : public QWidget
{
public:
    explicit DemoWindow(int firstTab)
    {
        setObjectName(QStringLiteral("Form1"));
        setWindowTitle(QStringLiteral("共通部品の見本"));
        setFixedSize(460, 300);

        auto *surface = new DrawingSurface(this);
        surface->setObjectName(QStringLiteral("picTab"));
        surface->setGeometry(8, 8, 444, 240);
        m_strip.setPicture(surface);
        for (const QString &caption : {QStringLiteral("ファイル"), QStringLiteral("色"),
                                       QStringLiteral("フォント"), QStringLiteral("印刷とヘルプ")})
            m_strip.add(caption);

        QList<QWidget *> pages;
        pages << page({{QStringLiteral("開く..."), [this] { m_dialog.showOpen(); }},
                       {QStringLiteral("保存..."), [this] { m_dialog.showSave(); }}});
        pages << page({{QStringLiteral("色の選択..."), [this] { m_dialog.showColor(); }}});
        pages << page({{QStringLiteral("フォントの選択..."), [this] { m_dialog.showFont(); }}});
        pages << page({{QStringLiteral("印刷..."), [this] { m_dialog.showPrinter(); }},
                       {QStringLiteral("ヘルプ"), [this] { m_dialog.showHelp(); }}});
        m_strip.setSelectedIndex(firstTab);
        m_pages = new TabPages(m_strip, pages, this);

        m_result = new QLabel(this);
        m_result->setGeometry(8, 252, 444, 44);
        m_result->setWordWrap(true);

        m_dialog.setForm(this);
        m_dialog.setFilter(QStringLiteral("テキスト (*.txt)|*.txt|すべてのファイル (*.*)|*.*"));
        m_dialog.setFlags(CommonDlgFlags::AllowMultiSelect | CommonDlgFlags::OverwritePrompt);
        m_dialog.setCancelError(true);
        m_dialog.setHelpFile(kHelpFile);
        m_dialog.setHelpCommand(3);
        m_dialog.setMin(1);
        m_dialog.setMax(9);
    }

private:
    using Button = std::pair<QString, std::function<void()>>;

    // A frame with a column of buttons; each shows the results after its dialog.
    QWidget *page(const QList<Button> &buttons)
    {
        auto *frame = new QFrame(this);
        auto *layout = new QVBoxLayout(frame);
        for (const Button &button : buttons) {
            auto *push = new QPushButton(button.first, frame);
            connect(push, &QPushButton::clicked, this, [this, run = button.second] {
                run();
                showResult();
            });
            layout->addWidget(push);
        }
        layout->addStretch();
        return frame;
    }

    void showResult()
    {
        QString fileName = m_dialog.fileName();
        fileName.replace(QChar(0), QLatin1Char('|'));
        m_result->setText(QStringLiteral("Action %1  CancelButton %2  ErrNumber %3  FileName %4  Color %5  "
                                         "Font %6 %7pt  Pages %8-%9")
                              .arg(m_dialog.action())
                              .arg(m_dialog.cancelButton())
                              .arg(m_dialog.errNumber())
                              .arg(fileName)
                              .arg(m_dialog.color(), 6, 16, QLatin1Char('0'))
                              .arg(m_dialog.fontName())
                              .arg(m_dialog.fontSize())
                              .arg(m_dialog.fromPage())
                              .arg(m_dialog.toPage()));
    }

    TabStrip m_strip;
    TabPages *m_pages = nullptr;
    CommonDlg m_dialog;
    QLabel *m_result = nullptr;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    loadInterfaceTranslation(app);
    const QStringList arguments = QApplication::arguments();
    const int firstTab = arguments.size() > 1 ? arguments[1].toInt() : 0;
    DemoWindow window(firstTab);
    window.show();
    return QApplication::exec();
}

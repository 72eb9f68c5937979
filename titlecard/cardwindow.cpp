#include "cardwindow.h"

#include "screenimage.h"

#include <QBackingStore>

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QScreen>


CardWindow::CardWindow(const QImage &card, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_card(card)
{
    setObjectName(QStringLiteral("cardWindow"));
    setCursor(Qt::BlankCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
}

CardWindow::CardWindow(std::function<QImage()> pendingCard, QWidget *parent)
    : CardWindow(QImage(), parent)
{
    m_pendingCard = std::move(pendingCard);
}

void CardWindow::showOnScreen(QScreen *screen)
{
    if (screen) {
        setScreen(screen);
        setGeometry(screen->geometry());
    }
    showFullScreen();
    raise();
    activateWindow();
}

void CardWindow::setEndsOnInput(bool ends)
{
    m_endsOnInput = ends;
}

void CardWindow::finish()
{
    m_mayClose = true;
    close();
}

void CardWindow::paintEvent(QPaintEvent *event)
{
    if (!m_painted)
        prepareBackingStore(); // while the card may still be on its way
    if (m_pendingCard) {
        m_card = m_pendingCard();
        m_pendingCard = nullptr;
    }
    QPainter painter(this);
    // At the image's own pixel ratio: one card pixel per device pixel. The
    // card is written once; only what it does not cover (a screen that
    // grew) is filled black.
    painter.drawImage(QPointF(0, 0), m_card);
    const QRegion uncovered = QRegion(event->rect()) - QRect(QPoint(0, 0), m_card.deviceIndependentSize().toSize());
    for (const QRect &rect : uncovered)
        painter.fillRect(rect, Qt::black);
    painter.end();
    if (!m_painted) {
        m_painted = true;
        emit firstFramePainted();
    }
}

// The window's backing store is fresh memory, and the first paint would
// take its pages one fault at a time: a few thousand for a full-HD card.
void CardWindow::prepareBackingStore()
{
    QBackingStore *store = backingStore();
    if (auto *image = store ? dynamic_cast<QImage *>(store->paintDevice()) : nullptr)
        provideAllPages(*image);
}

// Input is swallowed; a card that may end early ends on a press (a key
// held down repeats, and a release may belong to the press that started it).
void CardWindow::keyPressEvent(QKeyEvent *event)
{
    if (m_endsOnInput && m_painted && !event->isAutoRepeat())
        finish();
}

void CardWindow::mousePressEvent(QMouseEvent *)
{
    if (m_endsOnInput && m_painted)
        finish();
}

void CardWindow::keyReleaseEvent(QKeyEvent *) {}
void CardWindow::mouseReleaseEvent(QMouseEvent *) {}
void CardWindow::mouseDoubleClickEvent(QMouseEvent *) {}
void CardWindow::wheelEvent(QWheelEvent *) {}

void CardWindow::closeEvent(QCloseEvent *event)
{
    if (m_mayClose)
        event->accept();
    else
        event->ignore();
}

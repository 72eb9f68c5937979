#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

class QScreen;

// The full-screen card: frameless, above other windows, without a pointer,
// deaf to keys and clicks unless told that they end it. It only paints the
// finished card image; nothing is composed on repaint. It closes only when
// told to finish.
class CardWindow : public QWidget
{
    Q_OBJECT
public:
    explicit CardWindow(const QImage &card, QWidget *parent = nullptr);
    // A card still being composed: the window may be shown at once, and
    // its first paint waits for the card.
    explicit CardWindow(std::function<QImage()> pendingCard, QWidget *parent = nullptr);

    void showOnScreen(QScreen *screen);
    // A key press or a click on the card, once it is on screen, finishes it.
    // Off by default. Input that comes before the first frame is still
    // refused: it was meant for the window the card came up over.
    void setEndsOnInput(bool ends);
    // Lets the window close, and closes it.
    void finish();

signals:
    void firstFramePainted();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void prepareBackingStore();

    QImage m_card;
    std::function<QImage()> m_pendingCard;
    bool m_painted = false;
    bool m_mayClose = false;
    bool m_endsOnInput = false;
};

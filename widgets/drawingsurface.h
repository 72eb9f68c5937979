#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

// A widget to draw on with single pixels, lines, outlines and text, like a
// picture box. What is drawn while persistent drawing is on goes into a
// backing image that survives repaints and resizes; drawing made while it
// is off only lasts until the next refresh or resize. Positions are pixels
// of the surface; its place in the owning window is also given in twips,
// the form programs' units.
//
// The surface takes keyboard focus and reports its mouse, key and focus
// events as signals, for a control drawn on it to handle.
class DrawingSurface : public QWidget
{
    Q_OBJECT
public:
    // The system's 3-D colours, from the widget's palette.
    enum class SystemColor {
        Highlight,  // QPalette::Light
        DarkShadow, // QPalette::Shadow
        Shadow,     // QPalette::Dark
        ButtonText, // QPalette::ButtonText
        ButtonFace, // QPalette::Button, also the background
    };

    explicit DrawingSurface(QWidget *parent = nullptr);

    void setPersistentDrawing(bool on) { m_persistent = on; }
    bool persistentDrawing() const { return m_persistent; }

    // Fills the drawing with the background colour.
    void clear();
    // The colour of lines and text.
    void setPenColor(const QColor &color) { m_pen = color; }
    void moveTo(QPoint point) { m_current = point; }
    // A line from the current point to point, without point's own pixel;
    // point becomes the current point.
    void lineTo(QPoint point);
    void setPixel(QPoint point, const QColor &color);
    // The outline of the rectangle with corners first and last, both included.
    void drawRectOutline(QPoint first, QPoint last, const QColor &color);
    // Text in the surface's font and the pen colour, its top-left corner at topLeft.
    void drawText(QPointF topLeft, const QString &text);
    qreal textWidth(const QString &text) const;
    qreal textHeight(const QString &text) const;
    // Shows the backing image again, dropping what was drawn while
    // persistent drawing was off.
    void refresh();

    QColor systemColor(SystemColor role) const;
    QColor backgroundColor() const { return palette().color(backgroundRole()); }

    // Twips per pixel of the screen: 1440 / logical dots per inch.
    double twipsPerPixelX() const;
    double twipsPerPixelY() const;
    // Place and size in the owning window, in twips.
    double ownerLeft() const { return x() * twipsPerPixelX(); }
    double ownerTop() const { return y() * twipsPerPixelY(); }
    double ownerWidth() const { return width() * twipsPerPixelX(); }
    double ownerHeight() const { return height() * twipsPerPixelY(); }
    // The inner size in pixels.
    int innerWidth() const { return width(); }
    int innerHeight() const { return height(); }

    // The persistent drawing, as large as the surface.
    QImage image() const;

signals:
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF position);
    void clicked();
    void keyPressed(int key, Qt::KeyboardModifiers modifiers);
    void focusGained();
    void focusLost();
    // The colours changed (the desktop's colour scheme, or a new palette).
    void paletteChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QImage &target();
    void growImage();
    void plot(QImage &image, int x, int y, QRgb color);
    void matchImageResolution(QImage &image) const;

    QImage m_image;   // persistent drawing
    QImage m_overlay; // drawing made while persistent drawing is off
    bool m_persistent = false;
    QColor m_pen = Qt::black;
    QPoint m_current;
};

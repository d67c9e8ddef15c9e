#pragma once

// What the paint and click benchmarks share: the one game window of the run,
// a bare widget of the same size as their floor, and a count of the paints
// a widget receives, to make sure each timed step really repainted.

#include <QObject>
#include <QWidget>

class CGameFrame;

namespace bench {

// Built on first use, closed by CloseSharedGame at the end of the run. The
// game returned is made the application's main window, which its dice and
// score boxes draw into.
CGameFrame& SharedGame();
// The same game with each name as long as its field lets it be.
CGameFrame& LongNamesGame();
void CloseSharedGame();

// The floor: a plain widget of the game's client size that fills itself
// with one colour, and repaints on a mouse press as the game window does.
class BareWidget : public QWidget {
public:
    BareWidget();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

// Shows the widget and waits until it is exposed.
void ShowAndWait(QWidget& widget);

class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) : m_pWidget(widget) { widget->installEventFilter(this); }
    ~PaintCounter() override { m_pWidget->removeEventFilter(this); }
    int Count() const { return m_nPaints; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_pWidget;
    int m_nPaints = 0;
};

} // namespace bench

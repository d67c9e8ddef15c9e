#pragma once

// The Qt widget behind a frame window. The window draws while Qt repaints
// it, straight into the surface Qt keeps for it: a repaint sends WM_PAINT,
// whose paint context erases the area being repainted with the class
// background and is clipped to that area. Window contexts draw on the whole
// surface, also outside that area; what they draw there is shown the next
// time that part of the window is shown. Outside a repaint nothing is drawn:
// a window that wants a new picture asks for a repaint. Mouse presses,
// double clicks and the close request become window messages; a press
// carries its client point and no key flags.

#include "platform/DrawRecord.h"
#include "platform/WinTypes.h"

#include <QColor>
#include <QRegion>
#include <QSize>
#include <QWidget>

inline QColor ToQColor(COLORREF c) {
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

class CFrameHost : public QWidget {
public:
    // outerSize: the size of the whole window, frame included, once the
    // window system reports its frame.
    CFrameHost(UINT classStyle, COLORREF background, QSize outerSize);

    // The area being repainted; empty outside a repaint.
    const QRegion& PaintRegion() const { return m_rgnPaint; }
    bool IsPainting() const { return !m_rgnPaint.isEmpty(); }
    // Erases the area being repainted with the background, once per repaint.
    void BeginPaint();

    // Every drawing operation is added to the record while one is attached.
    void SetDrawRecord(CDrawRecord* pRecord) { m_pRecord = pRecord; }
    void Record(DrawOp op);
    bool IsRecording() const { return m_pRecord != nullptr; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void SendMouseMessage(QMouseEvent* event, bool bDoubleClick);
    void EraseRegion();
    void FitOuterSize();

    UINT m_nClassStyle;
    COLORREF m_crBackground;
    QSize m_outerSize;
    bool m_bFitPending = true;
    QRegion m_rgnPaint;
    bool m_bErased = false;
    CDrawRecord* m_pRecord = nullptr;
};

#pragma once

// The Qt widget behind a frame window. It keeps the client area's picture in
// an image at the screen's device pixel ratio: a repaint erases the area
// being repainted in the image with the class background, lets the window
// draw through its device contexts, then shows the image. Paint contexts are
// clipped to the area being repainted; window contexts draw anywhere in the
// image, and what they draw outside that area is shown with the next repaint
// that covers it. Mouse presses, double clicks and the close request become
// window messages.

#include "platform/DrawRecord.h"
#include "platform/WinTypes.h"

#include <QColor>
#include <QImage>
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

    // The client picture, at the device pixel ratio.
    const QImage& Picture() const { return m_image; }
    QImage& Picture() { return m_image; }
    // The area being repainted; empty outside a repaint.
    const QRegion& PaintRegion() const { return m_rgnPaint; }
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
    void EnsurePicture();
    void FitOuterSize();

    UINT m_nClassStyle;
    COLORREF m_crBackground;
    QSize m_outerSize;
    bool m_bFitPending = true;
    QImage m_image;
    QRegion m_rgnPaint;
    bool m_bErased = false;
    CDrawRecord* m_pRecord = nullptr;
};

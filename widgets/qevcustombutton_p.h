// SPDX-License-Identifier: MIT
// The state and the working parts of TQevCustomButton. Not installed and not exported:
// the library, its white-box tests and the gallery compile against it, nothing else.
#pragma once

#include "qevcustombutton.h"

#include <QImage>
#include <QPointer>

class QPainter;
class QTimer;

class TQevCustomButtonPrivate {
    Q_DECLARE_PUBLIC(TQevCustomButton)

public:
    using Q = TQevCustomButton;

    // The five faces the button can show; normal and leave draw alike.
    enum TLook : int { lkNormal, lkLeave, lkHot, lkPressed, lkAfterPopup };

    // Rectangles with an exclusive right and bottom, as the drawing formulas use them.
    struct TRect {
        int left = 0, top = 0, right = 0, bottom = 0;
        friend bool operator==(const TRect&, const TRect&) = default;
    };

    explicit TQevCustomButtonPrivate(TQevCustomButton* q);

    static TQevCustomButtonPrivate* get(TQevCustomButton* button) { return button->d_func(); }
    static const TQevCustomButtonPrivate* get(const TQevCustomButton* button) { return button->d_func(); }

    TQevCustomButton* const q_ptr;

    // Model: what writing a property does beyond storing it.
    void init();
    void setMarginColor(int side, const QColor& c);
    QColor styleDefaultColor(int side) const;
    void applyStyleColors();
    void setGlyphImage(const QPixmap& glyph, bool hot);
    void loadKindGlyphs();
    void setTimerInterval(QTimer* timer, int ms);
    static void armTimer(QTimer* timer);
    bool isFramedStyle() const;
    // A property that the face depends on changed: lay the face out again and have it
    // painted when the event loop comes round.
    void changed();

    // Interaction.
    void pointerEnter();
    void pointerLeave();
    void press(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void release(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void showPopup();
    // A press and a click with a popup menu share these steps: the pressed look (and
    // the repeat's start timer), then the menu, then the after-popup look with the
    // timers stopped. False when the button did not survive the menu.
    void startPressedLook();
    bool popupFromPressedLook();
    void syncPointer();
    QPoint popupPoint() const;
    void startTick();
    void repeatTick();
    bool dialogKey(int key, Qt::KeyboardModifiers modifiers);
    bool dialogChar(QChar character);
    void focusChanged(QWidget* now);
    bool canFocus() const;
    void playResourceSound(const QString& name);
    // A key, activation or show that reached this button's window; true when taken.
    bool windowEvent(QWidget* window, QEvent* event);
    static bool routeWindowEvent(QWidget* window, QEvent* event);
    static void installApplicationHooks();

    // Drawing. showLook() paints one look at once; relayout() computes everything the
    // paint needs from the state; drawFace() only reads.
    void showLook(TLook look);
    void relayout();
    void drawFace(QPainter& p) const;

    // State of the face, written by the handlers and read by the layout.
    int m_normalFrameWidth = 0;
    int m_hotFrameWidth = 1;
    QColor m_frameLeftTop;
    QColor m_frameRightBottom;
    int m_pressOffset = 0;
    int m_captionPlain = 2;
    int m_pointerOut = 0;
    bool m_activeDefault = false;
    bool m_focusShown = false;
    bool m_dottedFramePen = false;
    QTimer* m_repeatTimer = nullptr;
    QTimer* m_startTimer = nullptr;
    // The look the next paint shows; a handler's look is shown at once, after which
    // any repaint shows the normal look again.
    TLook m_look = lkNormal;

    // The layout of the face in m_look, computed by relayout().
    TRect m_workRect, m_glyphRect, m_captionRect, m_markRect;
    int m_faceFrameWidth = 0;
    QColor m_faceTop, m_faceBottom;
    TRect m_faceRect;                     // inside the frame, filled with the face colour
    const QImage* m_drawnStrip = nullptr; // the glyph strip drawn, or none
    int m_drawnCells = 1;
    bool m_drawnSecondCell = false;
    bool m_drawnTransparent = true;
    bool m_markShown = false;

    // Property values.
    int m_helpContext = 0;
    bool m_repeatAction = false;
    bool m_showFocused = true;
    bool m_cursorHandCustom = true;
    Q::TKind m_kind = Q::skCustom;
    QColor m_colorMarginLeftTop;
    QColor m_colorMarginRightBottom;
    Q::TColorMarginDefault m_colorMarginStyle = Q::cmDefault;
    bool m_popupMenuMark = false;
    int m_popupMenuMarkGap = 5;
    Q::TPositionPopup m_positionPopup = Q::puDown;
    bool m_playMusic = false;
    QPointer<QMenu> m_popupMenu;
    QPointer<QAction> m_action;
    QColor m_hotTrackColor;
    bool m_hotTrack = true;
    int m_spacing = 4;
    int m_spacingLayout = 3;
    int m_numGlyphs = 2;
    int m_numGlyphsHot = 2;
    QImage m_glyph;
    QImage m_glyphHot;
    QPixmap m_glyphPixmap;
    QPixmap m_glyphHotPixmap;
    Q::TLayout m_layout = Q::blGlyphLeft;
    Q::TStyle m_style = Q::stFlat;
    bool m_cancel = false;
    bool m_default = false;
    QString m_hintSecondLine;
    QString m_caption;
    bool m_parentColor = true;
    QColor m_color;
    bool m_loading = false;
    bool m_inDesigner = false;
    bool m_pointerInside = false; // where the pointer is, as far as the handlers were told
    bool m_clickPending = false;
    quint64 m_lastPressTime = 0;
    bool m_popupOpen = false;

    static Q::HelpHandler s_helpHandler;

private:
    QColor faceColor() const;
    void drawFrame3D(QPainter& p, TRect r, const QColor& top, const QColor& bottom, int width, bool dotted) const;
    void drawGlyphCell(QPainter& p) const;
    void placeGlyph(int cw, int ch);
    void placeMark(int cw, int mw, int mh);
    void drawDisabledImage(QPainter& p, const QImage& image, int x, int y) const;
    void drawCaption(QPainter& p) const;
    void placeCaption();
    void drawDisabledCaption(QPainter& p) const;
    void drawFocusMark(QPainter& p) const;
};

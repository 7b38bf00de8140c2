// TQevCustomButton: an owner-drawn push button with frame styles, hot tracking, stock
// kinds, glyph strips, a popup menu with its arrow mark, auto-repeat and a hover sound.
#pragma once

#include <QColor>
#include <QImage>
#include <QMenu>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>

class QAction;
class QPainter;
class QTimer;

class TQevCustomButton : public QWidget
{
    Q_OBJECT

public:
    // A fixed underlying type: a stored or scripted value out of range is then a plain
    // number the setters can refuse, not undefined behaviour.
    enum TStyle : int { stFlat, stDefault, stNone, stRaised, stFlatDot, stRaisedDot, stFrameLowered, stFrameRaised };
    Q_ENUM(TStyle)
    enum TKind : int { skCustom, skOK, skCancel, skHelp, skYes, skNo, skClose, skAbort, skRetry, skIgnore, skAll, skSilly };
    Q_ENUM(TKind)
    enum TLayout : int { blGlyphLeft, blGlyphBottom, blGlyphRight, blGlyphTop };
    Q_ENUM(TLayout)
    enum TPositionPopup : int { puDown, puLeft, puRight };
    Q_ENUM(TPositionPopup)
    enum TColorMarginDefault : int { cmDefault, cmCustom };
    Q_ENUM(TColorMarginDefault)
    // The five faces the button can show; normal and leave draw alike.
    enum TLook : int { lkNormal, lkLeave, lkHot, lkPressed, lkAfterPopup };
    Q_ENUM(TLook)

    // Declared here, in the order a form file stores them, so that Designer writes and
    // QUiLoader applies them in that order (ButtonKind before Caption matters).
    Q_PROPERTY(int HelpContext READ HelpContext WRITE setHelpContext)
    Q_PROPERTY(bool RepeatAction READ RepeatAction WRITE setRepeatAction)
    Q_PROPERTY(int RepeatInterval READ RepeatInterval WRITE setRepeatInterval STORED true)
    Q_PROPERTY(int RepeatStartInterval READ RepeatStartInterval WRITE setRepeatStartInterval STORED true)
    Q_PROPERTY(bool ShowFocused READ ShowFocused WRITE setShowFocused)
    Q_PROPERTY(bool CursorHandCustom READ CursorHandCustom WRITE setCursorHandCustom)
    Q_PROPERTY(TKind ButtonKind READ ButtonKind WRITE setButtonKind)
    Q_PROPERTY(QColor ColorMarginLeftTop READ ColorMarginLeftTop WRITE setColorMarginLeftTop)
    Q_PROPERTY(QColor ColorMarginRightBottom READ ColorMarginRightBottom WRITE setColorMarginRightBottom)
    Q_PROPERTY(TColorMarginDefault ColorMarginStyle READ ColorMarginStyle WRITE setColorMarginStyle)
    Q_PROPERTY(QString Version READ Version WRITE setVersion STORED true)
    Q_PROPERTY(bool PopupMenuMark READ PopupMenuMark WRITE setPopupMenuMark)
    Q_PROPERTY(int PopupMenuMarkGap READ PopupMenuMarkGap WRITE setPopupMenuMarkGap)
    Q_PROPERTY(TPositionPopup PositionPopup READ PositionPopup WRITE setPositionPopup)
    Q_PROPERTY(bool PlayMusic READ PlayMusic WRITE setPlayMusic)
    Q_PROPERTY(QMenu *PopupMenu READ PopupMenu WRITE setPopupMenu DESIGNABLE false)
    Q_PROPERTY(QColor HotTrackColor READ HotTrackColor WRITE setHotTrackColor)
    Q_PROPERTY(bool HotTrack READ HotTrack WRITE setHotTrack)
    Q_PROPERTY(int Spacing READ Spacing WRITE setSpacing)
    Q_PROPERTY(int SpacingLayout READ SpacingLayout WRITE setSpacingLayout)
    Q_PROPERTY(int NumGlyphs READ NumGlyphs WRITE setNumGlyphs)
    Q_PROPERTY(int NumGlyphsHot READ NumGlyphsHot WRITE setNumGlyphsHot)
    Q_PROPERTY(QPixmap Glyph READ Glyph WRITE setGlyph)
    Q_PROPERTY(QPixmap GlyphHot READ GlyphHot WRITE setGlyphHot)
    Q_PROPERTY(TLayout Layout READ Layout WRITE setLayout)
    Q_PROPERTY(TStyle ButtonStyle READ ButtonStyle WRITE setButtonStyle)
    Q_PROPERTY(bool Cancel READ Cancel WRITE setCancel)
    Q_PROPERTY(bool Default READ Default WRITE setDefault)
    Q_PROPERTY(QString HintSecondLine READ HintSecondLine WRITE setHintSecondLine)
    // The toolkit's own properties that QWidget does not already carry.
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE setParentColor)
    Q_PROPERTY(QColor Color READ Color WRITE setColor)
    Q_PROPERTY(bool TabStop READ TabStop WRITE setTabStop)

public:
    explicit TQevCustomButton(QWidget *parent = nullptr);
    ~TQevCustomButton() override;

    // The dynamic property that marks an instance living in Qt Designer's form editor.
    static constexpr const char *FormDesignerMark = "qevInFormDesigner";

    int HelpContext() const { return m_helpContext; }
    void setHelpContext(int context) { m_helpContext = context; }
    bool RepeatAction() const { return m_repeatAction; }
    void setRepeatAction(bool on) { m_repeatAction = on; }
    int RepeatInterval() const;
    void setRepeatInterval(int ms);
    int RepeatStartInterval() const;
    void setRepeatStartInterval(int ms);
    bool ShowFocused() const { return m_showFocused; }
    void setShowFocused(bool on) { m_showFocused = on; }
    bool CursorHandCustom() const { return m_cursorHandCustom; }
    void setCursorHandCustom(bool on) { m_cursorHandCustom = on; }
    TKind ButtonKind() const { return m_kind; }
    void setButtonKind(TKind kind);
    QColor ColorMarginLeftTop() const { return m_colorMarginLeftTop; }
    void setColorMarginLeftTop(const QColor &c) { setMarginColor(1, c); }
    QColor ColorMarginRightBottom() const { return m_colorMarginRightBottom; }
    void setColorMarginRightBottom(const QColor &c) { setMarginColor(2, c); }
    TColorMarginDefault ColorMarginStyle() const { return m_colorMarginStyle; }
    void setColorMarginStyle(TColorMarginDefault style);
    QString Version() const;
    void setVersion(const QString &) {}
    bool PopupMenuMark() const { return m_popupMenuMark; }
    void setPopupMenuMark(bool on);
    int PopupMenuMarkGap() const { return m_popupMenuMarkGap; }
    void setPopupMenuMarkGap(int gap);
    TPositionPopup PositionPopup() const { return m_positionPopup; }
    void setPositionPopup(TPositionPopup position)
    {
        if (position >= puDown && position <= puRight)
            m_positionPopup = position;
    }
    bool PlayMusic() const { return m_playMusic; }
    void setPlayMusic(bool on) { m_playMusic = on; }
    QMenu *PopupMenu() const;
    void setPopupMenu(QMenu *menu);
    QColor HotTrackColor() const { return m_hotTrackColor; }
    void setHotTrackColor(const QColor &c) { m_hotTrackColor = c; }
    bool HotTrack() const { return m_hotTrack; }
    void setHotTrack(bool on) { m_hotTrack = on; }
    int Spacing() const { return m_spacing; }
    void setSpacing(int spacing);
    int SpacingLayout() const { return m_spacingLayout; }
    void setSpacingLayout(int margin);
    int NumGlyphs() const { return m_numGlyphs; }
    void setNumGlyphs(int cells);
    int NumGlyphsHot() const { return m_numGlyphsHot; }
    void setNumGlyphsHot(int cells);
    QPixmap Glyph() const { return m_glyphPixmap; }
    void setGlyph(const QPixmap &glyph);
    QPixmap GlyphHot() const { return m_glyphHotPixmap; }
    void setGlyphHot(const QPixmap &glyph);
    TLayout Layout() const { return m_layout; }
    void setLayout(TLayout layout);
    TStyle ButtonStyle() const { return m_style; }
    void setButtonStyle(TStyle style);
    bool Cancel() const { return m_cancel; }
    void setCancel(bool on) { m_cancel = on; }
    bool Default() const { return m_default; }
    void setDefault(bool on) { m_default = on; }
    QString HintSecondLine() const { return m_hintSecondLine; }
    void setHintSecondLine(const QString &line);
    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    bool ParentColor() const { return m_parentColor; }
    void setParentColor(bool on);
    QColor Color() const;
    void setColor(const QColor &c);
    bool TabStop() const;
    void setTabStop(bool on);

    // A QAction run by a click when no OnClick handler is connected.
    QAction *Action() const { return m_action; }
    void setAction(QAction *action) { m_action = action; }

    // The click operation: OnClick (or the action), the stock kind's action, then the
    // popup menu.
    virtual void Click();

    // Form loaders call these around applying stored properties: while loading, a
    // stock kind keeps an empty caption so that the stored caption wins.
    void beginLoading() { m_loading = true; }
    void endLoading() { m_loading = false; }
    bool isLoading() const { return m_loading; }
    bool inFormDesigner() const { return m_inDesigner; }

    // Where the application's help lives; skHelp passes its context number here.
    using HelpHandler = void (*)(int context);
    static void setHelpHandler(HelpHandler handler);

    QSize sizeHint() const override { return {75, 25}; }

Q_SIGNALS:
    void OnClick();
    void OnDblClick();
    void OnMouseOver(QObject *Sender);
    void OnMouseOut(QObject *Sender);
    void OnMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void OnMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

protected:
    // Rectangles with an exclusive right and bottom, as the drawing formulas use them.
    struct TRect
    {
        int Left = 0, Top = 0, Right = 0, Bottom = 0;
        friend bool operator==(const TRect &, const TRect &) = default;
    };

    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

    // Kept as an overridable hook for buttons that want to look like the default one;
    // this button's own drawing does not depend on it.
    virtual void UpdateDefaultStyle(bool active);

    // Shows one look now and keeps it until the next face is drawn.
    void showLook(TLook look);
    // Draws the whole face in one look with the given painter.
    void DrawFace(QPainter &p, TLook look);

    void PointerEnter();
    void PointerLeave();
    void Press(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void Release(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void ShowPopup();
    // A press and a click with a popup menu share these steps: the pressed look (and
    // the repeat's start timer), then the menu, then the after-popup look with the
    // timers stopped. False when the button did not survive the menu.
    void StartPressedLook();
    bool PopupFromPressedLook();
    void syncPointer();
    QPoint popupPoint() const;
    void StartTick();
    void RepeatTick();
    bool DialogKey(int key, Qt::KeyboardModifiers modifiers);
    bool DialogChar(QChar character);
    void FocusChanged(QWidget *now);
    bool canFocus() const;
    bool isFramedStyle() const;
    void PlayResourceSound(const QString &name);

    // State of the face, read by the drawing and written by the handlers.
    int NormalFrameWidth = 0;
    int HotFrameWidth = 1;
    QColor FrameLeftTop;
    QColor FrameRightBottom;
    int PressOffset = 0;
    int CaptionPlain = 2;
    int PointerOut = 0;
    bool ActiveDefault = false;
    bool FocusShown = false;
    QTimer *RepeatTimer = nullptr;
    QTimer *StartTimer = nullptr;
    QImage CellBitmap;
    QImage MaskBitmap;
    TRect WorkRect, GlyphRect, CaptionRect, MarkRect;
    bool DottedFramePen = false;

    // Which face a handler asked for; the next paint shows it, later paints the normal look.
    TLook m_requestedLook = lkNormal;
    bool m_lookRequested = false;
    TLook m_lastLook = lkNormal;
    int m_facesDrawn = 0;

private:
    void setMarginColor(int side, const QColor &c);
    QColor styleDefaultColor(int side) const;
    void applyStyleColors();
    void setGlyphImage(const QPixmap &glyph, bool hot);
    void loadKindGlyphs();
    void installDialogFilter();
    static void setRepeatTimerInterval(QTimer *timer, int ms);
    static void startRepeatTimer(QTimer *timer);
    friend class QevDialogKeyRouter;
    static bool routeWindowEvent(QWidget *window, QEvent *event);
    bool windowEvent(QWidget *window, QEvent *event);
    void requestRepaint() { update(); }

    // Drawing routines.
    QColor faceColor() const;
    void DrawFrame3D(QPainter &p, TRect &r, const QColor &top, const QColor &bottom, int width, bool dotted);
    void DrawGlyph(QPainter &p);
    void DrawHotGlyph(QPainter &p);
    void drawCell(QPainter &p, const QImage &strip, int cells, bool secondCell, bool transparent);
    void PlaceGlyph(int cw, int ch);
    void DrawPopupMark(QPainter &p);
    void PlaceMark(int mw, int mh);
    void DrawDisabledImage(QPainter &p, const QImage &image, int x, int y);
    void DrawCaption(QPainter &p);
    void PlaceCaption();
    void DrawDisabledCaption(QPainter &p);
    void DrawFocusMark(QPainter &p);

    int m_helpContext = 0;
    bool m_repeatAction = false;
    bool m_showFocused = true;
    bool m_cursorHandCustom = true;
    TKind m_kind = skCustom;
    QColor m_colorMarginLeftTop;
    QColor m_colorMarginRightBottom;
    TColorMarginDefault m_colorMarginStyle = cmDefault;
    bool m_popupMenuMark = false;
    int m_popupMenuMarkGap = 5;
    TPositionPopup m_positionPopup = puDown;
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
    TLayout m_layout = blGlyphLeft;
    TStyle m_style = stFlat;
    bool m_cancel = false;
    bool m_default = false;
    QString m_hintSecondLine;
    QString m_caption;
    bool m_parentColor = true;
    QColor m_color;
    bool m_loading = false;
    bool m_inDesigner = false;
    bool m_pointerInside = false;  // where the pointer is, as far as the handlers were told
    bool m_clickPending = false;
    quint64 m_lastPressTime = 0;
    bool m_popupOpen = false;

    static HelpHandler s_helpHandler;
};

// SPDX-License-Identifier: MIT
// TQevCustomButton: an owner-drawn push button with frame styles, hot tracking, stock
// kinds, glyph strips, a popup menu with its arrow mark, auto-repeat and a hover sound.
//
// Only properties, signals and virtual functions are public; the state lives behind a
// private pointer, so that it can change without changing this class's size or layout.
#pragma once

#include "qevbutton_export.h"

#include <QColor>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <memory>

class QAction;
class QMenu;
class TQevCustomButtonPrivate;

// The PopupMenu property's type must be complete where moc writes its metatype; a
// program that includes this header needs no more than the pointer.
Q_MOC_INCLUDE(<QMenu>)

/// A push button that draws its own face: a frame in one of eight styles, a glyph cut
/// from a strip of up to four cells, a caption with an access key, and an optional
/// arrow mark for an attached popup menu. While the pointer is over it the caption
/// changes colour and a second ("hot") glyph can be shown. A stock kind gives it a
/// caption, glyphs and the action of a dialog button (OK, Cancel, Help, ...).
///
/// Enter clicks the focused button of this class or, while another kind of control has
/// the focus, a button whose Default is on; Escape clicks a button whose Cancel is on;
/// the caption's access key clicks the button from anywhere in its window.
class QEVBUTTON_EXPORT TQevCustomButton : public QWidget {
    Q_OBJECT

public:
    /// The frame drawn around the face. The flat styles show a frame only under the
    /// pointer; the last three keep the face in the palette's button colour.
    enum TStyle : int { stFlat, stDefault, stNone, stRaised, stFlatDot, stRaisedDot, stFrameLowered, stFrameRaised };
    Q_ENUM(TStyle)
    /// Stock kinds: a caption, two glyphs and what a click does to the button's dialog.
    enum TKind : int {
        skCustom,
        skOK,
        skCancel,
        skHelp,
        skYes,
        skNo,
        skClose,
        skAbort,
        skRetry,
        skIgnore,
        skAll,
        skSilly
    };
    Q_ENUM(TKind)
    /// Where the glyph sits relative to the caption.
    enum TLayout : int { blGlyphLeft, blGlyphBottom, blGlyphRight, blGlyphTop };
    Q_ENUM(TLayout)
    /// Which side of the button the popup menu opens on.
    enum TPositionPopup : int { puDown, puLeft, puRight };
    Q_ENUM(TPositionPopup)
    /// Whether the frame colours follow the style (cmDefault) or the two margin colours.
    enum TColorMarginDefault : int { cmDefault, cmCustom };
    Q_ENUM(TColorMarginDefault)

    // Declared in the order a form file stores them, so that Designer writes and
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
    Q_PROPERTY(QMenu* PopupMenu READ PopupMenu WRITE setPopupMenu DESIGNABLE false)
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
    // The button's own properties that QWidget does not already carry.
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE setParentColor)
    Q_PROPERTY(QColor Color READ Color WRITE setColor)
    Q_PROPERTY(bool TabStop READ TabStop WRITE setTabStop)

public:
    /// A 75x25 flat button without caption or glyph.
    explicit TQevCustomButton(QWidget* parent = nullptr);
    ~TQevCustomButton() override;

    /// The dynamic property that marks an instance living in Qt Designer's form editor;
    /// the Designer plugin sets it.
    static constexpr const char* FormDesignerMark = "qevInFormDesigner";

    /// The help context a skHelp button on this button or on one of its parents passes
    /// to the help handler; 0 means none.
    int HelpContext() const;
    void setHelpContext(int context);
    /// Whether holding the left button down repeats OnClick.
    bool RepeatAction() const;
    void setRepeatAction(bool on);
    /// Milliseconds between repeated OnClick signals (50). 0 turns the repeat off;
    /// negative values are refused.
    int RepeatInterval() const;
    void setRepeatInterval(int ms);
    /// Milliseconds from the press to the start of the repeat (50); 0 turns the repeat
    /// off; negative values are refused.
    int RepeatStartInterval() const;
    void setRepeatStartInterval(int ms);
    /// Whether a framed style draws the dotted focus rectangle (on).
    bool ShowFocused() const;
    void setShowFocused(bool on);
    /// Whether the pointer shows a hand over the button (on).
    bool CursorHandCustom() const;
    void setCursorHandCustom(bool on);
    /// The stock kind. Writing one other than skCustom sets the kind's glyphs, one cell
    /// per strip, Cancel and Default, and the kind's caption (except while loading,
    /// see beginLoading()).
    TKind ButtonKind() const;
    void setButtonKind(TKind kind);
    /// The frame colours with cmCustom; writing one that differs from the style's own
    /// colour switches ColorMarginStyle to cmCustom.
    QColor ColorMarginLeftTop() const;
    void setColorMarginLeftTop(const QColor& c);
    QColor ColorMarginRightBottom() const;
    void setColorMarginRightBottom(const QColor& c);
    /// cmDefault: the style chooses the frame colours; cmCustom: the margin colours.
    TColorMarginDefault ColorMarginStyle() const;
    void setColorMarginStyle(TColorMarginDefault style);
    /// A fixed text naming this control's version; writing it changes nothing.
    QString Version() const;
    void setVersion(const QString&);
    /// Whether an arrow beside the glyph shows that a popup menu is attached.
    bool PopupMenuMark() const;
    void setPopupMenuMark(bool on);
    /// Pixels between the glyph and the arrow mark, 1 to 5 (5).
    int PopupMenuMarkGap() const;
    void setPopupMenuMarkGap(int gap);
    /// Where the popup menu opens (puDown).
    TPositionPopup PositionPopup() const;
    void setPositionPopup(TPositionPopup position);
    /// Whether a short sound plays when the pointer enters (off).
    bool PlayMusic() const;
    void setPlayMusic(bool on);
    /// The menu a press or a click opens; not owned, and forgotten when destroyed.
    QMenu* PopupMenu() const;
    void setPopupMenu(QMenu* menu);
    /// The caption's colour while the pointer is over the button (blue).
    QColor HotTrackColor() const;
    void setHotTrackColor(const QColor& c);
    /// Whether the caption changes colour under the pointer (on).
    bool HotTrack() const;
    void setHotTrack(bool on);
    /// Pixels between glyph and caption, 1 to 5 (4).
    int Spacing() const;
    void setSpacing(int spacing);
    /// Shift of the glyph away from the centre, -5 to 5 (3).
    int SpacingLayout() const;
    void setSpacingLayout(int margin);
    /// Cells in the Glyph strip, 1 to 4; the second cell is the disabled face.
    int NumGlyphs() const;
    void setNumGlyphs(int cells);
    /// Cells in the GlyphHot strip, 1 to 4.
    int NumGlyphsHot() const;
    void setNumGlyphsHot(int cells);
    /// The glyph strip. The colour of its bottom-left pixel is transparent. Writing
    /// one returns the button to skCustom and guesses the cell count from its shape.
    QPixmap Glyph() const;
    void setGlyph(const QPixmap& glyph);
    /// The glyph strip shown under the pointer; none means Glyph is shown.
    QPixmap GlyphHot() const;
    void setGlyphHot(const QPixmap& glyph);
    /// Where the glyph sits relative to the caption (blGlyphLeft).
    TLayout Layout() const;
    void setLayout(TLayout layout);
    /// The frame style (stFlat).
    TStyle ButtonStyle() const;
    void setButtonStyle(TStyle style);
    /// Whether Escape in the window clicks this button.
    bool Cancel() const;
    void setCancel(bool on);
    /// Whether Enter clicks this button while a control of another class has the focus;
    /// a change counts from the next focus change.
    bool Default() const;
    void setDefault(bool on);
    /// A line added below the tool tip; the tool tip must be set first.
    QString HintSecondLine() const;
    void setHintSecondLine(const QString& line);
    /// The text on the face; "&" marks the access key, "&&" is a literal "&".
    QString Caption() const;
    void setCaption(const QString& caption);
    /// Whether the face takes its colour from the parent widget (on).
    bool ParentColor() const;
    void setParentColor(bool on);
    /// The face colour when ParentColor is off; writing it turns ParentColor off. The
    /// framed styles keep the palette's button colour whatever is written.
    QColor Color() const;
    void setColor(const QColor& c);
    /// Whether Tab stops on the button (off).
    bool TabStop() const;
    void setTabStop(bool on);

    /// A QAction that a click triggers when nothing is connected to OnClick.
    QAction* Action() const;
    void setAction(QAction* action);

    /// The click: OnClick (or the action), then the stock kind's action on the
    /// button's dialog (a result, the help handler, or closing it), then the popup
    /// menu. Keys, the mouse and assistive tools all click through here.
    virtual void Click();

    /// A form reader that wants the caption stored in its file to survive an earlier
    /// ButtonKind calls beginLoading() before and endLoading() after applying the
    /// properties: while loading, a stock kind leaves an empty caption empty. Qt's
    /// uic code and QUiLoader need neither, as they write Caption after ButtonKind.
    /// Polishing the widget ends the loading as well.
    void beginLoading();
    void endLoading();
    bool isLoading() const;
    /// Whether the button sits in Qt Designer's form editor (see FormDesignerMark).
    bool inFormDesigner() const;

    /// Receives the help context of a clicked skHelp button.
    using HelpHandler = void (*)(int context);
    /// Sets the application's help handler; nullptr for none.
    static void setHelpHandler(HelpHandler handler);

    QSize sizeHint() const override;

Q_SIGNALS:
    /// The button was clicked, or repeats while held (RepeatAction).
    void OnClick();
    /// The second press of a left double click; a click follows it.
    void OnDblClick();
    /// The pointer entered the enabled button.
    void OnMouseOver(QObject* Sender);
    /// The pointer left the enabled button.
    void OnMouseOut(QObject* Sender);
    /// A left press that opened the popup menu, after the menu closed.
    void OnMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    /// A left release over the button.
    void OnMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    /// Called whenever the focus moves in the window, with whether this button now
    /// answers Enter; for buttons that want to look like the default one. This
    /// button's own drawing does not depend on it.
    virtual void UpdateDefaultStyle(bool active);

    /// The button's state; its class is not part of the installed headers.
    const std::unique_ptr<TQevCustomButtonPrivate> d_ptr;

private:
    Q_DECLARE_PRIVATE(TQevCustomButton)
    Q_DISABLE_COPY_MOVE(TQevCustomButton)
};

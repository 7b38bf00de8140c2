// SPDX-License-Identifier: MIT
// Places a dialog or window centred over its parent window, frame over frame, from its
// first showing on.
#pragma once

#include <QMargins>
#include <QObject>
#include <QRect>
#include <QTimer>

#include <optional>

class QWidget;

namespace kolvane {

class CentredOverParent : public QObject {
    Q_OBJECT
public:
    enum When {
        EveryShowing, // a dialog: centred again each time it opens
        FirstShowing, // a window the user may move: where the user leaves it after that
    };
    enum Where {
        Over,   // centred over the parent
        Beside, // beside the parent where the screen has room (BesideOrOver), else over it
    };
    // Places `dialog` when it shows; it must have a parent. The placer lives as long
    // as the dialog.
    static void install(QWidget* dialog, When when = EveryShowing, Where where = Over);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CentredOverParent(QWidget* dialog, When when, Where where);
    // Places the window's frame: its own frame's margins where known, else the parent's.
    void place(const std::optional<QMargins>& own);

    // Looks whether the window manager has framed the shown window, for at most a second.
    void lookAtFrame();

    QWidget* m_dialog;
    When m_when;
    Where m_where;
    bool m_placed = false;
    QTimer m_settle;
    std::optional<QMargins> m_seenFrame;
    int m_looks = 0;
};

// Where a companion window's frame of `frameSize` goes beside `mainFrame` so that
// neither hides the other: to the right where `available` has room, else to the left,
// else centred over it. Tops are aligned, and the frame is kept on `available`.
QPoint BesideOrOver(const QRect& mainFrame, const QSize& frameSize, const QRect& available);

} // namespace kolvane

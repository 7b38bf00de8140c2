// SPDX-License-Identifier: MIT
// Places a dialog or window centred over its parent window, frame over frame, from its
// first showing on.
#pragma once

#include <QMargins>
#include <QObject>
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
    // Places `dialog` when it shows; it must have a parent. The placer lives as long
    // as the dialog.
    static void install(QWidget* dialog, When when = EveryShowing);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CentredOverParent(QWidget* dialog, When when);
    // Centres the window's frame: its own frame's margins where known, else the parent's.
    void place(const std::optional<QMargins>& own);

    // Looks whether the window manager has framed the shown window, for at most a second.
    void lookAtFrame();

    QWidget* m_dialog;
    When m_when;
    bool m_placed = false;
    QTimer m_settle;
    std::optional<QMargins> m_seenFrame;
    int m_looks = 0;
};

} // namespace kolvane

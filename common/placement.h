// SPDX-License-Identifier: MIT
// Keeps a dialog centred over its parent window, frame over frame, from its first
// showing on.
#pragma once

#include <QObject>
#include <QRect>

class QWidget;

namespace kolvane {

class CentredOverParent : public QObject {
    Q_OBJECT
public:
    // Places `dialog` at each showing; it must have a parent. The placer lives as long
    // as the dialog.
    static void install(QWidget* dialog);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit CentredOverParent(QWidget* dialog);
    void place();

    QWidget* m_dialog;
};

// Where a companion window's frame of `frameSize` goes beside `mainFrame` so that
// neither hides the other: to the right where `available` has room, else to the left,
// else centred over it. Tops are aligned, and the frame is kept on `available`.
QPoint BesideOrOver(const QRect& mainFrame, const QSize& frameSize, const QRect& available);

// Places `window` by BesideOrOver beside its parent's window on the parent's screen,
// measuring its frame by the parent's, which the same window manager drew.
void PlaceBesideParent(QWidget* window);

} // namespace kolvane

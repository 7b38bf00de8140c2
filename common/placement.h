// SPDX-License-Identifier: MIT
// Keeps a dialog centred over its parent window, frame over frame, from its first
// showing on.
#pragma once

#include <QObject>

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

} // namespace kolvane

// SPDX-License-Identifier: MIT
// Answers the modal boxes that a handler opens, and records what they showed, so a
// test can drive a handler that would otherwise wait for a person.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <vector>

namespace kolvane::test {

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::TextFormat format = Qt::AutoText;
    int buttons = 0;
    int width = 0;
};

class ModalWatch {
public:
    // `onDialog` runs for a modal dialog that is not a message box (the picker, the
    // About dialog); it must close the dialog.
    explicit ModalWatch(std::function<void(QDialog*)> onDialog = {}) : m_onDialog(std::move(onDialog))
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }

    const std::vector<SeenBox>& boxes() const { return m_boxes; }
    int dialogs() const { return m_dialogs; }

private:
    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            m_boxes.push_back({box->windowTitle(), box->text(), box->icon(), box->textFormat(),
                               static_cast<int>(box->buttons().size()), box->frameGeometry().width()});
            box->button(QMessageBox::Ok)->click();
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            ++m_dialogs;
            if (m_onDialog)
                m_onDialog(dialog);
            else
                dialog->reject();
        }
    }

    std::function<void(QDialog*)> m_onDialog;
    std::vector<SeenBox> m_boxes;
    int m_dialogs = 0;
    QTimer m_timer;
};

} // namespace kolvane::test

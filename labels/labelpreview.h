// SPDX-License-Identifier: MIT
// The Labels window's preview: one page of a label layout drawn by the painter that
// prints it, scaled to the widget with the paper's aspect kept.
#pragma once

#include "labellayout.h"

#include <QWidget>

namespace kolvane {

class LabelPreview : public QWidget {
    Q_OBJECT
public:
    explicit LabelPreview(QWidget* parent = nullptr);

    // The layout shown; the preview keeps its own copy. The page stays where it was
    // when the new layout still has it.
    void setLayout(LabelLayout layout);
    const LabelLayout& labelLayout() const { return m_layout; }

    int pageCount() const { return int(m_layout.pages.size()); }
    int page() const { return m_page; }
    void setPage(int index);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void pageChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void describe();

    LabelLayout m_layout;
    int m_page = 0;
};

} // namespace kolvane

// SPDX-License-Identifier: MIT
// The button gallery: every style in every look, every stock kind, the layouts and
// the popup mark, and a few live buttons (popup menus, auto-repeat, the hover sound,
// a dialog with OK / Cancel / Help).
#include "qevbutton.h"
#include "qevcustombutton_p.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMetaEnum>
#include <QPainter>
#include <QVBoxLayout>

namespace {

// A button frozen in one look, so that hot, pressed and after-popup faces can be seen
// side by side without a pointer.
class FixedLookButton : public TQevButton {
public:
    using TLook = TQevCustomButtonPrivate::TLook;

    FixedLookButton(TLook look, bool focused, QWidget* parent) : TQevButton(parent), m_look(look), m_focused(focused) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        TQevCustomButtonPrivate* d = d_ptr.get();
        const bool hotOrPressed =
            m_look == TQevCustomButtonPrivate::lkHot || m_look == TQevCustomButtonPrivate::lkPressed;
        d->m_captionPlain = hotOrPressed ? 0 : 1;
        d->m_pressOffset = m_look == TQevCustomButtonPrivate::lkPressed ? 1 : 0;
        d->m_focusShown = m_focused && d->isFramedStyle();
        d->m_look = m_look;
        d->relayout();
        QPainter p(this);
        d->drawFace(p);
    }

private:
    TLook m_look;
    bool m_focused;
};

QLabel* Header(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QWidget* StylesAndLooks(QWidget* parent)
{
    auto* box = new QGroupBox(QStringLiteral("Styles and looks"), parent);
    auto* grid = new QGridLayout(box);
    struct Column {
        const char* name;
        TQevCustomButtonPrivate::TLook look;
        bool disabled;
        bool focused;
    };
    const Column columns[] = {
        {"normal", TQevCustomButtonPrivate::lkNormal, false, false},
        {"hot", TQevCustomButtonPrivate::lkHot, false, false},
        {"pressed", TQevCustomButtonPrivate::lkPressed, false, false},
        {"after popup", TQevCustomButtonPrivate::lkAfterPopup, false, false},
        {"disabled", TQevCustomButtonPrivate::lkNormal, true, false},
        {"disabled hot", TQevCustomButtonPrivate::lkHot, true, false},
        {"focused", TQevCustomButtonPrivate::lkNormal, false, true},
    };
    for (int c = 0; c < int(std::size(columns)); ++c)
        grid->addWidget(Header(QString::fromLatin1(columns[c].name), box), 0, c + 1);
    const QMetaEnum styles = QMetaEnum::fromType<TQevButton::TStyle>();
    for (int s = 0; s < styles.keyCount(); ++s) {
        grid->addWidget(new QLabel(QString::fromLatin1(styles.key(s)), box), s + 1, 0);
        for (int c = 0; c < int(std::size(columns)); ++c) {
            auto* b = new FixedLookButton(columns[c].look, columns[c].focused, box);
            b->setButtonKind(s % 2 ? TQevButton::skCancel : TQevButton::skOK);
            b->setButtonStyle(TQevButton::TStyle(styles.value(s)));
            b->setEnabled(!columns[c].disabled);
            b->setFixedSize(75, 25);
            grid->addWidget(b, s + 1, c + 1);
        }
    }
    return box;
}

QWidget* StockKinds(QWidget* parent)
{
    auto* box = new QGroupBox(QStringLiteral("Stock kinds (normal, then hot)"), parent);
    auto* grid = new QGridLayout(box);
    const QMetaEnum kinds = QMetaEnum::fromType<TQevButton::TKind>();
    for (int k = 1; k < kinds.keyCount(); ++k) {
        for (int row = 0; row < 2; ++row) {
            auto* b = new FixedLookButton(row ? TQevCustomButtonPrivate::lkHot : TQevCustomButtonPrivate::lkNormal,
                                          false, box);
            b->setButtonStyle(TQevButton::stRaised);
            b->setButtonKind(TQevButton::TKind(kinds.value(k)));
            b->setFixedSize(75, 25);
            grid->addWidget(b, row, k - 1);
        }
    }
    return box;
}

QWidget* LayoutsAndMarks(QWidget* parent)
{
    auto* box = new QGroupBox(QStringLiteral("Layouts, popup mark, glyph strips"), parent);
    auto* row = new QHBoxLayout(box);
    const QMetaEnum layouts = QMetaEnum::fromType<TQevButton::TLayout>();
    for (int l = 0; l < layouts.keyCount(); ++l) {
        auto* b = new FixedLookButton(TQevCustomButtonPrivate::lkNormal, false, box);
        b->setButtonStyle(TQevButton::stRaised);
        b->setButtonKind(TQevButton::skRetry);
        b->setLayout(TQevButton::TLayout(layouts.value(l)));
        b->setPopupMenuMark(true);
        const bool tall = l == TQevButton::blGlyphBottom || l == TQevButton::blGlyphTop;
        b->setFixedSize(75, tall ? 50 : 25);
        b->setToolTip(QString::fromLatin1(layouts.key(l)));
        row->addWidget(b);
    }
    for (bool enabled : {true, false}) {
        auto* b = new FixedLookButton(TQevCustomButtonPrivate::lkNormal, false, box);
        b->setButtonStyle(TQevButton::stFrameRaised);
        b->setButtonKind(TQevButton::skHelp);
        b->setCaption(QString());
        b->setPopupMenuMark(true);
        b->setEnabled(enabled);
        b->setFixedSize(40, 25);
        row->addWidget(b);
    }
    // A two-cell strip: the second cell is the disabled image.
    QImage strip(36, 18, QImage::Format_RGB32);
    strip.fill(QColor(255, 0, 255));
    {
        QPainter p(&strip);
        p.fillRect(3, 3, 12, 12, QColor(0, 128, 0));
        p.fillRect(21, 3, 12, 12, QColor(128, 128, 128));
    }
    for (bool enabled : {true, false}) {
        auto* b = new FixedLookButton(TQevCustomButtonPrivate::lkNormal, false, box);
        b->setButtonStyle(TQevButton::stRaised);
        b->setGlyph(QPixmap::fromImage(strip));
        b->setCaption(QStringLiteral("Strip"));
        b->setEnabled(enabled);
        b->setFixedSize(75, 25);
        row->addWidget(b);
    }
    row->addStretch();
    return box;
}

QWidget* LiveButtons(QWidget* parent)
{
    auto* box = new QGroupBox(QStringLiteral("Live buttons"), parent);
    auto* row = new QHBoxLayout(box);
    QList<TQevButton*> live;

    auto* menu = new QMenu(box);
    menu->addAction(QStringLiteral("First item"));
    menu->addAction(QStringLiteral("Second item"));
    menu->addAction(QStringLiteral("Third item"));
    const QMetaEnum positions = QMetaEnum::fromType<TQevButton::TPositionPopup>();
    for (int i = 0; i < positions.keyCount(); ++i) {
        auto* b = new TQevButton(box);
        b->setObjectName(QStringLiteral("popup_") + QString::fromLatin1(positions.key(i)));
        b->setButtonStyle(i == 0 ? TQevButton::stFlat : TQevButton::stFrameRaised);
        b->setCaption(QString::fromLatin1(positions.key(i)));
        b->setPopupMenu(menu);
        b->setPositionPopup(TQevButton::TPositionPopup(positions.value(i)));
        b->setFixedSize(75, 25);
        row->addWidget(b);
        live << b;
    }

    auto* repeat = new TQevButton(box);
    repeat->setObjectName(QStringLiteral("repeat"));
    repeat->setCaption(QStringLiteral("&Repeat"));
    repeat->setButtonStyle(TQevButton::stRaised);
    repeat->setRepeatAction(true);
    repeat->setFixedSize(75, 25);
    auto* count = new QLabel(QStringLiteral("clicks: 0"), box);
    count->setObjectName(QStringLiteral("repeatCount"));
    count->setMinimumWidth(80);
    QObject::connect(repeat, &TQevButton::OnClick, count,
                     [count, n = 0]() mutable { count->setText(QStringLiteral("clicks: %1").arg(++n)); });
    row->addWidget(repeat);
    row->addWidget(count);
    live << repeat;

    auto* dialog = new QDialog(box);
    dialog->setWindowTitle(QStringLiteral("Question"));
    {
        auto* layout = new QVBoxLayout(dialog);
        layout->addWidget(new QLabel(QStringLiteral("Carry on?"), dialog));
        auto* buttons = new QHBoxLayout;
        for (auto kind : {TQevButton::skOK, TQevButton::skCancel, TQevButton::skHelp}) {
            auto* b = new TQevButton(dialog);
            b->setButtonStyle(TQevButton::stDefault);
            b->setButtonKind(kind);
            b->setFixedSize(75, 25);
            buttons->addWidget(b);
        }
        layout->addLayout(buttons);
    }
    auto* open = new TQevButton(box);
    open->setObjectName(QStringLiteral("openDialog"));
    open->setCaption(QStringLiteral("&Dialog..."));
    open->setButtonStyle(TQevButton::stFrameLowered);
    open->setFixedSize(75, 25);
    auto* result = new QLabel(box);
    result->setMinimumWidth(90);
    QObject::connect(open, &TQevButton::OnClick, dialog,
                     [dialog, result] { result->setText(QStringLiteral("result: %1").arg(dialog->exec())); });
    row->addWidget(open);
    row->addWidget(result);
    live << open;

    auto* sound = new QCheckBox(QStringLiteral("&Sound on hover"), box);
    QObject::connect(sound, &QCheckBox::toggled, box, [live](bool on) {
        for (TQevButton* b : live)
            b->setPlayMusic(on);
    });
    row->addWidget(sound);
    row->addStretch();
    return box;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("QevButton gallery"));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(StylesAndLooks(&window));
    layout->addWidget(StockKinds(&window));
    layout->addWidget(LayoutsAndMarks(&window));
    layout->addWidget(LiveButtons(&window));
    window.show();
    return app.exec();
}

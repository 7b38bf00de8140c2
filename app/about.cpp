// SPDX-License-Identifier: MIT
#include "about.h"

#include "markedaccessible.h"

#include "addresses.h"
#include "focusmark.h"
#include "fonts.h"
#include "keyfilters.h"
#include "placement.h"
#include "version.h"
#include "ui_about.h"

#include <QAccessibleWidget>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

#include <algorithm>
#include <functional>

namespace kolvane {
namespace {

const QColor LinkBlue(0, 0, 255);
const QColor VisitedMaroon(128, 0, 0);

void SetLinkLook(QLabel* label)
{
    QFont font = PixelFont(QStringLiteral("Arial"), 13);
    font.setUnderline(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, LinkBlue);
    label->setPalette(palette);
    // A link that looks like text keeps the ordinary pointer.
    label->setCursor(Qt::ArrowCursor);
    label->setFocusPolicy(Qt::NoFocus);
}

// The link of a label for the keyboard and assistive tools: a child laid over the label
// that paints nothing but its focus mark and lets the mouse through to the label, so
// the label reads and clicks as it always has. It takes no focus by policy (a click on
// the link never focuses it); the dialog's Tab hands it the focus.
class LinkFace : public QWidget {
public:
    LinkFace(QLabel* label, std::function<void()> open) : QWidget(label), m_open(std::move(open))
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAccessibleName(label->text());
        setGeometry(label->rect());
    }

    void open() { m_open(); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!hasFocus())
            return;
        const auto* label = static_cast<const QLabel*>(parentWidget());
        const int textWidth = label->fontMetrics().horizontalAdvance(label->text()) + 2;
        QPainter painter(this);
        DrawFocusMark(painter, QRect(0, 0, qMin(textWidth, width()), height()));
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        if (!IsPressKey(event)) {
            QWidget::keyPressEvent(event);
            return;
        }
        // Enter opens the link, not the dialog's default button.
        event->accept();
        if (!event->isAutoRepeat())
            open();
    }

private:
    std::function<void()> m_open;
};

class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(LinkFace* face) : QAccessibleWidget(face, QAccessible::Link) {}

    QAccessible::State state() const override
    {
        // Focusable through the dialog's Tab, whatever its policy says.
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = true;
        s.focused = widget()->hasFocus();
        s.linked = true;
        return s;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& actionName) override
    {
        if (actionName != pressAction())
            return;
        // Opening hands the address to the desktop; the call returns before that.
        RunAfterCall(widget(), [face = static_cast<LinkFace*>(widget())] { face->open(); });
    }
};

void MarkVisited(QLabel* label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, VisitedMaroon);
    label->setPalette(palette);
}

} // namespace

TAbout::TAbout(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TAbout>())
{
    ui->setupUi(this);
    // The picture carries the maker and the version; assistive tools read them here.
    ui->Image1->setAccessibleName(QStringLiteral("Tarnwick Ltd. Kolvane v" KOLVANE_VERSION));

    // A dialog frame with only the close button, fixed at its client size.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(205, 194);
    setFont(PixelFont(QStringLiteral("MS Sans Serif"), 11));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);

    ui->BitBtn1->setFocusPolicy(Qt::StrongFocus);
    ui->Image1->setFocusPolicy(Qt::NoFocus);

    ui->Label1->setText(QString::fromLatin1(HomePageAddress));
    ui->Label2->setText(QStringLiteral("E-mail: ") + QString::fromLatin1(SupportMailAddress));
    SetLinkLook(ui->Label1);
    SetLinkLook(ui->Label2);
    ui->Label1->installEventFilter(this);
    ui->Label2->installEventFilter(this);
    m_links = {new LinkFace(ui->Label1, [this] { openWebSite(); }),
               new LinkFace(ui->Label2, [this] { writeToSupport(); })};
    for (QWidget* link : m_links)
        UseAccessible(link, &MakeAccessible<LinkAccessible, LinkFace>);

    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    CentredOverParent::install(this);
}

TAbout::~TAbout() = default;

void TAbout::openWebSite()
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(HomePageAddress)));
    MarkVisited(ui->Label1);
}

void TAbout::writeToSupport()
{
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + QString::fromLatin1(SupportMailAddress)));
    MarkVisited(ui->Label2);
}

void TAbout::showEvent(QShowEvent* event)
{
    // Each showing starts on "Ok", also after a link had the focus when it closed.
    ui->BitBtn1->setFocus(Qt::OtherFocusReason);
    QDialog::showEvent(event);
}

bool TAbout::focusNextPrevChild(bool next)
{
    const std::array<QWidget*, 3> cycle = {ui->BitBtn1, m_links[0], m_links[1]};
    const auto at = std::find(cycle.begin(), cycle.end(), focusWidget());
    if (at == cycle.end())
        return QDialog::focusNextPrevChild(next);
    const auto index = static_cast<std::size_t>(at - cycle.begin());
    const std::size_t count = cycle.size();
    cycle[next ? (index + 1) % count : (index + count - 1) % count]->setFocus(next ? Qt::TabFocusReason
                                                                                   : Qt::BacktabFocusReason);
    return true;
}

// A click on a label is a left press and a release over the same label.
bool TAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->Label1 || watched == ui->Label2) {
        if (event->type() == QEvent::MouseButtonPress) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton)
                m_pressed = watched;
        } else if (event->type() == QEvent::MouseButtonDblClick) {
            // A double click is one click: the release that ends it sends nothing
            // more to the desktop.
            m_pressed = nullptr;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const bool click = mouse->button() == Qt::LeftButton && m_pressed == watched &&
                               static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint());
            if (mouse->button() == Qt::LeftButton)
                m_pressed = nullptr;
            if (click) {
                if (watched == ui->Label1)
                    openWebSite();
                else
                    writeToSupport();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kolvane

// SPDX-License-Identifier: MIT
#include "about.h"

#include "addresses.h"
#include "fonts.h"
#include "placement.h"
#include "version.h"
#include "ui_about.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>

namespace kolvane {
namespace {

const QColor kLinkBlue(0, 0, 255);
const QColor kVisitedMaroon(128, 0, 0);

void SetLinkLook(QLabel* label)
{
    QFont font = PixelFont(QStringLiteral("Arial"), 13);
    font.setUnderline(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kLinkBlue);
    label->setPalette(palette);
    // A link that looks like text keeps the ordinary pointer.
    label->setCursor(Qt::ArrowCursor);
    label->setFocusPolicy(Qt::NoFocus);
}

void MarkVisited(QLabel* label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kVisitedMaroon);
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

    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    CentredOverParent::Install(this);
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

// SPDX-License-Identifier: MIT
#include "mainform.h"

#include "about.h"
#include "addresses.h"
#include "keyfilters.h"
#include "fonts.h"
#include "bandshape.h"
#include "codepage.h"
#include "colorform.h"
#include "capacitorpage.h"
#include "combinepage.h"
#include "contextmenu.h"
#include "feedback.h"
#include "labelswindow.h"
#include "lookupwindow.h"
#include "markedaccessible.h"
#include "resistorpage.h"
#include "version.h"
#include "ui_mainform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QScreen>
#include <QUrl>

#include <array>
#include <set>

namespace kolvane {
namespace {

// Each page gets the controls it works on and nothing else of the window.
ResistorControls ResistorPageControls(Ui::TMainForm& ui)
{
    ResistorControls r;
    CodePageControls& c = r.code;
    c.groupBoxes = {ui.GroupBox1, ui.GroupBox2, ui.GroupBox3, ui.GroupBox4, ui.GroupBox8};
    c.body = ui.Shape12;
    c.leads = {ui.Shape14, ui.Shape15};
    c.bandCountButtons = {ui.RadioButton1, ui.RadioButton2, ui.RadioButton11};
    c.valueBands = {ui.Shape1, ui.Shape2, ui.Shape3, ui.Shape4};
    c.toleranceBand = ui.Shape5;
    c.toleranceList = ui.ComboBox1;
    c.valueLabel = ui.Label1;
    c.valueField = ui.Edit1;
    c.valueFieldColour = Qt::black;
    c.unitButtons = {ui.RadioButton5, ui.RadioButton6, ui.RadioButton7};
    r.calculate = ui.Button1;
    r.tfrBand = ui.Shape11;
    r.tfrList = ui.ComboBox3;
    return r;
}

CapacitorControls CapacitorPageControls(Ui::TMainForm& ui)
{
    CapacitorControls r;
    CodePageControls& c = r.code;
    c.groupBoxes = {ui.GroupBox5, ui.GroupBox6, ui.GroupBox7, ui.GroupBox10};
    c.body = ui.Shape13;
    c.leads = {ui.Shape16, ui.Shape17};
    c.bandCountButtons = {ui.RadioButton4, ui.RadioButton3};
    c.valueBands = {ui.Shape6, ui.Shape7, ui.Shape8, ui.Shape9};
    c.toleranceBand = ui.Shape10;
    c.toleranceList = ui.ComboBox2;
    c.valueLabel = ui.Label3;
    c.valueField = ui.Edit2;
    c.valueFieldColour = QColor(0, 0, 128);
    c.unitButtons = {ui.RadioButton10, ui.RadioButton9, ui.RadioButton8};
    r.calculate = ui.Button2;
    return r;
}

CombineControls CombinePageControls(Ui::TMainForm& ui)
{
    CombineControls c;
    c.groupBoxes = {ui.GroupBox9, ui.GroupBox11, ui.GroupBox12, ui.GroupBox13};
    c.labels = {ui.Label4,  ui.Label5,  ui.Label6,  ui.Label7,  ui.Label8,  ui.Label9,
                ui.Label10, ui.Label11, ui.Label12, ui.Label13, ui.Label14, ui.Label15};
    c.calculators = {{{ui.Edit3, ui.Edit4, ui.Edit5, ui.Button3, ui.Image1},
                      {ui.Edit6, ui.Edit7, ui.Edit8, ui.Button4, ui.Image2},
                      {ui.Edit9, ui.Edit10, ui.Edit11, ui.Button5, ui.Image3},
                      {ui.Edit12, ui.Edit13, ui.Edit14, ui.Button6, ui.Image4}}};
    return c;
}

// Puts each widget right after the one before it in the tab order.
void ChainTabs(std::initializer_list<QWidget*> widgets)
{
    QWidget* previous = nullptr;
    for (QWidget* w : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

} // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent), ui(std::make_unique<Ui::TMainForm>())
{
    // The window's font comes first: the controls then start with it, instead of being
    // laid out once with the system font and again when it changes.
    ApplyPixelFont(this, QStringLiteral("MS Sans Serif"), 11, false, palette().color(QPalette::WindowText));
    ui->setupUi(this);
    setWindowTitle(QStringLiteral("Kolvane v" KOLVANE_VERSION));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    ui->PageControl1->tabBar()->setFont(PixelFont(QStringLiteral("Tahoma"), 13, true));

    AssignAccessKeys(ui->MainMenu1->actions());
    for (QMenu* menu : {ui->File1, ui->Unit1, ui->Help1}) {
        AssignAccessKeys(menu->actions());
        CloseAfterItems(menu);
    }

    const PickerSource picker = [this] { return colorForm(); };
    m_resistor = new ResistorPage(ResistorPageControls(*ui), picker, this, this);
    m_capacitor = new CapacitorPage(CapacitorPageControls(*ui), picker, this, this);
    m_combine = new CombinePage(CombinePageControls(*ui), this, this);
    // Every pick reads both pages, so a band changed behind a page's back shows at once.
    connect(m_resistor, &ColourCodePage::colourPicked, m_capacitor, &ColourCodePage::recompute);
    connect(m_capacitor, &ColourCodePage::colourPicked, m_resistor, &ColourCodePage::recompute);

    // The keyboard reaches each shown band right after its page's band-count buttons,
    // in the order the bands are printed, and the value label after the rest of its page.
    ChainTabs({ui->RadioButton11, ui->Shape1, ui->Shape2, ui->Shape3, ui->Shape4, ui->Shape5, ui->Shape11});
    ChainTabs({ui->ComboBox3, ui->Label1});
    ChainTabs({ui->RadioButton4, ui->Shape6, ui->Shape7, ui->Shape8, ui->Shape9, ui->Shape10});
    ChainTabs({ui->ComboBox2, ui->Label3});

    connect(ui->Exit1, &QAction::triggered, this, &QWidget::close);
    const std::array<QAction*, 4> pages = {ui->Resistor1, ui->Capasitor1, ui->Amountofresistor1,
                                           ui->Amountofcapasitor1};
    for (std::size_t i = 0; i < pages.size(); ++i)
        connect(pages[i], &QAction::triggered, this, [this, i] { showPage(Page(i)); });
    connect(ui->Support1, &QAction::triggered, this, &TMainForm::openHelp);
    connect(ui->homepage, &QAction::triggered, this, &TMainForm::openHomePage);
    connect(ui->Pellmoorhomepage1, &QAction::triggered, this, &TMainForm::openProductPage);
    // A command that opens a modal dialog returns first: an assistive tool's press on
    // the menu item would otherwise wait until the dialog closed.
    connect(ui->About1, &QAction::triggered, this, [this] { RunAfterCall(this, [this] { showAbout(); }); });

    // Look up: File, Look up… (Ctrl+L) on every page, and "Look up…" on the values the
    // pages show. Labels: File, Print labels… (Ctrl+P).
    connect(ui->LookUp1, &QAction::triggered, this, [this] { openLookup(); });
    connect(ui->PrintLabels1, &QAction::triggered, this, [this] { openLabels(); });
    for (ColourCodePage* page : {static_cast<ColourCodePage*>(m_resistor), static_cast<ColourCodePage*>(m_capacitor)})
        connect(page, &ColourCodePage::lookUpRequested, this,
                [this, part = page->quantity()](const QString& text) { openLookup(part, text); });
    connect(m_combine, &CombinePage::lookUpRequested, this, [this](const QString& text, bool capacitors) {
        openLookup(capacitors ? Quantity::Capacitance : Quantity::Resistance, text);
    });

    MenuShortcutsFirst::install(this);
    TabEntersCheckedRadios(this);

    showPage(Page::Resistor);
    // Nothing under a modal dialog acts: an assistive tool's press on a tab would
    // otherwise switch the page behind the picker or About.
    connect(ui->PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        const QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->window() != this) {
            const QSignalBlocker quiet(ui->PageControl1);
            ui->PageControl1->setCurrentIndex(m_page);
            return;
        }
        m_page = index;
    });
    // The layout is in pixels: the client area is fixed, the menu bar sits above it.
    ui->centralwidget->setFixedSize(586, 283);
    setFixedSize(586, 283 + ui->MainMenu1->sizeHint().height());
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

TMainForm::~TMainForm() = default;

LastReadings TMainForm::lastReadings() const
{
    return {m_resistor->lastReading(), m_capacitor->lastReading()};
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    // Look up is a window of its own beside this one, yet part of the program: it
    // closes with the main window.
    if (m_lookup)
        m_lookup->close();
    QMainWindow::closeEvent(event);
}

TColorForm* TMainForm::colorForm()
{
    if (!m_colorForm)
        m_colorForm = new TColorForm(this);
    return m_colorForm;
}

QDialog* TMainForm::about()
{
    if (!m_about)
        m_about = new TAbout(this);
    return m_about;
}

LookupWindow* TMainForm::lookupWindow()
{
    if (!m_lookup) {
        m_lookup = new LookupWindow(this);
        connect(m_lookup, &LookupWindow::showOnPage, this, Guarded(this, [this](Quantity q, const BandCode& code) {
                    const bool capacitor = q == Quantity::Capacitance;
                    showPage(capacitor ? Page::Capacitor : Page::Resistor);
                    ColourCodePage& page = capacitor ? static_cast<ColourCodePage&>(*m_capacitor)
                                                     : static_cast<ColourCodePage&>(*m_resistor);
                    page.showCode(code);
                    // The page just filled comes in front of Look up, whole.
                    raise();
                    activateWindow();
                }));
        connect(m_lookup, &LookupWindow::printLabels, this,
                Guarded(this, [this](Quantity q, double value) { openLabels(q, value); }));
    }
    return m_lookup;
}

LabelsWindow* TMainForm::labelsWindow()
{
    if (!m_labels)
        m_labels = new LabelsWindow(this);
    return m_labels;
}

void TMainForm::openLabels(std::optional<Quantity> q, std::optional<double> value)
{
    const int page = ui->PageControl1->currentIndex();
    labelsWindow()->open(q.value_or(page == 1 || page == 3 ? Quantity::Capacitance : Quantity::Resistance), value);
}

void TMainForm::openLookup(const std::optional<QString>& text)
{
    openLookup(PartOf(currentPage()), text);
}

void TMainForm::openLookup(Quantity part, const std::optional<QString>& text)
{
    lookupWindow()->lookUp(part, text);
}

void TMainForm::showPage(Page page)
{
    ui->PageControl1->setCurrentIndex(int(page));
}

Page TMainForm::currentPage() const
{
    return Page(ui->PageControl1->currentIndex());
}

Quantity PartOf(Page page)
{
    return page == Page::Capacitor || page == Page::CapacitorCombinations ? Quantity::Capacitance
                                                                          : Quantity::Resistance;
}

void TMainForm::openHelp()
{
    const QString path = QCoreApplication::applicationDirPath() + QLatin1Char('/') + QStringLiteral("help.html");
    if (!QFileInfo(path).isFile())
        return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void TMainForm::openHomePage()
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(HomePageAddress)));
}

void TMainForm::openProductPage()
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(ProductPageAddress)));
}

void TMainForm::showAbout()
{
    about()->exec();
}

void AssignAccessKeys(const QList<QAction*>& entries)
{
    std::set<QChar> taken;
    for (QAction* action : entries) {
        if (action->isSeparator())
            continue;
        QString caption = action->text();
        caption.remove(QLatin1Char('&'));
        for (qsizetype i = 0; i < caption.size(); ++i) {
            const QChar c = caption[i].toUpper();
            const bool eligible =
                (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
            if (eligible && taken.insert(c).second) {
                caption.insert(i, QLatin1Char('&'));
                break;
            }
        }
        action->setText(caption);
    }
}

Windows CreateWindows()
{
    // The window's layout is in pixels with the menu bar above the client area, and its
    // menus, access keys and shortcuts are the window's own. A desktop's global menu
    // would take the bar out of the window; asking whether one is there also costs a
    // blocking round trip on the session bus while the window is made.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    ShiftF10OpensMenus::install();
    Windows w;
    w.mainForm = std::make_unique<TMainForm>();
    return w;
}

} // namespace kolvane

#include "app/mainform.h"

#include "app/about.h"
#include "app/addresses.h"
#include "app/banddigits.h"
#include "app/keyfilters.h"
#include "bands/bandpicking.h"
#include "app/fonts.h"
#include "bands/bandshape.h"
#include "bands/codepage.h"
#include "bands/colorform.h"
#include "capacitor/capacitorpage.h"
#include "combine/combinepage.h"
#include "resistor/resistorpage.h"
#include "ui_mainform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QScreen>
#include <QUrl>

#include <set>

namespace kolvane {

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent), ui(std::make_unique<Ui::TMainForm>())
{
    // The window's font comes first: the controls then start with it, instead of being
    // laid out once with the system font and again when it changes.
    ApplyPixelFont(this, QStringLiteral("MS Sans Serif"), 11, false, palette().color(QPalette::WindowText));
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    QFont tabFont(QStringLiteral("Tahoma"));
    tabFont.setPixelSize(13);
    tabFont.setBold(true);
    ui->PageControl1->tabBar()->setFont(tabFont);

    AssignAccessKeys(ui->MainMenu1->actions());
    for (QMenu* menu : {ui->File1, ui->Unit1, ui->Help1})
        AssignAccessKeys(menu->actions());

    m_resistor = new ResistorPage(*ui, this, this);
    m_capacitor = new CapacitorPage(*ui, this, this);
    m_combine = new CombinePage(*ui, this, this);

    PickWiring wiring;
    wiring.bands = {ui->Shape1, ui->Shape2, ui->Shape3, ui->Shape4, ui->Shape5, ui->Shape6,
                    ui->Shape7, ui->Shape8, ui->Shape9, ui->Shape10, ui->Shape11};
    wiring.resistorTolerance = ui->ComboBox1;
    wiring.capacitorTolerance = ui->ComboBox2;
    wiring.resistorTfr = ui->ComboBox3;
    wiring.recomputeResistor = [this] { m_resistor->RecomputeResistor(); };
    wiring.recomputeCapacitor = [this] { m_capacitor->RecomputeCapacitor(); };
    m_picking = new BandPicking(std::move(wiring), this);

    connect(ui->Exit1, &QAction::triggered, this, &TMainForm::Exit1Click);
    connect(ui->Resistor1, &QAction::triggered, this, &TMainForm::Resistor1Click);
    connect(ui->Capasitor1, &QAction::triggered, this, &TMainForm::Capasitor1Click);
    connect(ui->Amountofresistor1, &QAction::triggered, this, &TMainForm::Amountofresistor1Click);
    connect(ui->Amountofcapasitor1, &QAction::triggered, this, &TMainForm::Amountofcapasitor1Click);
    connect(ui->Support1, &QAction::triggered, this, &TMainForm::Support1Click);
    connect(ui->homepage, &QAction::triggered, this, &TMainForm::homepageClick);
    connect(ui->Pellmoorhomepage1, &QAction::triggered, this, &TMainForm::Pellmoorhomepage1Click);
    connect(ui->About1, &QAction::triggered, this, &TMainForm::About1Click);

    MenuShortcutsFirst::Install(this);

    ui->PageControl1->setCurrentIndex(0);
    // The layout is in pixels: the client area is fixed, the menu bar sits above it.
    ui->centralwidget->setFixedSize(586, 283);
    setFixedSize(586, 283 + ui->MainMenu1->sizeHint().height());
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());

    FormCreate();
}

TMainForm::~TMainForm() = default;

void TMainForm::FormCreate()
{
    BandDigits[0] = BandDigits[1] = BandDigits[2] = -1;
}

void TMainForm::setPicker(TColorForm* picker)
{
    m_picking->setPicker(picker);
}

void TMainForm::ApplyPickedColour()
{
    m_picking->ApplyPickedColour();
}

void TMainForm::Exit1Click()
{
    close();
}

void TMainForm::Resistor1Click()
{
    ui->PageControl1->setCurrentIndex(0);
}

void TMainForm::Capasitor1Click()
{
    ui->PageControl1->setCurrentIndex(1);
}

void TMainForm::Amountofresistor1Click()
{
    ui->PageControl1->setCurrentIndex(2);
}

void TMainForm::Amountofcapasitor1Click()
{
    ui->PageControl1->setCurrentIndex(3);
}

void TMainForm::Support1Click()
{
    const QString path = QCoreApplication::applicationDirPath() + QLatin1Char('/') + QStringLiteral("help.html");
    if (!QFileInfo(path).isFile())
        return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void TMainForm::homepageClick()
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(HomePageAddress)));
}

void TMainForm::Pellmoorhomepage1Click()
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(ProductPageAddress)));
}

void TMainForm::About1Click()
{
    if (m_about)
        m_about->exec();
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
            const bool eligible = (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
                                  (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
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
    Windows w;
    w.mainForm = std::make_unique<TMainForm>();
    TMainForm* main = w.mainForm.get();
    auto& f = main->form();
    w.colorForm = new TColorForm(main, f.RadioButton1, f.RadioButton4, [main] { main->ApplyPickedColour(); });
    main->setPicker(w.colorForm);
    w.about = new TAbout(main);
    main->setAbout(w.about);
    return w;
}

} // namespace kolvane

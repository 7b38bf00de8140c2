// SPDX-License-Identifier: MIT
#include "labelswindow.h"

#include "feedback.h"
#include "labelpainter.h"
#include "labelpreview.h"
#include "labelsvg.h"
#include "listaccessible.h"
#include "placement.h"
#include "valuetext.h"

#include <QBuffer>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <array>
#include <cmath>

namespace kolvane {
namespace {

const QString CustomSheet = QStringLiteral("custom");
const QString SettingsGroup = QStringLiteral("Labels");

struct RangeDefaults {
    const char* from;
    const char* to;
};
// The ranges a resistor kit and a capacitor kit usually cover.
constexpr RangeDefaults ResistorRange{"10", "1M"};
constexpr RangeDefaults CapacitorRange{"10p", "1\u00b5"};

QLabel* BuddyLabel(const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    label->setBuddy(buddy);
    return label;
}

QDoubleSpinBox* MillimetreBox(const QString& name, double low, double high, double step = 0.1, int decimals = 2)
{
    auto* box = new QDoubleSpinBox;
    box->setAccessibleName(name);
    box->setRange(low, high);
    box->setDecimals(decimals);
    box->setSingleStep(step);
    box->setSuffix(QStringLiteral(" mm"));
    box->setKeyboardTracking(false);
    return box;
}

QSpinBox* CountBox(const QString& name, int low, int high)
{
    auto* box = new QSpinBox;
    box->setAccessibleName(name);
    box->setRange(low, high);
    box->setKeyboardTracking(false);
    return box;
}

// The sheet's name in the list: its id, its paper and grid, so the choice needs no
// catalogue at hand.
QString SheetItemText(const Sheet& s)
{
    QString text = QStringLiteral("%1 (%2, %3 \u00d7 %4)").arg(s.id, s.pageName).arg(s.columns).arg(s.rows);
    if (!s.note.isEmpty())
        text += QStringLiteral(", ") + s.note;
    return text;
}

// Which of the two ranges' defaults a field still shows: a field the user changed keeps
// the user's text when the kind of part changes.
bool IsDefault(const QString& text, const RangeDefaults& d, bool from)
{
    return text == QString::fromUtf8(from ? d.from : d.to);
}

} // namespace

QString ListedValue(double value, Quantity q)
{
    struct Step {
        double factor;
        const char* suffix;
    };
    static constexpr std::array<Step, 4> Ohms = {{{1e9, "G"}, {1e6, "M"}, {1e3, "k"}, {1.0, ""}}};
    static constexpr std::array<Step, 4> Farads = {{{1e9, "m"}, {1e6, "u"}, {1e3, "n"}, {1.0, "p"}}};
    const auto& steps = q == Quantity::Resistance ? Ohms : Farads;
    const Step* step = &steps.back();
    for (const Step& s : steps) {
        if (value >= s.factor * (1.0 - 1e-12)) {
            step = &s;
            break;
        }
    }
    // Twelve digits hide the noise of the division and keep every digit a value was
    // given with.
    return QString::number(value / step->factor, 'g', 12) + QString::fromLatin1(step->suffix);
}

namespace {

// The PDF is made whole in memory first, so a failure leaves no file behind.
bool WritePdfFile(const LabelLayout& layout, const QString& path)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    return WriteLabelPdf(layout, buffer) && WriteFileWhole(path, buffer.data());
}

// One file a page, named as kolvane-cli names them; the name that failed, or empty.
QString WriteSvgFiles(const LabelLayout& layout, Quantity q, const QString& path)
{
    const QStringList names = SvgPageFileNames(path, int(layout.pages.size()));
    for (int i = 0; i < names.size(); ++i)
        if (!WriteFileWhole(names[i], LabelPageSvg(layout, i, q)))
            return names[i];
    return {};
}

} // namespace

LabelsWindow::LabelsWindow(QWidget* parent)
    : QDialog(parent), m_resistors(new QRadioButton(QStringLiteral("&Resistors"))),
      m_capacitors(new QRadioButton(QStringLiteral("C&apacitors"))),
      m_range(new QRadioButton(QStringLiteral("Series ra&nge"))), m_list(new QRadioButton(QStringLiteral("&List"))),
      m_series(new QComboBox), m_from(new QLineEdit), m_to(new QLineEdit), m_values(new QPlainTextEdit),
      m_sheet(new QComboBox), m_custom(new QWidget),
      m_pageWidth(MillimetreBox(QStringLiteral("Page width"), 50, 1000, 1, 1)),
      m_pageHeight(MillimetreBox(QStringLiteral("Page height"), 50, 1000, 1, 1)),
      m_columns(CountBox(QStringLiteral("Columns"), 1, 50)), m_rows(CountBox(QStringLiteral("Rows"), 1, 50)),
      m_labelWidth(MillimetreBox(QStringLiteral("Label width"), 5, 1000)),
      m_labelHeight(MillimetreBox(QStringLiteral("Label height"), 5, 1000)),
      m_left(MillimetreBox(QStringLiteral("Left margin"), 0, 500)),
      m_top(MillimetreBox(QStringLiteral("Top margin"), 0, 500)),
      m_across(MillimetreBox(QStringLiteral("Pitch across"), 5, 1000)),
      m_down(MillimetreBox(QStringLiteral("Pitch down"), 5, 1000)),
      m_start(CountBox(QStringLiteral("Start at label"), 1, 1)),
      m_copies(CountBox(QStringLiteral("Copies"), 1, MostCopies)),
      m_bands(new QCheckBox(QStringLiteral("Colour &bands"))), m_smd(new QCheckBox(QStringLiteral("S&MD codes"))),
      m_letter(new QCheckBox(QStringLiteral("Letter c&ode"))), m_outlines(new QCheckBox(QStringLiteral("O&utlines"))),
      m_fold(new QCheckBox(QStringLiteral("Fold-o&ver"))),
      m_offsetX(MillimetreBox(QStringLiteral("Offset X"), -LargestOffset, LargestOffset, 0.1, 1)),
      m_offsetY(MillimetreBox(QStringLiteral("Offset Y"), -LargestOffset, LargestOffset, 0.1, 1)),
      m_preview(new LabelPreview), m_previous(new QPushButton(QStringLiteral("Previous page"))),
      m_next(new QPushButton(QStringLiteral("Next page"))), m_summary(new QLabel),
      m_print(new QPushButton(QStringLiteral("&Print\u2026"))),
      m_savePdf(new QPushButton(QStringLiteral("Save P&DF\u2026"))),
      m_saveSvg(new QPushButton(QStringLiteral("Save SV&G\u2026"))),
      m_calibration(new QPushButton(QStringLiteral("Cal&ibration page\u2026")))
{
    setWindowTitle(QStringLiteral("Labels"));
    setModal(false);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    m_layoutTimer.setSingleShot(true);
    m_layoutTimer.setInterval(0);
    connect(&m_layoutTimer, &QTimer::timeout, this, &LabelsWindow::layOut);

    buildControls();
    m_loading = true;
    loadSettings();
    m_loading = false;
    connectControls();
    CentredOverParent::install(this, CentredOverParent::FirstShowing);
    layOut();
}

LabelsWindow::~LabelsWindow()
{
    // Quitting with the window open hides nothing first.
    saveSettings();
}

void LabelsWindow::buildControls()
{
    auto* kinds = new QButtonGroup(this);
    kinds->addButton(m_resistors);
    kinds->addButton(m_capacitors);
    m_resistors->setChecked(true);
    auto* sources = new QButtonGroup(this);
    sources->addButton(m_range);
    sources->addButton(m_list);
    m_range->setChecked(true);

    for (const ESeries s : AllSeries)
        m_series->addItem(QString::fromLatin1(SeriesName(s).data()));
    m_series->setCurrentIndex(int(ESeries::E12));
    NameList(m_series, QStringLiteral("Series"));
    m_from->setAccessibleName(QStringLiteral("From"));
    m_to->setAccessibleName(QStringLiteral("To"));
    m_from->setMaxLength(40);
    m_to->setMaxLength(40);
    m_values->setAccessibleName(QStringLiteral("Values"));
    m_values->setTabChangesFocus(true);
    m_values->setPlaceholderText(QStringLiteral("4k7\n22k  # a comment\n-  (an empty label)"));

    for (const Sheet& s : PresetSheets())
        m_sheet->addItem(SheetItemText(s), s.id);
    m_sheet->addItem(QStringLiteral("Custom"), CustomSheet);
    NameList(m_sheet, QStringLiteral("Sheet"));
    m_summary->setAccessibleName(QStringLiteral("Summary"));
    m_summary->setTextFormat(Qt::PlainText);
    m_summary->setWordWrap(true);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_summary->setFocusPolicy(Qt::TabFocus);

    // What the parts and the values are.
    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(m_resistors);
    kindRow->addWidget(m_capacitors);
    kindRow->addStretch();
    auto* rangeRow = new QHBoxLayout;
    rangeRow->addWidget(BuddyLabel(QStringLiteral("S&eries:"), m_series));
    rangeRow->addWidget(m_series);
    rangeRow->addWidget(BuddyLabel(QStringLiteral("&From:"), m_from));
    rangeRow->addWidget(m_from, 1);
    rangeRow->addWidget(BuddyLabel(QStringLiteral("&To:"), m_to));
    rangeRow->addWidget(m_to, 1);
    auto* valuesBox = new QGroupBox(QStringLiteral("Parts and values"));
    auto* valuesLayout = new QVBoxLayout(valuesBox);
    valuesLayout->addLayout(kindRow);
    valuesLayout->addWidget(m_range);
    valuesLayout->addLayout(rangeRow);
    valuesLayout->addWidget(m_list);
    valuesLayout->addWidget(m_values, 1);
    m_custom->setToolTip(QStringLiteral("Sizes in millimetres from the paper's top-left corner"));

    // The sheet, and the figures of a sheet no preset describes.
    auto* customGrid = new QGridLayout(m_custom);
    customGrid->setContentsMargins(0, 0, 0, 0);
    const std::array<std::pair<const char*, QWidget*>, 10> customFields = {{{"Page width:", m_pageWidth},
                                                                            {"Page height:", m_pageHeight},
                                                                            {"Columns:", m_columns},
                                                                            {"Rows:", m_rows},
                                                                            {"Label width:", m_labelWidth},
                                                                            {"Label height:", m_labelHeight},
                                                                            {"Left margin:", m_left},
                                                                            {"Top margin:", m_top},
                                                                            {"Pitch across:", m_across},
                                                                            {"Pitch down:", m_down}}};
    for (std::size_t i = 0; i < customFields.size(); ++i) {
        const int row = int(i / 2);
        const int column = int(i % 2) * 2;
        customGrid->addWidget(BuddyLabel(QString::fromUtf8(customFields[i].first), customFields[i].second), row,
                              column);
        customGrid->addWidget(customFields[i].second, row, column + 1);
    }
    auto* sheetBox = new QGroupBox(QStringLiteral("Label sheet"));
    auto* sheetLayout = new QVBoxLayout(sheetBox);
    auto* sheetRow = new QHBoxLayout;
    sheetRow->addWidget(BuddyLabel(QStringLiteral("S&heet:"), m_sheet));
    sheetRow->addWidget(m_sheet, 1);
    sheetLayout->addLayout(sheetRow);
    sheetLayout->addWidget(m_custom);

    // What a label shows and where the sheet starts.
    auto* labelBox = new QGroupBox(QStringLiteral("What a label shows"));
    auto* labelGrid = new QGridLayout(labelBox);
    labelGrid->addWidget(BuddyLabel(QStringLiteral("&Start at label:"), m_start), 0, 0);
    labelGrid->addWidget(m_start, 0, 1);
    labelGrid->addWidget(BuddyLabel(QStringLiteral("&Copies:"), m_copies), 0, 2);
    labelGrid->addWidget(m_copies, 0, 3);
    labelGrid->addWidget(m_bands, 1, 0, 1, 2);
    labelGrid->addWidget(m_smd, 1, 2, 1, 2);
    labelGrid->addWidget(m_letter, 2, 0, 1, 2);
    labelGrid->addWidget(m_outlines, 2, 2, 1, 2);
    labelGrid->addWidget(m_fold, 3, 0, 1, 2);
    labelGrid->addWidget(BuddyLabel(QStringLiteral("Offset &X:"), m_offsetX), 4, 0);
    labelGrid->addWidget(m_offsetX, 4, 1);
    labelGrid->addWidget(BuddyLabel(QStringLiteral("Offset &Y:"), m_offsetY), 4, 2);
    labelGrid->addWidget(m_offsetY, 4, 3);
    for (QCheckBox* box : {m_bands, m_smd, m_letter})
        box->setChecked(true);

    auto* left = new QVBoxLayout;
    left->addWidget(valuesBox, 1);
    left->addWidget(sheetBox);
    left->addWidget(labelBox);

    auto* pageRow = new QHBoxLayout;
    pageRow->addWidget(m_previous);
    pageRow->addStretch();
    pageRow->addWidget(m_next);
    m_summary->setAlignment(Qt::AlignCenter);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_calibration);
    buttons->addStretch();
    buttons->addWidget(m_saveSvg);
    buttons->addWidget(m_savePdf);
    buttons->addWidget(m_print);
    m_print->setAutoDefault(false);
    for (QPushButton* b : {m_previous, m_next, m_savePdf, m_saveSvg, m_calibration})
        b->setAutoDefault(false);

    auto* right = new QVBoxLayout;
    right->addWidget(m_preview, 1);
    right->addWidget(m_summary);
    right->addLayout(pageRow);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 0);
    columns->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
    m_values->setMinimumHeight(m_values->fontMetrics().lineSpacing() * 4);
    resize(860, 600);

    // The calibration page is printed or saved like a sheet; a menu on the button
    // offers the three, and opens by keyboard as the button is pressed.
    auto* calibrationMenu = new QMenu(m_calibration);
    connect(calibrationMenu->addAction(QStringLiteral("&Print\u2026")), &QAction::triggered, this,
            Guarded(this, [this](bool) { print(calibration()); }));
    connect(calibrationMenu->addAction(QStringLiteral("Save P&DF\u2026")), &QAction::triggered, this,
            Guarded(this, [this](bool) { chooseAndSavePdf(calibration()); }));
    connect(calibrationMenu->addAction(QStringLiteral("Save &SVG\u2026")), &QAction::triggered, this,
            Guarded(this, [this](bool) { chooseAndSaveSvg(calibration()); }));
    m_calibration->setMenu(calibrationMenu);

    // The keyboard goes down the left column, then through the preview's page buttons
    // and the actions.
    const std::array<QWidget*, 34> order = {
        m_resistors, m_capacitors, m_range,    m_series,  m_from,       m_to,          m_list,     m_values, m_sheet,
        m_pageWidth, m_pageHeight, m_columns,  m_rows,    m_labelWidth, m_labelHeight, m_left,     m_top,    m_across,
        m_down,      m_start,      m_copies,   m_bands,   m_smd,        m_letter,      m_outlines, m_fold,   m_offsetX,
        m_offsetY,   m_preview,    m_previous, m_summary, m_next,       m_calibration, m_saveSvg};
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    setTabOrder(m_saveSvg, m_savePdf);
    setTabOrder(m_savePdf, m_print);
}

void LabelsWindow::connectControls()
{
    const auto changed = [this] { scheduleLayout(); };
    connect(m_resistors, &QRadioButton::toggled, this, [this](bool) { quantityChosen(); });
    connect(m_range, &QRadioButton::toggled, this, [this](bool) { sourceChosen(); });
    connect(m_series, &QComboBox::currentIndexChanged, this, changed);
    connect(m_from, &QLineEdit::textChanged, this, changed);
    connect(m_to, &QLineEdit::textChanged, this, changed);
    connect(m_values, &QPlainTextEdit::textChanged, this, changed);
    connect(m_sheet, &QComboBox::currentIndexChanged, this, [this] { sheetChosen(); });
    // The fields are edited only while they show the custom sheet.
    const auto customEdited = [this] {
        if (sheetKey() == CustomSheet)
            m_customSheet = sheetInFields();
        scheduleLayout();
    };
    for (QDoubleSpinBox* box :
         {m_pageWidth, m_pageHeight, m_labelWidth, m_labelHeight, m_left, m_top, m_across, m_down})
        connect(box, &QDoubleSpinBox::valueChanged, this, customEdited);
    for (QSpinBox* box : {m_columns, m_rows})
        connect(box, &QSpinBox::valueChanged, this, customEdited);
    for (QSpinBox* box : {m_start, m_copies})
        connect(box, &QSpinBox::valueChanged, this, changed);
    for (QCheckBox* box : {m_bands, m_smd, m_letter, m_outlines, m_fold})
        connect(box, &QCheckBox::toggled, this, changed);
    for (QDoubleSpinBox* box : {m_offsetX, m_offsetY})
        connect(box, &QDoubleSpinBox::valueChanged, this, [this] {
            m_offsets[sheetKey()] = {m_offsetX->value(), m_offsetY->value()};
            scheduleLayout();
        });
    connect(m_previous, &QPushButton::clicked, this, [this] { m_preview->setPage(m_preview->page() - 1); });
    connect(m_next, &QPushButton::clicked, this, [this] { m_preview->setPage(m_preview->page() + 1); });
    connect(m_preview, &LabelPreview::pageChanged, this, &LabelsWindow::showPage);
    connect(m_print, &QPushButton::clicked, this, Guarded(this, [this](bool) { print(labelLayout()); }));
    connect(m_savePdf, &QPushButton::clicked, this, Guarded(this, [this](bool) { chooseAndSavePdf(labelLayout()); }));
    connect(m_saveSvg, &QPushButton::clicked, this, Guarded(this, [this](bool) { chooseAndSaveSvg(labelLayout()); }));
}

void LabelsWindow::open(Quantity q, std::optional<double> value)
{
    (q == Quantity::Capacitance ? m_capacitors : m_resistors)->setChecked(true);
    if (value) {
        m_list->setChecked(true);
        m_values->setPlainText(ListedValue(*value, q));
    }
    refresh();
    show();
    raise();
    activateWindow();
}

Quantity LabelsWindow::quantity() const
{
    return m_capacitors->isChecked() ? Quantity::Capacitance : Quantity::Resistance;
}

QString LabelsWindow::sheetKey() const
{
    return m_sheet->currentData().toString();
}

Sheet LabelsWindow::sheet() const
{
    const QString key = sheetKey();
    if (key != CustomSheet) {
        if (const Sheet* preset = FindPresetSheet(key))
            return *preset;
    }
    return m_customSheet;
}

Sheet LabelsWindow::sheetInFields() const
{
    Sheet s;
    s.id = CustomSheet;
    s.page = {m_pageWidth->value(), m_pageHeight->value()};
    s.pageName = s.page == A4Page       ? QStringLiteral("A4")
                 : s.page == LetterPage ? QStringLiteral("Letter")
                                        : QStringLiteral("%1x%2").arg(s.page.width()).arg(s.page.height());
    s.columns = m_columns->value();
    s.rows = m_rows->value();
    s.label = {m_labelWidth->value(), m_labelHeight->value()};
    s.left = m_left->value();
    s.top = m_top->value();
    s.across = m_across->value();
    s.down = m_down->value();
    return s;
}

void LabelsWindow::showInFields(const Sheet& sheet)
{
    const std::array<QSignalBlocker, 10> blockers = {
        QSignalBlocker(m_pageWidth),  QSignalBlocker(m_pageHeight),  QSignalBlocker(m_columns), QSignalBlocker(m_rows),
        QSignalBlocker(m_labelWidth), QSignalBlocker(m_labelHeight), QSignalBlocker(m_left),    QSignalBlocker(m_top),
        QSignalBlocker(m_across),     QSignalBlocker(m_down)};
    m_pageWidth->setValue(sheet.page.width());
    m_pageHeight->setValue(sheet.page.height());
    m_columns->setValue(sheet.columns);
    m_rows->setValue(sheet.rows);
    m_labelWidth->setValue(sheet.label.width());
    m_labelHeight->setValue(sheet.label.height());
    m_left->setValue(sheet.left);
    m_top->setValue(sheet.top);
    m_across->setValue(sheet.across);
    m_down->setValue(sheet.down);
}

LabelOptions LabelsWindow::options() const
{
    LabelOptions o;
    o.quantity = quantity();
    o.sheet = sheet();
    o.start = m_start->value();
    o.copies = m_copies->value();
    o.bands = m_bands->isChecked();
    o.smd = m_smd->isChecked();
    o.letter = m_letter->isChecked();
    o.outlines = m_outlines->isChecked();
    o.fold = m_fold->isChecked();
    o.offsetX = m_offsetX->value();
    o.offsetY = m_offsetY->value();
    o.decimalPoint = QLocale().decimalPoint().at(0);
    return o;
}

ValueListResult LabelsWindow::values() const
{
    if (m_list->isChecked())
        return ReadValueList(m_values->toPlainText(), quantity());
    const auto series = static_cast<ESeries>(m_series->currentIndex());
    RangeResult range = SeriesRange(series, m_from->text().trimmed(), m_to->text().trimmed(), quantity());
    ValueListResult r;
    r.values = std::move(range.values);
    r.error = std::move(range.error);
    return r;
}

const LabelLayout& LabelsWindow::labelLayout() const
{
    return m_preview->labelLayout();
}

void LabelsWindow::quantityChosen()
{
    // A range field the user has not touched follows the kind of part.
    const bool capacitors = quantity() == Quantity::Capacitance;
    const RangeDefaults& was = capacitors ? ResistorRange : CapacitorRange;
    const RangeDefaults& now = capacitors ? CapacitorRange : ResistorRange;
    if (IsDefault(m_from->text(), was, true) || m_from->text().isEmpty())
        m_from->setText(QString::fromUtf8(now.from));
    if (IsDefault(m_to->text(), was, false) || m_to->text().isEmpty())
        m_to->setText(QString::fromUtf8(now.to));
    scheduleLayout();
}

void LabelsWindow::sourceChosen()
{
    const bool range = m_range->isChecked();
    m_series->setEnabled(range);
    m_from->setEnabled(range);
    m_to->setEnabled(range);
    m_values->setEnabled(!range);
    scheduleLayout();
}

void LabelsWindow::sheetChosen()
{
    const QString key = sheetKey();
    const bool custom = key == CustomSheet;
    m_custom->setEnabled(custom);
    showInFields(sheet());
    // Each sheet keeps its own offsets: a printer feeds each kind of stock its own way.
    if (!m_loading && key != m_offsetSheet) {
        const QPointF offset = m_offsets.value(key);
        const QSignalBlocker bx(m_offsetX), by(m_offsetY);
        m_offsetX->setValue(offset.x());
        m_offsetY->setValue(offset.y());
    }
    m_offsetSheet = key;
    scheduleLayout();
}

void LabelsWindow::scheduleLayout()
{
    if (!m_loading)
        m_layoutTimer.start();
}

void LabelsWindow::refresh()
{
    m_layoutTimer.stop();
    layOut();
}

void LabelsWindow::layOut()
{
    const LabelOptions o = options();
    // The start slot is a slot of the first page.
    m_start->setMaximum(std::max(1, o.sheet.slotCount()));
    QString problem = OptionsProblem(o);
    ValueListResult list;
    if (problem.isEmpty()) {
        list = values();
        problem = list.error;
    }
    if (problem.isEmpty() && list.values.empty())
        problem = QStringLiteral("No values to print");
    m_problem = problem;
    m_preview->setLayout(problem.isEmpty() ? LayOutLabels(list.values, o) : LabelLayout{});
    const bool ready = problem.isEmpty();
    m_print->setEnabled(ready);
    m_savePdf->setEnabled(ready);
    m_saveSvg->setEnabled(ready);
    m_calibration->setEnabled(SheetProblem(o.sheet).isEmpty());
    showPage();
}

void LabelsWindow::showPage()
{
    const int pages = m_preview->pageCount();
    const QString text = m_problem.isEmpty() ? LayoutSummary(labelLayout()) : m_problem;
    m_summary->setText(text);
    m_summary->setAccessibleDescription(text);
    m_previous->setEnabled(m_preview->page() > 0);
    m_next->setEnabled(m_preview->page() + 1 < pages);
}

LabelLayout LabelsWindow::calibration() const
{
    const LabelOptions o = options();
    return CalibrationLayout(o.sheet, o.offsetX, o.offsetY);
}

void LabelsWindow::print(const LabelLayout& layout)
{
    if (layout.pages.empty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    // Positions are measured from the paper's corner, not from the printable area.
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(QPageSize(layout.page, QPageSize::Millimeter), QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    printer.setDocName(QStringLiteral("Kolvane labels"));
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, int(layout.pages.size()));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    if (dialog.exec() != QDialog::Accepted)
        return;
    LabelLayout chosen = layout;
    if (printer.printRange() == QPrinter::PageRange) {
        const int first = std::clamp(printer.fromPage(), 1, int(layout.pages.size()));
        const int last = std::clamp(printer.toPage(), first, int(layout.pages.size()));
        chosen.pages.assign(layout.pages.begin() + (first - 1), layout.pages.begin() + last);
    }
    if (!PaintLabelPages(printer, chosen))
        ShowMessage(this, QStringLiteral("The printer could not be started."));
}

QString LabelsWindow::askSavePath(const QString& caption, const QString& suffix, const QString& filter)
{
    if (m_folder.isEmpty())
        m_folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString proposed = QDir(m_folder).filePath(QStringLiteral("labels.") + suffix);
    QString path = QFileDialog::getSaveFileName(this, caption, proposed, filter);
    if (path.isEmpty())
        return {};
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + suffix;
    m_folder = QFileInfo(path).absolutePath();
    return path;
}

void LabelsWindow::reportFailure(const QString& path)
{
    ShowMessage(this, QStringLiteral("Could not write %1.").arg(QDir::toNativeSeparators(path)));
}

void LabelsWindow::chooseAndSavePdf(const LabelLayout& layout)
{
    if (layout.pages.empty())
        return;
    const QString path = askSavePath(QStringLiteral("Save PDF"), QStringLiteral("pdf"), QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!WritePdfFile(layout, path))
        reportFailure(path);
}

void LabelsWindow::chooseAndSaveSvg(const LabelLayout& layout)
{
    if (layout.pages.empty())
        return;
    const QString path = askSavePath(QStringLiteral("Save SVG"), QStringLiteral("svg"), QStringLiteral("SVG (*.svg)"));
    if (path.isEmpty())
        return;
    if (const QString failed = WriteSvgFiles(layout, quantity(), path); !failed.isEmpty())
        reportFailure(failed);
}

void LabelsWindow::hideEvent(QHideEvent* event)
{
    saveSettings();
    QDialog::hideEvent(event);
}

void LabelsWindow::loadSettings()
{
    QSettings settings;
    settings.beginGroup(SettingsGroup);
    const int series = m_series->findText(settings.value(QStringLiteral("series")).toString());
    if (series >= 0)
        m_series->setCurrentIndex(series);
    m_from->setText(QString::fromUtf8(ResistorRange.from));
    m_to->setText(QString::fromUtf8(ResistorRange.to));
    m_copies->setValue(settings.value(QStringLiteral("copies"), 1).toInt());
    const std::array<std::pair<QCheckBox*, const char*>, 5> boxes = {
        {{m_bands, "bands"}, {m_smd, "smd"}, {m_letter, "letter"}, {m_outlines, "outlines"}, {m_fold, "fold"}}};
    for (const auto& [box, key] : boxes)
        box->setChecked(settings.value(QString::fromLatin1(key), box->isChecked()).toBool());

    // The custom sheet starts as plain A4 cut three by eleven, a sheet anyone can make.
    const Sheet* plain = FindPresetSheet(u"a4-3x11");
    const Sheet base = plain ? *plain : Sheet{};
    settings.beginGroup(QStringLiteral("custom"));
    const auto number = [&](const char* key, double otherwise) {
        return settings.value(QString::fromLatin1(key), otherwise).toDouble();
    };
    const auto count = [&](const char* key, int otherwise) {
        return settings.value(QString::fromLatin1(key), otherwise).toInt();
    };
    // Through the fields, which hold each figure to its range.
    m_pageWidth->setValue(number("pageWidth", base.page.width()));
    m_pageHeight->setValue(number("pageHeight", base.page.height()));
    m_columns->setValue(count("columns", base.columns));
    m_rows->setValue(count("rows", base.rows));
    m_labelWidth->setValue(number("labelWidth", base.label.width()));
    m_labelHeight->setValue(number("labelHeight", base.label.height()));
    m_left->setValue(number("left", base.left));
    m_top->setValue(number("top", base.top));
    m_across->setValue(number("across", base.across));
    m_down->setValue(number("down", base.down));
    m_customSheet = sheetInFields();
    settings.endGroup();

    settings.beginGroup(QStringLiteral("offsets"));
    for (const QString& key : settings.childGroups()) {
        const double x =
            std::clamp(settings.value(key + QStringLiteral("/x")).toDouble(), -LargestOffset, LargestOffset);
        const double y =
            std::clamp(settings.value(key + QStringLiteral("/y")).toDouble(), -LargestOffset, LargestOffset);
        m_offsets.insert(key, {x, y});
    }
    settings.endGroup();

    const int sheet = m_sheet->findData(settings.value(QStringLiteral("sheet")).toString());
    m_sheet->setCurrentIndex(sheet >= 0 ? sheet : 0);
    m_offsetSheet = sheetKey();
    const QPointF offset = m_offsets.value(m_offsetSheet);
    m_offsetX->setValue(offset.x());
    m_offsetY->setValue(offset.y());
    m_folder = settings.value(QStringLiteral("folder")).toString();
    sheetChosen();
    sourceChosen();
}

void LabelsWindow::saveSettings() const
{
    QSettings settings;
    settings.beginGroup(SettingsGroup);
    settings.setValue(QStringLiteral("sheet"), sheetKey());
    settings.setValue(QStringLiteral("series"), m_series->currentText());
    settings.setValue(QStringLiteral("copies"), m_copies->value());
    settings.setValue(QStringLiteral("bands"), m_bands->isChecked());
    settings.setValue(QStringLiteral("smd"), m_smd->isChecked());
    settings.setValue(QStringLiteral("letter"), m_letter->isChecked());
    settings.setValue(QStringLiteral("outlines"), m_outlines->isChecked());
    settings.setValue(QStringLiteral("fold"), m_fold->isChecked());
    if (!m_folder.isEmpty())
        settings.setValue(QStringLiteral("folder"), m_folder);
    settings.beginGroup(QStringLiteral("custom"));
    const Sheet& c = m_customSheet;
    settings.setValue(QStringLiteral("pageWidth"), c.page.width());
    settings.setValue(QStringLiteral("pageHeight"), c.page.height());
    settings.setValue(QStringLiteral("columns"), c.columns);
    settings.setValue(QStringLiteral("rows"), c.rows);
    settings.setValue(QStringLiteral("labelWidth"), c.label.width());
    settings.setValue(QStringLiteral("labelHeight"), c.label.height());
    settings.setValue(QStringLiteral("left"), c.left);
    settings.setValue(QStringLiteral("top"), c.top);
    settings.setValue(QStringLiteral("across"), c.across);
    settings.setValue(QStringLiteral("down"), c.down);
    settings.endGroup();
    settings.beginGroup(QStringLiteral("offsets"));
    for (auto it = m_offsets.cbegin(); it != m_offsets.cend(); ++it) {
        settings.setValue(it.key() + QStringLiteral("/x"), it.value().x());
        settings.setValue(it.key() + QStringLiteral("/y"), it.value().y());
    }
    settings.endGroup();
}

} // namespace kolvane

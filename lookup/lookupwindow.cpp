// SPDX-License-Identifier: MIT
#include "lookupwindow.h"

#include "codepictureview.h"
#include "contextmenu.h"
#include "eseries.h"
#include "feedback.h"
#include "listaccessible.h"
#include "lookuptext.h"
#include "pagecode.h"
#include "placement.h"
#include "stocklist.h"
#include "valuetext.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStyle>
#include <QTextBlock>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace kolvane {
namespace {

// The finder's answers shown for one reading.
constexpr int ShownCombinations = 10;

const QString NotReadable = QStringLiteral("Not a value, marking or colour code");

QLabel* BuddyLabel(const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    label->setBuddy(buddy);
    return label;
}

// A list that tells assistive tools its current item has the focus only while it has
// the focus: the readings change as the user types in the field above, and a screen
// reader must not be sent to the list mid-word.
class FocusHonestList : public QListWidget {
protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override
    {
        if (hasFocus())
            QListWidget::currentChanged(current, previous);
        else
            QAbstractItemView::currentChanged(current, previous); // NOLINT(bugprone-parent-virtual-call)
    }
};

} // namespace

LookupWindow::LookupWindow(QWidget* parent)
    : QDialog(parent), m_input(new QLineEdit), m_resistor(new QRadioButton(QStringLiteral("&Resistor"))),
      m_capacitor(new QRadioButton(QStringLiteral("&Capacitor"))), m_readingList(new FocusHonestList),
      m_details(new QPlainTextEdit), m_picture(new CodePictureView), m_partsFrom(new QComboBox),
      m_mostParts(new QComboBox), m_combinations(new FocusHonestList),
      m_showOnPage(new QPushButton(QStringLiteral("&Show on page"))),
      m_finder([this](const std::vector<Combination>& found) { showFound(found); })
{
    setWindowTitle(QStringLiteral("Look up"));
    setModal(false);
    // A window of its own, not a dialog: a dialog stays above the main window, and the
    // page that Show on page fills would stay hidden behind it.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setUpControls();
    layOut();
    connectControls();
    addCopyMenus();
    // Beside the main window at its first showing, so that neither hides the other;
    // after that the window stays where the user put it.
    CentredOverParent::install(this, CentredOverParent::FirstShowing, CentredOverParent::Beside);
    readInput();
}

void LookupWindow::setUpControls()
{
    m_input->setAccessibleName(QStringLiteral("Value, marking or colours"));
    m_input->setPlaceholderText(QStringLiteral("6.4k, 4K7, 01C, 104, yellow violet red gold"));
    m_input->setMaxLength(int(LongestReadableText));
    // The field's own clear button fades in and out with each emptying, and its fades
    // pile up as typing goes on; this one shows and hides at once.
    auto* clear = new QAction(style()->standardIcon(QStyle::SP_LineEditClearButton), QStringLiteral("Clear"), m_input);
    m_input->addAction(clear, QLineEdit::TrailingPosition);
    clear->setVisible(false);
    connect(clear, &QAction::triggered, m_input, &QLineEdit::clear);
    connect(m_input, &QLineEdit::textChanged, clear,
            [clear](const QString& text) { clear->setVisible(!text.isEmpty()); });
    for (auto* button : m_input->findChildren<QToolButton*>())
        button->setAccessibleName(QStringLiteral("Clear"));
    m_resistor->setChecked(true);
    m_readingList->setAccessibleName(QStringLiteral("Readings"));
    m_details->setAccessibleName(QStringLiteral("Details"));
    m_details->setReadOnly(true);
    m_details->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_details->setTabChangesFocus(true);
    m_details->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_combinations->setAccessibleName(QStringLiteral("Combinations"));
    for (const ESeries s : AllSeries)
        m_partsFrom->addItem(QString::fromLatin1(SeriesName(s).data()));
    m_partsFrom->addItem(QStringLiteral("Stock list\u2026"));
    m_lastSeriesIndex = int(ESeries::E24);
    m_partsFrom->setCurrentIndex(m_lastSeriesIndex);
    NameList(m_partsFrom, QStringLiteral("Parts from"));
    m_partsFrom->installEventFilter(this);
    for (const char* n : {"1", "2", "3"})
        m_mostParts->addItem(QString::fromLatin1(n));
    m_mostParts->setCurrentIndex(1);
    NameList(m_mostParts, QStringLiteral("Most parts"));
    m_showOnPage->setAutoDefault(true);
    m_showOnPage->setDefault(true);
    m_showOnPage->setEnabled(false);
}

void LookupWindow::layOut()
{
    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(m_resistor);
    kindRow->addWidget(m_capacitor);
    kindRow->addStretch();
    auto* partsRow = new QHBoxLayout;
    partsRow->addWidget(BuddyLabel(QStringLiteral("&Parts from:"), m_partsFrom));
    partsRow->addWidget(m_partsFrom);
    partsRow->addSpacing(12);
    partsRow->addWidget(BuddyLabel(QStringLiteral("&Most parts:"), m_mostParts));
    partsRow->addWidget(m_mostParts);
    partsRow->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_showOnPage);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuddyLabel(QStringLiteral("&Value, marking or colours:"), m_input));
    layout->addWidget(m_input);
    layout->addLayout(kindRow);
    layout->addWidget(BuddyLabel(QStringLiteral("R&eadings:"), m_readingList));
    layout->addWidget(m_readingList, 2);
    layout->addWidget(BuddyLabel(QStringLiteral("&Details:"), m_details));
    layout->addWidget(m_details, 3);
    layout->addWidget(m_picture);
    layout->addWidget(BuddyLabel(QStringLiteral("C&ombinations:"), m_combinations));
    layout->addLayout(partsRow);
    layout->addWidget(m_combinations, 3);
    layout->addLayout(buttons);
    resize(480, 560);

    setTabOrder(m_input, m_resistor);
    setTabOrder(m_resistor, m_capacitor);
    setTabOrder(m_capacitor, m_readingList);
    setTabOrder(m_readingList, m_details);
    setTabOrder(m_details, m_partsFrom);
    setTabOrder(m_partsFrom, m_mostParts);
    setTabOrder(m_mostParts, m_combinations);
    setTabOrder(m_combinations, m_showOnPage);
}

void LookupWindow::connectControls()
{
    auto* kinds = new QButtonGroup(this);
    kinds->addButton(m_resistor);
    kinds->addButton(m_capacitor);
    connect(m_input, &QLineEdit::textChanged, this, &LookupWindow::readInput);
    connect(m_input, &QLineEdit::returnPressed, this, &LookupWindow::requestShowOnPage);
    connect(kinds, &QButtonGroup::buttonToggled, this, [this](QAbstractButton*, bool on) {
        if (on)
            readInput();
    });
    connect(m_readingList, &QListWidget::currentRowChanged, this, &LookupWindow::showSelected);
    connect(m_readingList, &QListWidget::itemSelectionChanged, this, &LookupWindow::followSelection);
    connect(m_readingList, &QListWidget::itemActivated, this, &LookupWindow::requestShowOnPage);
    connect(m_partsFrom, &QComboBox::activated, this, &LookupWindow::choosePartsSource);
    connect(m_mostParts, &QComboBox::activated, this, &LookupWindow::findCombinations);
    connect(m_showOnPage, &QPushButton::clicked, this, &LookupWindow::requestShowOnPage);
}

void LookupWindow::addCopyMenus()
{
    const auto currentText = [](QListWidget* list) {
        const QListWidgetItem* item = list->currentItem();
        return item ? item->text() : QString();
    };
    addCopyMenu(m_readingList, [this, currentText] { return currentText(m_readingList); });
    // A reading's value goes onto a sheet of labels; the Labels window is the main
    // window's, so the request goes there.
    if (auto* readingMenu = m_readingList->findChild<ContextMenu*>()) {
        QAction* print = readingMenu->addItem(QStringLiteral("&Print labels\u2026"), [this] {
            if (const auto reading = selectedReading())
                emit printLabels(quantity(), reading->value);
        });
        connect(readingMenu->menu(), &QMenu::aboutToShow, print,
                [this, print] { print->setEnabled(bool(selectedReading())); });
    }
    addCopyMenu(m_combinations, [this, currentText] { return currentText(m_combinations); });
    // A detail line is copied whole unless part of the text is selected. A text field
    // copies only what is selected by itself; here Ctrl+C copies the line too.
    m_detailsCopy = addCopyMenu(m_details, [this] {
        const QTextCursor cursor = m_details->textCursor();
        return cursor.hasSelection() ? cursor.selectedText() : cursor.block().text();
    });
    m_details->installEventFilter(this);
}

LookupWindow::~LookupWindow() = default;

bool LookupWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_details && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        m_detailsCopy->trigger();
        return true;
    }
    if (watched == m_partsFrom && event->type() == QEvent::KeyPress)
        return partsFromKey(static_cast<QKeyEvent*>(event));
    if (watched == m_partsFrom && event->type() == QEvent::Wheel)
        stepParts();
    return QDialog::eventFilter(watched, event);
}

bool LookupWindow::partsFromKey(QKeyEvent* event)
{
    const int stockItem = int(AllSeries.size());
    const bool choose = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (choose && m_partsFrom->currentIndex() == stockItem && event->modifiers() == Qt::NoModifier) {
        choosePartsSource(stockItem);
        return true;
    }
    // The list is closed here (its open list takes its own keys): a key that moves the
    // selection only passes the items.
    if (!choose)
        stepParts();
    return false;
}

void LookupWindow::stepParts()
{
    // The list handles the key or the wheel right after this, and says it has been
    // activated while doing so.
    m_steppingParts = true;
    QTimer::singleShot(0, this, [this] { m_steppingParts = false; });
}

QAction* LookupWindow::addCopyMenu(QWidget* widget, std::function<QString()> text)
{
    auto* menu = new ContextMenu(widget);
    QAction* copy = menu->addCopyItem(QStringLiteral("&Copy"), std::move(text));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    widget->addAction(copy);
    return copy;
}

Quantity LookupWindow::quantity() const
{
    return m_capacitor->isChecked() ? Quantity::Capacitance : Quantity::Resistance;
}

void LookupWindow::lookUp(Quantity q, const std::optional<QString>& text)
{
    (q == Quantity::Capacitance ? m_capacitor : m_resistor)->setChecked(true);
    if (text)
        m_input->setText(*text);
    show();
    raise();
    activateWindow();
    m_input->setFocus(Qt::OtherFocusReason);
    m_input->selectAll();
}

void LookupWindow::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    // The field keeps every keystroke as an undo step until its text is set whole, and
    // Look up is opened, typed into and closed again all day long: its undo steps end
    // with the showing they were typed in, and the text stays as it was left.
    if (m_input->isUndoAvailable() || m_input->isRedoAvailable())
        m_input->setText(m_input->text());
}

void LookupWindow::readInput()
{
    const QString text = m_input->text();
    const Quantity q = quantity();
    std::vector<TextReading> readings = ReadText(text, q, QLocale());
    if (readings.empty() && !text.trimmed().isEmpty()) {
        // Input that reads no way says so, and nothing else changes.
        const QSignalBlocker quiet(m_readingList);
        m_readingList->clear();
        m_readings.clear();
        auto* item = new QListWidgetItem(NotReadable, m_readingList);
        item->setFlags(Qt::ItemIsEnabled);
        m_showOnPage->setEnabled(false);
        m_showOnPage->setToolTip(QString());
        m_showOnPage->setAccessibleDescription(QString());
        return;
    }
    m_readings = std::move(readings);
    {
        const QSignalBlocker quiet(m_readingList);
        m_readingList->clear();
        for (const TextReading& r : m_readings)
            m_readingList->addItem(ReadingLine(r, q, QLocale()));
    }
    if (!m_readings.empty())
        m_readingList->setCurrentRow(0);
    showSelected();
}

std::optional<TextReading> LookupWindow::selectedReading() const
{
    const int row = m_readingList->currentRow();
    if (row < 0 || row >= int(m_readings.size()))
        return std::nullopt;
    return m_readings[static_cast<std::size_t>(row)];
}

void LookupWindow::followSelection()
{
    const QList<QListWidgetItem*> selected = m_readingList->selectedItems();
    if (selected.size() == 1 && selected.front() != m_readingList->currentItem())
        m_readingList->setCurrentItem(selected.front());
}

void LookupWindow::showSelected()
{
    const auto reading = selectedReading();
    const PageCode onPage = reading ? PageCodeOf(*reading, quantity()) : PageCode{};
    m_showOnPage->setEnabled(onPage.code.has_value());
    m_showOnPage->setToolTip(onPage.whyNot);
    m_showOnPage->setAccessibleDescription(onPage.whyNot);
    m_details->setPlainText(
        reading ? DetailLines(DetailsOf(*reading, quantity()), quantity(), QLocale()).join(QLatin1Char('\n'))
                : QString());
    m_picture->showValue(reading ? std::optional(reading->value) : std::nullopt, quantity());
    findCombinations();
}

std::vector<double> LookupWindow::partValues() const
{
    const int index = m_partsFrom->currentIndex();
    if (index == int(AllSeries.size()))
        return m_stock;
    return SeriesValues(AllSeries[static_cast<std::size_t>(index)], SmallestSeriesPart, LargestSeriesPart);
}

void LookupWindow::findCombinations()
{
    m_finder.cancel();
    m_combinations->clear();
    const auto reading = selectedReading();
    if (!reading)
        return;
    if (quantity() == Quantity::Capacitance) {
        m_combinations->addItem(QStringLiteral("Combinations are for resistors"));
        return;
    }
    std::vector<double> parts = partValues();
    const int mostParts = m_mostParts->currentIndex() + 1;
    // The line the command line gives, not answers thousands of percent off.
    if (const auto why = OutOfReach(parts, reading->value, mostParts)) {
        m_combinations->addItem(QuantityText(reading->value, Quantity::Resistance) + QStringLiteral(" is ") + *why);
        return;
    }
    m_combinations->addItem(QStringLiteral("Finding combinations\u2026"));
    m_finder.request([parts = std::move(parts), target = reading->value, mostParts] {
        return FindCombinations(parts, target, mostParts, ShownCombinations);
    });
}

bool LookupWindow::isFinding() const
{
    return m_finder.isBusy();
}

void LookupWindow::showFound(const std::vector<Combination>& found)
{
    m_combinations->clear();
    for (const Combination& c : found)
        m_combinations->addItem(CombinationLine(c, QLocale()));
    if (found.empty())
        m_combinations->addItem(QStringLiteral("No combination from these parts"));
}

void LookupWindow::choosePartsSource(int index)
{
    // Stepping onto the stock list item with the keys or the wheel does not choose it.
    if (m_steppingParts && index == int(AllSeries.size()))
        return;
    if (index < int(AllSeries.size())) {
        m_lastSeriesIndex = index;
        findCombinations();
        return;
    }
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Stock list"), QString(),
                                                      QStringLiteral("Text files (*.txt);;All files (*)"));
    StockList stock;
    if (!path.isEmpty())
        stock = ReadStockFile(path);
    if (path.isEmpty() || !stock.error.isEmpty()) {
        if (!stock.error.isEmpty())
            ShowErrorBox(this, stock.error);
        m_partsFrom->setCurrentIndex(m_lastSeriesIndex);
        // The list's own selection, which assistive tools read, follows too.
        m_partsFrom->view()->selectionModel()->setCurrentIndex(
            m_partsFrom->model()->index(m_lastSeriesIndex, m_partsFrom->modelColumn()),
            QItemSelectionModel::ClearAndSelect);
        return;
    }
    m_stock = std::move(stock.values);
    m_partsFrom->setItemText(index, QStringLiteral("Stock list: %1").arg(QFileInfo(path).fileName()));
    findCombinations();
}

void LookupWindow::requestShowOnPage()
{
    const auto reading = selectedReading();
    if (const PageCode onPage = reading ? PageCodeOf(*reading, quantity()) : PageCode{}; onPage.code)
        emit showOnPage(quantity(), *onPage.code);
}

} // namespace kolvane

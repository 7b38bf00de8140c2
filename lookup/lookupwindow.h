// SPDX-License-Identifier: MIT
// The Look up window: one field for any value, marking or colour code, every reading
// of it, everything about the chosen reading, and how to make it from standard parts.
// Modeless, so the pages stay usable beside it; made on first use and kept.
#pragma once

#include "newestsearch.h"
#include "textreading.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <vector>

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QListWidget;
class QAction;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace kolvane {

class CodePictureView;

class LookupWindow : public QDialog {
    Q_OBJECT
public:
    explicit LookupWindow(QWidget* parent);
    ~LookupWindow() override;

    // Shows the window for `q` and brings it to the front; with a text, the field
    // holds that text, otherwise it keeps what it held.
    void lookUp(Quantity q, const std::optional<QString>& text = std::nullopt);

    Quantity quantity() const;
    // The readings now listed, best first.
    const std::vector<TextReading>& readings() const { return m_readings; }
    // The finder is running for the selected reading.
    bool isFinding() const;

signals:
    // "Show on page" for the selected reading: the colour code that states it on the
    // page of `q` (the window offers it only when there is one).
    void showOnPage(kolvane::Quantity q, const kolvane::BandCode& code);
    // "Print labels…" for the selected reading: its value in base units.
    void printLabels(kolvane::Quantity q, double value);

protected:
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The constructor's parts.
    void setUpControls();
    void layOut();
    void connectControls();
    void addCopyMenus();

    // Lists every reading of the field's text and selects the first.
    void readInput();
    // Details and combinations of the selected reading.
    void showSelected();
    void findCombinations();
    void showFound(const std::vector<Combination>& found);
    // "Parts from" changed: the stock list item asks for a file.
    void choosePartsSource(int index);
    void requestShowOnPage();
    std::optional<TextReading> selectedReading() const;
    // A selection made any way, an assistive tool's included, makes its row current.
    void followSelection();
    // Keys that step through "Parts from" pass over the stock list item; Enter on it
    // chooses it.
    bool partsFromKey(QKeyEvent* event);
    void stepParts();
    std::vector<double> partValues() const;
    // A "Copy" menu whose item Ctrl+C also runs while the widget has the focus.
    QAction* addCopyMenu(QWidget* widget, std::function<QString()> text);

    QLineEdit* m_input;
    QRadioButton* m_resistor;
    QRadioButton* m_capacitor;
    QListWidget* m_readingList;
    QPlainTextEdit* m_details;
    CodePictureView* m_picture;
    QComboBox* m_partsFrom;
    QComboBox* m_mostParts;
    QListWidget* m_combinations;
    QPushButton* m_showOnPage;
    QAction* m_detailsCopy = nullptr;

    std::vector<TextReading> m_readings;
    std::vector<double> m_stock;
    int m_lastSeriesIndex = 0;
    // Set while a key or the wheel steps through "Parts from" with its list closed.
    bool m_steppingParts = false;
    NewestSearch m_finder;
};

} // namespace kolvane

// SPDX-License-Identifier: MIT
// The main window: four pages, the menu bar with its shortcuts, and the commands that
// switch pages and open the help page, the maker's pages and the About dialog.
#pragma once

#include "lastreadings.h"
#include "lettercode.h"

#include <QMainWindow>

#include <memory>
#include <optional>

namespace Ui {
class TMainForm;
}

class QDialog;

namespace kolvane {

struct Windows;
class CapacitorPage;
class CombinePage;
class LabelsWindow;
class LookupWindow;
class ResistorPage;
class TColorForm;

// The pages, in the order of their tabs.
enum class Page { Resistor, Capacitor, ResistorCombinations, CapacitorCombinations };
// The kind of part a page is about.
Quantity PartOf(Page page);

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    ResistorPage& resistorPage() { return *m_resistor; }
    CapacitorPage& capacitorPage() { return *m_capacitor; }
    // What the two colour-code pages last read from their bands, each page's own.
    LastReadings lastReadings() const;

    // The dialogs are made on first use, once, hidden, and reused until the main
    // window goes; a start-up that shows only the main window does not pay for them.
    TColorForm* colorForm();
    QDialog* about();
    // The Look up window, made on its first use and then kept; it is no dialog of the
    // start-up, so nothing makes it before then.
    LookupWindow* lookupWindow();
    // The Labels window, made on its first use and then kept.
    LabelsWindow* labelsWindow();

    // Brings a page to the front; `index` counts as Page does.
    void showPage(Page page);
    void showPage(int index) { showPage(Page(index)); }
    Page currentPage() const;
    // Opens the help page that is installed beside the program, if it is there.
    void openHelp();
    void openHomePage();
    void openProductPage();
    void showAbout();
    // Shows the Look up window for the part of the page in front, or for `part`; with
    // a text, the field holds it.
    void openLookup(const std::optional<QString>& text = std::nullopt);
    void openLookup(Quantity part, const std::optional<QString>& text);
    // Shows the Labels window for the page in front, or for `q`; with a value, the
    // window lists it.
    void openLabels(std::optional<Quantity> q = std::nullopt, std::optional<double> value = std::nullopt);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<Ui::TMainForm> ui;
    ResistorPage* m_resistor = nullptr;
    CapacitorPage* m_capacitor = nullptr;
    CombinePage* m_combine = nullptr;
    TColorForm* m_colorForm = nullptr;
    QDialog* m_about = nullptr;
    LookupWindow* m_lookup = nullptr;
    LabelsWindow* m_labels = nullptr;
    // The page in front, kept while a modal dialog is open.
    int m_page = 0;
};

// Puts an access key on each entry: the first letter or digit of its caption that no
// earlier entry of the same menu has taken.
void AssignAccessKeys(const QList<QAction*>& entries);

// The program's three windows: the main window, created here, and the two dialogs
// that it owns and makes when they are first asked for.
struct Windows {
    std::unique_ptr<TMainForm> mainForm;
    TColorForm* colorForm() const { return mainForm->colorForm(); }
    QDialog* about() const { return mainForm->about(); }
};
Windows CreateWindows();

} // namespace kolvane

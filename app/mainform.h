// SPDX-License-Identifier: MIT
// The main window: four pages, the menu bar with its shortcuts, and the commands that
// switch pages and open the help page, the maker's pages and the About dialog.
#pragma once

#include "lastreadings.h"

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
class LookupWindow;
class ResistorPage;
class TColorForm;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    ResistorPage& resistorPage() { return *m_resistor; }
    CapacitorPage& capacitorPage() { return *m_capacitor; }
    // What the two colour-code pages last read from their bands.
    const LastReadings& lastReadings() const { return m_lastReadings; }

    // The dialogs are made on first use, once, hidden, and reused until the main
    // window goes; a start-up that shows only the main window does not pay for them.
    TColorForm* colorForm();
    QDialog* about();
    // The Look up window, made on its first use and then kept; it is no dialog of the
    // start-up, so nothing makes it before then.
    LookupWindow* lookupWindow();

    // Brings page `index` to the front: 0 resistor, 1 capacitor, 2 and 3 the
    // series/parallel calculators of resistors and of capacitors.
    void showPage(int index);
    // Opens the help page that is installed beside the program, if it is there.
    void openHelp();
    void openHomePage();
    void openProductPage();
    void showAbout();
    // Shows the Look up window for the page in front; with a text, the field holds it.
    void openLookup(const std::optional<QString>& text = std::nullopt);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<Ui::TMainForm> ui;
    LastReadings m_lastReadings;
    ResistorPage* m_resistor = nullptr;
    CapacitorPage* m_capacitor = nullptr;
    CombinePage* m_combine = nullptr;
    TColorForm* m_colorForm = nullptr;
    QDialog* m_about = nullptr;
    LookupWindow* m_lookup = nullptr;
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

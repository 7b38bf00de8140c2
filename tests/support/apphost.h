// A fresh set of the program's windows for each test, with the program-wide values
// back at their start-up state.
#pragma once

#include "app/banddigits.h"
#include "app/mainform.h"
#include "bands/colorform.h"
#include "bands/pick.h"
#include "capacitor/capacitorpage.h"
#include "resistor/resistorpage.h"
#include "ui_mainform.h"

#include <QLocale>

// The pictures are compiled into the application library; a test program registers
// them itself, as main() does.
inline void InitKolvaneResources()
{
    Q_INIT_RESOURCE(kolvane);
}

namespace kolvane::test {

struct AppHost {
    AppHost()
    {
        InitKolvaneResources();
        BandDigits.fill(0);
        PickTarget = 0;
        PickedColour = 0;
        ResistorMultiplier = 0.0L;
        CapacitorMultiplier = 0.0L;
        windows = CreateWindows();
        windows.mainForm->show();
    }
    TMainForm& main() { return *windows.mainForm; }
    Ui::TMainForm& f() { return windows.mainForm->form(); }

    Windows windows;
};

} // namespace kolvane::test

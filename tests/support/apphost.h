// SPDX-License-Identifier: MIT
// A fresh set of the program's windows for each test; each set owns all of its state.
#pragma once

#include "mainform.h"
#include "colorform.h"
#include "capacitorpage.h"
#include "resistorpage.h"
#include "tests/support/controls.h"

#include <QLocale>

#include <memory>

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
        windows = CreateWindows();
        windows.mainForm->show();
        controls = std::make_unique<MainControls>(windows.mainForm.get());
    }
    TMainForm& main() { return *windows.mainForm; }
    MainControls& f() { return *controls; }
    // Finding the picker's controls makes the picker, as its first use would.
    PickerControls& picker()
    {
        if (!pickerControls)
            pickerControls = std::make_unique<PickerControls>(windows.colorForm());
        return *pickerControls;
    }

    Windows windows;
    std::unique_ptr<MainControls> controls;
    std::unique_ptr<PickerControls> pickerControls;
};

} // namespace kolvane::test

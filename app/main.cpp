// SPDX-License-Identifier: MIT
// Kolvane: reads and writes the colour codes of resistors and capacitors.
#include "fonts.h"
#include "mainform.h"
#include "version.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv)
{
    // Reading the font configuration and connecting to the display take milliseconds
    // each; they overlap, and the thread is joined before the first font is asked for.
    std::jthread fontConfig = kolvane::ReadFontConfigInBackground();
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(kolvane);
    QCoreApplication::setApplicationName(QStringLiteral("Kolvane"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KOLVANE_FILE_VERSION));
    QCoreApplication::setOrganizationName(QStringLiteral("Tarnwick Ltd."));
    // The desktop entry names the running program and its icon on a taskbar; the
    // window icon serves desktops that look at the window instead.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.tarnwick.Kolvane"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/kolvane.png")));
    fontConfig.join();
    kolvane::InstallFontSubstitutes();

    auto windows = kolvane::CreateWindows();
    windows.mainForm->show();
    return app.exec();
}

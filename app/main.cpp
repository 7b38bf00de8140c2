// SPDX-License-Identifier: MIT
// Kolvane: reads and writes the colour codes of resistors and capacitors.
#include "fonts.h"
#include "mainform.h"
#include "version.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// While the application connects to the display, the toolkit's messages are held back:
// a display that cannot be opened ends the start in a fatal message after several
// lines of detail, and the user is told that in one line instead. Once the
// application stands, the held messages go out as they would have.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
QtMessageHandler PassedOn = nullptr;
std::vector<HeldMessage>* Held = nullptr;

void HoldWhileStarting(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        const QByteArray display =
            qgetenv(qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ? "DISPLAY" : "WAYLAND_DISPLAY");
        std::fprintf(stderr, "kolvane: cannot open the display %s\n",
                     display.isEmpty() ? "(none is set)" : display.constData());
        std::fflush(stderr);
        std::_Exit(1);
    }
    Held->push_back({type, context.category, text});
}

void StopHolding()
{
    qInstallMessageHandler(PassedOn);
    for (const HeldMessage& m : *Held) {
        const QMessageLogContext context(nullptr, 0, nullptr, m.category.constData());
        qt_message_output(m.type, context, m.text);
    }
    Held->clear();
}

} // namespace

int main(int argc, char** argv)
{
    // Reading the font configuration and connecting to the display take milliseconds
    // each; they overlap, and the thread is joined before the first font is asked for.
    std::jthread fontConfig = kolvane::ReadFontConfigInBackground();
    std::vector<HeldMessage> held;
    Held = &held;
    PassedOn = qInstallMessageHandler(HoldWhileStarting);
    QApplication app(argc, argv);
    StopHolding();
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

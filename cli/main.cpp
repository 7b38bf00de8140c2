// SPDX-License-Identifier: MIT
#include "cli.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

// The program's contract is one line on stderr for bad input and nothing else there;
// Qt's own warnings would add a second line. Critical and fatal messages still pass.
void QuietHandler(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "kolvane-cli: %s\n", message.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char* argv[])
{
    qInstallMessageHandler(QuietHandler);
    // QCoreApplication decodes the arguments from the locale's encoding; nothing here
    // needs a display.
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    QTextStream out(stdout);
    QTextStream err(stderr);
    return kolvane::RunCli(args, out, err);
}

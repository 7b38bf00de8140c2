// SPDX-License-Identifier: MIT
#include "cli.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    // QCoreApplication decodes the arguments from the locale's encoding; nothing here
    // needs a display.
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    QTextStream out(stdout);
    QTextStream err(stderr);
    return kolvane::RunCli(args, out, err);
}

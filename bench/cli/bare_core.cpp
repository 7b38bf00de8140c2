// SPDX-License-Identifier: MIT
// The least a Qt Core command-line program does: the application object, its
// arguments, one line on stdout.
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    out << "bare " << QCoreApplication::arguments().size() << '\n';
    return 0;
}

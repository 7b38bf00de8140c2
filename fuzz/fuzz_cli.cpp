// SPDX-License-Identifier: MIT
// The whole command line in-process: the input is the argument list, arguments split
// at NUL bytes and read as UTF-8, and after a byte 0x01 the content of a stock file,
// which the argument "@stock" names. Whatever the arguments and the file, a run ends
// with status 0 and an answer, or status 2, nothing on stdout and one line on stderr;
// a --json answer is one JSON object.
#include "cli.h"

#include <QJsonDocument>
#include <QTemporaryFile>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Fail(const char* what, const QStringList& args, const QString& detail)
{
    std::fprintf(stderr, "fuzz_cli: %s\nargs: %s\n%s\n", what, args.join(QLatin1String(" | ")).toUtf8().constData(),
                 detail.toUtf8().constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    if (size > 4096)
        return 0;
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype split = bytes.indexOf('\x01');
    const QByteArray stock = split >= 0 ? bytes.mid(split + 1) : QByteArray();
    if (split >= 0)
        bytes.truncate(split);
    // One file for the whole run, rewritten for each input.
    static QTemporaryFile stockFile;
    if (!stockFile.isOpen() && !stockFile.open())
        std::abort();
    stockFile.resize(0);
    stockFile.seek(0);
    stockFile.write(stock);
    stockFile.flush();

    QStringList args;
    for (const QByteArray& part : bytes.split('\0'))
        args << (part == "@stock" ? stockFile.fileName() : QString::fromUtf8(part));
    // A stock file may be any path; device and process files can block or never end,
    // which is the reader's business, not the parser's.
    // Standard input ("-") would wait for a terminal.
    // labels writes files wherever -o says; its readers have fuzz_labels.
    if (!args.isEmpty() && args.first() == QLatin1String("labels"))
        return 0;
    for (const QString& a : args)
        if (a.contains(QLatin1String("dev/")) || a.contains(QLatin1String("proc/")) ||
            a.contains(QLatin1String("sys/")) || a == QLatin1String("-") || a.endsWith(QLatin1String("=-")))
            return 0;

    QString out;
    QString err;
    QTextStream o(&out);
    QTextStream e(&err);
    const int status = kolvane::RunCli(args, o, e);
    if (status == kolvane::BadInputStatus) {
        if (!out.isEmpty())
            Fail("refused, yet wrote an answer", args, out);
        if (!err.startsWith(QLatin1String("kolvane-cli: ")) || !err.endsWith(QLatin1Char('\n')) ||
            err.count(QLatin1Char('\n')) != 1)
            Fail("refusal is not one line", args, err);
    } else if (status == 0) {
        if (!err.isEmpty())
            Fail("answered, yet wrote to stderr", args, err);
        if (out.isEmpty())
            Fail("answered with nothing", args, out);
        const bool help = args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-help")) ||
                          args.contains(QLatin1String("-h")) || args.contains(QLatin1String("--h")) ||
                          args.value(0) == QLatin1String("help");
        if (!help && args.mid(1).contains(QLatin1String("--json")) && !QJsonDocument::fromJson(out.toUtf8()).isObject())
            Fail("--json answer is no JSON object", args, out);
    } else {
        Fail("exit status neither 0 nor 2", args, QString::number(status));
    }
    return 0;
}

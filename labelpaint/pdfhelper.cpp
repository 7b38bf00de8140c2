// SPDX-License-Identifier: MIT
// kolvane-labels-pdf: reads a laid-out label sheet on standard input and writes it as
// PDF on standard output. kolvane-cli runs it only for `labels --format pdf`, so that
// no other command pays for loading the graphics library.
#include "labelpainter.h"
#include "layoutstream.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    // QPainter's text needs a font database, which comes with a platform; the
    // offscreen one needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QFile in;
    QFile out;
    if (!in.open(stdin, QIODevice::ReadOnly) || !out.open(stdout, QIODevice::WriteOnly)) {
        std::fputs("kolvane-labels-pdf: the standard streams cannot be opened\n", stderr);
        return 1;
    }
    const std::optional<kolvane::LabelLayout> layout = kolvane::DeserialiseLayout(in.readAll());
    if (!layout) {
        std::fputs("kolvane-labels-pdf: the input is no label layout of this version\n", stderr);
        return 2;
    }
    // The whole document first: a PDF cut short on standard output is worse than none.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    const QStringList args = QCoreApplication::arguments();
    const QString title = args.size() > 1 ? args.at(1) : QString();
    if (!kolvane::WriteLabelPdf(*layout, pdf, title)) {
        std::fputs("kolvane-labels-pdf: the PDF could not be made\n", stderr);
        return 1;
    }
    if (out.write(pdf.data()) != pdf.data().size() || !out.flush()) {
        std::fputs("kolvane-labels-pdf: the PDF could not be written\n", stderr);
        return 1;
    }
    return 0;
}

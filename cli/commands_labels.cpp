// SPDX-License-Identifier: MIT
// labels: a sheet of labels for a range or a list of values, as SVG or PDF. SVG is
// written here with Qt Core; PDF is painted by kolvane-labels-pdf, a helper program
// run only for it, so no other command loads the graphics library.
#include "arguments.h"
#include "commands.h"

#include "labelsvg.h"
#include "layoutstream.h"
#include "valuelist.h"
#include "valuetext.h"
#include "wholefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QProcess>

#include <cmath>

namespace kolvane::commands {
namespace {

const QString HelperName = QStringLiteral("kolvane-labels-pdf");

QString Name(const char* option)
{
    return QString::fromLatin1(option);
}

QString SheetLine(const Sheet& s)
{
    QString line = QStringLiteral("%1  %2  %3 \u00D7 %4  %5 \u00D7 %6 mm")
                       .arg(s.id, -12)
                       .arg(s.pageName, -6)
                       .arg(s.columns)
                       .arg(s.rows)
                       .arg(s.label.width())
                       .arg(s.label.height());
    if (!s.note.isEmpty())
        line += QStringLiteral("  (%1)").arg(s.note);
    return line;
}

Answer ListSheets()
{
    Answer a;
    QJsonArray sheets;
    QStringList lines;
    for (const Sheet& s : PresetSheets()) {
        lines << SheetLine(s);
        sheets.append(QJsonObject{{QStringLiteral("id"), s.id},
                                  {QStringLiteral("page"), s.pageName},
                                  {QStringLiteral("columns"), s.columns},
                                  {QStringLiteral("rows"), s.rows},
                                  {QStringLiteral("labelWidth"), s.label.width()},
                                  {QStringLiteral("labelHeight"), s.label.height()}});
    }
    a.text = lines.join(QLatin1Char('\n'));
    a.json.insert(QStringLiteral("sheets"), sheets);
    return a;
}

// A millimetre figure: a plain decimal number, with a minus sign where `signedValue`.
std::optional<double> Millimetres(QString text, bool signedValue)
{
    bool negative = false;
    if (signedValue && text.startsWith(QLatin1Char('-'))) {
        negative = true;
        text.remove(0, 1);
    }
    const std::optional<double> v = ParseNumber(text);
    if (!v || !std::isfinite(*v))
        return std::nullopt;
    return negative ? -*v : *v;
}

double Offset(const Options& o, const char* option)
{
    const QString name = Name(option);
    if (!o.has(name))
        return 0.0;
    const QString t = o.single(name);
    const std::optional<double> v = Millimetres(t, true);
    if (!v || std::abs(*v) > LargestOffset)
        Refuse(QStringLiteral("%1 is not a value for '--%2' (-%3 to %3 mm)").arg(Quoted(t), name).arg(LargestOffset));
    return *v;
}

// "WxH" or "LEFT,TOP": two millimetre figures.
QPointF Pair(const Options& o, const char* option, QChar separator)
{
    const QString name = Name(option);
    if (!o.has(name))
        Refuse(QStringLiteral("'--sheet custom' needs '--%1'").arg(name));
    const QString t = o.single(name);
    const QStringList parts = t.split(separator, Qt::KeepEmptyParts, Qt::CaseInsensitive);
    std::optional<double> a;
    std::optional<double> b;
    if (parts.size() == 2) {
        a = Millimetres(parts[0], false);
        b = Millimetres(parts[1], false);
    }
    if (!a || !b)
        Refuse(QStringLiteral("%1 is not a value for '--%2' (two figures in mm, as 66%3%4)")
                   .arg(Quoted(t), name, separator,
                        separator == QLatin1Char('x') ? QStringLiteral("26") : QStringLiteral("5.5")));
    return {*a, *b};
}

Sheet CustomSheet(const Options& o)
{
    Sheet s;
    s.id = QStringLiteral("custom");
    const QString page = o.has(QStringLiteral("page")) ? o.single(QStringLiteral("page")) : QString();
    if (page.isEmpty())
        Refuse(QStringLiteral("'--sheet custom' needs '--page'"));
    const std::optional<QSizeF> size = ParsePageSize(page);
    if (!size)
        Refuse(QStringLiteral("%1 is not a page (a4, letter or WxH in mm)").arg(Quoted(page)));
    s.page = *size;
    s.pageName = page.compare(QLatin1String("a4"), Qt::CaseInsensitive) == 0       ? QStringLiteral("A4")
                 : page.compare(QLatin1String("letter"), Qt::CaseInsensitive) == 0 ? QStringLiteral("Letter")
                                                                                   : page;
    const QPointF grid = Pair(o, "grid", QLatin1Char('x'));
    if (grid.x() != std::floor(grid.x()) || grid.y() != std::floor(grid.y()) || grid.x() > 50 || grid.y() > 50)
        Refuse(QStringLiteral("%1 is not a value for '--grid' (COLUMNSxROWS, 1 to 50 each)")
                   .arg(Quoted(o.single(QStringLiteral("grid")))));
    s.columns = static_cast<int>(grid.x());
    s.rows = static_cast<int>(grid.y());
    const QPointF label = Pair(o, "label", QLatin1Char('x'));
    s.label = QSizeF(label.x(), label.y());
    const QPointF margins = Pair(o, "margins", QLatin1Char(','));
    s.left = margins.x();
    s.top = margins.y();
    const QPointF pitch = Pair(o, "pitch", QLatin1Char(','));
    s.across = pitch.x();
    s.down = pitch.y();
    return s;
}

Sheet SheetOf(const Options& o)
{
    const QString id =
        o.has(QStringLiteral("sheet")) ? o.single(QStringLiteral("sheet")) : QStringLiteral("avery-5160");
    if (id == QLatin1String("custom"))
        return CustomSheet(o);
    for (const char* option : {"page", "grid", "label", "margins", "pitch"})
        if (o.has(Name(option)))
            Refuse(QStringLiteral("'--%1' needs '--sheet custom'").arg(Name(option)));
    if (const Sheet* s = FindPresetSheet(id))
        return *s;
    QStringList ids;
    for (const Sheet& s : PresetSheets())
        ids << s.id;
    Refuse(QStringLiteral("%1 is not a sheet (%2 custom)").arg(Quoted(id), ids.join(QLatin1Char(' '))));
}

QString ReadListFile(const QString& path)
{
    QFile file;
    bool open = false;
    if (path == QLatin1String("-"))
        open = file.open(stdin, QIODevice::ReadOnly);
    else {
        file.setFileName(path);
        open = !QFileInfo(path).isDir() && file.open(QIODevice::ReadOnly);
    }
    if (!open)
        Refuse(QStringLiteral("%1 cannot be read").arg(Quoted(path)));
    const QByteArray bytes = file.read(static_cast<qint64>(MostListedLabels) * 100 + 1);
    if (bytes.size() > static_cast<qsizetype>(MostListedLabels) * 100)
        Refuse(QStringLiteral("%1 is too long to be a list of labels").arg(Quoted(path)));
    return QString::fromUtf8(bytes);
}

LabelValues ValuesOf(const Options& o, Quantity q)
{
    const bool series = o.has(QStringLiteral("series"));
    const bool list = o.has(QStringLiteral("values"));
    const bool file = o.has(QStringLiteral("values-file"));
    if (int(series) + int(list) + int(file) != 1)
        Refuse(QStringLiteral("give one of '--series', '--values' and '--values-file'"));
    if (!series && (o.has(QStringLiteral("from")) || o.has(QStringLiteral("to"))))
        Refuse(QStringLiteral("'--from' and '--to' go with '--series'"));
    if (series) {
        const ESeries s = SeriesOf(o.single(QStringLiteral("series")));
        if (!o.has(QStringLiteral("from")) || !o.has(QStringLiteral("to")))
            Refuse(QStringLiteral("'--series' needs '--from' and '--to'"));
        RangeResult range = SeriesRange(s, o.single(QStringLiteral("from")), o.single(QStringLiteral("to")), q);
        if (!range.error.isEmpty())
            Refuse(range.error);
        return std::move(range.values);
    }
    ValueListResult r = list ? ReadValueItems(o.single(QStringLiteral("values")), q)
                             : ReadValueList(ReadListFile(o.single(QStringLiteral("values-file"))), q);
    if (!r.error.isEmpty())
        Refuse(r.error);
    if (std::none_of(r.values.begin(), r.values.end(), [](const auto& v) { return v.has_value(); }))
        Refuse(QStringLiteral("the list holds no value"));
    return std::move(r.values);
}

LabelOptions OptionsOf(const Options& o, Quantity q)
{
    LabelOptions options;
    options.quantity = q;
    options.sheet = SheetOf(o);
    options.start = WholeOption(o, QStringLiteral("start"), 1, 10000, 1);
    options.copies = WholeOption(o, QStringLiteral("copies"), 1, MostCopies, 1);
    options.bands = !o.has(QStringLiteral("no-bands"));
    options.smd = !o.has(QStringLiteral("no-smd"));
    options.letter = !o.has(QStringLiteral("no-letter"));
    options.outlines = o.has(QStringLiteral("outline"));
    options.fold = o.has(QStringLiteral("fold"));
    options.offsetX = Offset(o, "offset-x");
    options.offsetY = Offset(o, "offset-y");
    if (const QString problem = OptionsProblem(options); !problem.isEmpty())
        Refuse(problem);
    return options;
}

QString HelperPath()
{
    const QString dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    const QStringList candidates = {dir + QLatin1Char('/') + HelperName,
                                    dir + QStringLiteral("/" KOLVANE_HELPER_FROM_BIN "/") + HelperName};
    for (const QString& c : candidates)
        if (QFileInfo(c).isExecutable())
            return QDir::cleanPath(c);
    return {};
}

QByteArray PdfOf(const LabelLayout& layout, const QString& title)
{
    const QString helper = HelperPath();
    if (helper.isEmpty())
        Fail(QStringLiteral("PDF needs %1, which is not installed beside kolvane-cli").arg(HelperName));
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(helper, {title});
    if (!process.waitForStarted())
        Fail(QStringLiteral("%1 could not be started").arg(HelperName));
    process.write(SerialiseLayout(layout));
    process.closeWriteChannel();
    constexpr int MostMilliseconds = 120000;
    if (!process.waitForFinished(MostMilliseconds) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        const QString why = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        process.kill();
        Fail(why.isEmpty() ? QStringLiteral("%1 failed").arg(HelperName) : why);
    }
    return process.readAllStandardOutput();
}

// Every page is written beside its target and renamed into place only when all of it
// was written, so a failed run never leaves half a file or truncates an old one.
void WriteFiles(const QStringList& names, const std::vector<QByteArray>& contents)
{
    for (std::size_t i = 0; i < contents.size(); ++i) {
        const QString& name = names.at(static_cast<qsizetype>(i));
        QString error;
        if (!WriteFileWhole(name, contents[i], &error))
            Fail(QStringLiteral("%1 could not be written: %2").arg(Quoted(name), error));
    }
}

} // namespace

Answer Labels(const Options& o)
{
    NoPositional(o, 0);
    if (o.has(QStringLiteral("list-sheets")))
        return ListSheets();
    const Quantity q = QuantityOf(o);
    const LabelOptions options = OptionsOf(o, q);
    const LabelValues values = ValuesOf(o, q);
    if (!o.has(QStringLiteral("o")))
        Refuse(QStringLiteral("no output: give '-o FILE', or '-o -' for standard output"));
    const QString output = o.single(QStringLiteral("o"));
    if (output.isEmpty())
        Refuse(QStringLiteral("'' is not a file name for '-o'"));
    const bool toStdout = output == QLatin1String("-");
    QString format = o.has(QStringLiteral("format")) ? o.single(QStringLiteral("format")) : QString();
    if (format.isEmpty())
        format =
            output.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive) ? QStringLiteral("svg") : QStringLiteral("pdf");
    if (format != QLatin1String("pdf") && format != QLatin1String("svg"))
        Refuse(QStringLiteral("%1 is not a format (pdf svg)").arg(Quoted(format)));
    if (toStdout && o.json())
        Refuse(QStringLiteral("'--json' needs '-o FILE': standard output carries the sheet"));

    const LabelLayout layout = LayOutLabels(values, options);
    const int pages = static_cast<int>(layout.pages.size());
    std::vector<QByteArray> contents;
    QStringList names;
    if (format == QLatin1String("svg")) {
        if (toStdout && pages > 1)
            Refuse(QStringLiteral("'-o -' takes one page of SVG; these labels fill %1 pages").arg(pages));
        for (int i = 0; i < pages; ++i)
            contents.push_back(LabelPageSvg(layout, i, q));
        names = SvgPageFileNames(output, pages);
    } else {
        contents.push_back(PdfOf(layout, QStringLiteral("Kolvane labels, %1").arg(options.sheet.id)));
        names = QStringList{output};
    }

    Answer a;
    if (toStdout) {
        a.bytes = contents.front();
        a.quiet = true;
        return a;
    }
    WriteFiles(names, contents);
    a.quiet = !o.json();
    a.text = names.join(QLatin1Char('\n'));
    a.json.insert(QStringLiteral("files"), QJsonArray::fromStringList(names));
    a.json.insert(QStringLiteral("format"), format);
    a.json.insert(QStringLiteral("sheet"), options.sheet.id);
    a.json.insert(QStringLiteral("labels"), layout.labelCount);
    a.json.insert(QStringLiteral("pages"), pages);
    return a;
}

} // namespace kolvane::commands

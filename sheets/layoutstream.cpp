// SPDX-License-Identifier: MIT
#include "layoutstream.h"

#include <QDataStream>
#include <QIODevice>

namespace kolvane {

namespace {

// Bumped whenever the layout's types change: the CLI and its helper are installed
// together, and a mismatch is refused rather than misread.
constexpr quint32 Magic = 0x4B4C4C31; // "KLL1"
constexpr quint32 Version = 1;
// Counts beyond these are no layout this program made.
constexpr quint32 MostItems = 1u << 20;

// The lists below read and write each other's items.
QDataStream& operator<<(QDataStream& s, const BandGroup& g);
QDataStream& operator>>(QDataStream& s, BandGroup& g);
QDataStream& operator<<(QDataStream& s, const Label& l);
QDataStream& operator>>(QDataStream& s, Label& l);
QDataStream& operator<<(QDataStream& s, const LabelPage& p);
QDataStream& operator>>(QDataStream& s, LabelPage& p);

QDataStream& operator<<(QDataStream& s, const LabelText& t)
{
    return s << static_cast<qint32>(t.role) << t.text << t.box << t.size << t.bold << t.turned;
}

QDataStream& operator>>(QDataStream& s, LabelText& t)
{
    qint32 role = 0;
    s >> role >> t.text >> t.box >> t.size >> t.bold >> t.turned;
    if (role < 0 || role > static_cast<qint32>(TextRole::Ruler))
        s.setStatus(QDataStream::ReadCorruptData);
    t.role = static_cast<TextRole>(role);
    return s;
}

QDataStream& operator<<(QDataStream& s, const Band& b)
{
    return s << static_cast<quint32>(b.colour) << b.colourName << b.rect;
}

QDataStream& operator>>(QDataStream& s, Band& b)
{
    quint32 colour = 0;
    s >> colour >> b.colourName >> b.rect;
    b.colour = colour;
    return s;
}

template <typename T>
void WriteList(QDataStream& s, const std::vector<T>& list)
{
    s << static_cast<quint32>(list.size());
    for (const T& item : list)
        s << item;
}

template <typename T>
void ReadList(QDataStream& s, std::vector<T>& list)
{
    quint32 count = 0;
    s >> count;
    if (count > MostItems) {
        s.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    list.clear();
    for (quint32 i = 0; i < count && s.status() == QDataStream::Ok; ++i) {
        T item;
        s >> item;
        list.push_back(std::move(item));
    }
}

QDataStream& operator<<(QDataStream& s, const BandGroup& g)
{
    s << static_cast<qint32>(g.count) << g.body << g.turned;
    WriteList(s, g.bands);
    WriteList(s, g.marks);
    return s;
}

QDataStream& operator>>(QDataStream& s, BandGroup& g)
{
    qint32 count = 0;
    s >> count >> g.body >> g.turned;
    g.count = count;
    ReadList(s, g.bands);
    ReadList(s, g.marks);
    return s;
}

QDataStream& operator<<(QDataStream& s, const Label& l)
{
    s << static_cast<qint32>(l.slot) << l.cell << l.value.has_value() << l.value.value_or(0.0) << l.outline;
    WriteList(s, l.texts);
    WriteList(s, l.codes);
    return s;
}

QDataStream& operator>>(QDataStream& s, Label& l)
{
    qint32 slot = 0;
    bool hasValue = false;
    double value = 0.0;
    s >> slot >> l.cell >> hasValue >> value >> l.outline;
    l.slot = slot;
    l.value = hasValue ? std::optional<double>(value) : std::nullopt;
    ReadList(s, l.texts);
    ReadList(s, l.codes);
    return s;
}

QDataStream& operator<<(QDataStream& s, const LabelPage& p)
{
    WriteList(s, p.labels);
    WriteList(s, p.lines);
    WriteList(s, p.texts);
    WriteList(s, p.outlines);
    return s;
}

QDataStream& operator>>(QDataStream& s, LabelPage& p)
{
    ReadList(s, p.labels);
    ReadList(s, p.lines);
    ReadList(s, p.texts);
    ReadList(s, p.outlines);
    return s;
}

} // namespace

QByteArray SerialiseLayout(const LabelLayout& layout)
{
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    s.setVersion(QDataStream::Qt_6_4);
    s << Magic << Version << layout.page << layout.pageName << static_cast<qint32>(layout.labelCount);
    WriteList(s, layout.pages);
    return bytes;
}

std::optional<LabelLayout> DeserialiseLayout(const QByteArray& bytes)
{
    QDataStream s(bytes);
    s.setVersion(QDataStream::Qt_6_4);
    quint32 magic = 0;
    quint32 version = 0;
    s >> magic >> version;
    if (magic != Magic || version != Version)
        return std::nullopt;
    LabelLayout layout;
    qint32 count = 0;
    s >> layout.page >> layout.pageName >> count;
    layout.labelCount = count;
    ReadList(s, layout.pages);
    if (s.status() != QDataStream::Ok || !s.atEnd())
        return std::nullopt;
    return layout;
}

} // namespace kolvane

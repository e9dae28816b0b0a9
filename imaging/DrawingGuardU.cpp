// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/DrawingGuardU.h"

#include <QHash>
#include <QXmlStreamReader>

#include <zlib.h>

#include <vector>

namespace Irisonde {

namespace {

// One element of the drawing: its children and the element its <use> names.
struct TNode {
    std::vector<int> Children;
    QString UseTarget; // the id after "#", for <use> only
    qint64 Expanded = -1; // elements drawn through it, once known
    bool Visiting = false;
};

QString LinkOf(const QXmlStreamAttributes &attributes)
{
    // SVG 2 writes "href", SVG 1.1 "xlink:href" in the XLink namespace.
    for (const QXmlStreamAttribute &a : attributes)
        if (a.name() == u"href")
            return a.value().toString().trimmed();
    return {};
}

// Elements drawn through node `i`, its <use> targets expanded; -1 when a
// <use> reaches itself or the count passes the limit. The walk keeps its
// own stack: chains of <use> may be long.
qint64 ExpandedCount(std::vector<TNode> &nodes, const QHash<QString, int> &ids, int root)
{
    struct TFrame {
        int Node;
        std::size_t Next = 0; // next child, then the use target
        qint64 Sum = 1;
    };
    std::vector<TFrame> stack{{root}};
    nodes[std::size_t(root)].Visiting = true;
    qint64 result = 0;
    while (!stack.empty()) {
        TFrame &f = stack.back();
        const TNode &n = nodes[std::size_t(f.Node)];
        int next = -1;
        if (f.Next < n.Children.size()) {
            next = n.Children[f.Next++];
        } else if (f.Next == n.Children.size()) {
            ++f.Next;
            if (n.UseTarget.isEmpty() || (next = ids.value(n.UseTarget, -1)) < 0)
                continue; // nothing more, or a dangling reference, which draws nothing
        } else {
            const qint64 sum = f.Sum;
            nodes[std::size_t(f.Node)].Visiting = false;
            nodes[std::size_t(f.Node)].Expanded = sum;
            stack.pop_back();
            if (stack.empty())
                result = sum;
            else if ((stack.back().Sum += sum) > MaxDrawnElements)
                return -1;
            continue;
        }
        TNode &child = nodes[std::size_t(next)];
        if (child.Visiting)
            return -1; // a cycle
        if (child.Expanded >= 0) {
            if ((f.Sum += child.Expanded) > MaxDrawnElements)
                return -1;
            continue;
        }
        child.Visiting = true;
        stack.push_back({next}); // `f` is not used past this point
    }
    return result;
}

} // namespace

EPictureFault InflateDrawing(const QByteArray &bytes, QByteArray &xml)
{
    if (!bytes.startsWith("\x1F\x8B")) {
        if (bytes.size() > MaxDrawingBytes)
            return EPictureFault::TooLarge;
        xml = bytes;
        return EPictureFault::None;
    }
    z_stream z{};
    if (inflateInit2(&z, 16 + MAX_WBITS) != Z_OK)
        return EPictureFault::InvalidDrawing;
    QByteArray out;
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(bytes.constData()));
    z.avail_in = uInt(bytes.size());
    int status = Z_OK;
    constexpr qsizetype Chunk = 256 * 1024;
    while (status == Z_OK) {
        if (out.size() >= MaxDrawingBytes) {
            inflateEnd(&z);
            return EPictureFault::TooLarge;
        }
        const qsizetype at = out.size();
        out.resize(at + Chunk);
        z.next_out = reinterpret_cast<Bytef *>(out.data() + at);
        z.avail_out = uInt(Chunk);
        status = inflate(&z, Z_NO_FLUSH);
        out.resize(at + Chunk - qsizetype(z.avail_out));
        if (status == Z_BUF_ERROR && z.avail_in == 0)
            break; // cut short
    }
    inflateEnd(&z);
    if (out.size() > MaxDrawingBytes)
        return EPictureFault::TooLarge;
    xml = out;
    return status == Z_STREAM_END ? EPictureFault::None : EPictureFault::InvalidDrawing;
}

EPictureFault CheckDrawing(const QByteArray &xml)
{
    QXmlStreamReader reader(xml);
    std::vector<TNode> nodes;
    QHash<QString, int> ids;
    std::vector<int> open; // the elements the reader is inside
    bool rooted = false;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::EndElement) {
            open.pop_back();
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (open.empty()) {
            if (rooted || reader.name() != u"svg")
                return EPictureFault::InvalidDrawing;
            rooted = true;
        }
        if (int(open.size()) >= MaxDrawingDepth || qint64(nodes.size()) >= MaxDrawnElements)
            return EPictureFault::TooComplex;
        const int index = int(nodes.size());
        nodes.emplace_back();
        if (!open.empty())
            nodes[std::size_t(open.back())].Children.push_back(index);
        open.push_back(index);
        const QXmlStreamAttributes attributes = reader.attributes();
        const QString id = attributes.value(QLatin1String("id")).toString();
        if (!id.isEmpty() && !ids.contains(id))
            ids.insert(id, index);
        const QString link = LinkOf(attributes);
        if (reader.name() == u"use" && link.startsWith(u'#'))
            nodes.back().UseTarget = link.mid(1);
        // The renderer would open the file named, which may be the drawing
        // itself or a device that never ends: embedded pictures only.
        if (reader.name() == u"image" && !link.isEmpty() && !link.startsWith(u"data:"))
            return EPictureFault::LinkedPictures;
    }
    if (reader.hasError() || !rooted)
        return EPictureFault::InvalidDrawing;
    return ExpandedCount(nodes, ids, 0) < 0 ? EPictureFault::TooComplex : EPictureFault::None;
}

} // namespace Irisonde

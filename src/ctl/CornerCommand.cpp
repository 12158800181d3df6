// corner: the corner pass for scripts. JSON Lines in on stdin, one JSON
// object out per input line, in the same order:
// {"segments": [...], "error": null | {"segment": k, "message": "..."}}.
#include "Ctl.h"
#include "LayoutJson.h"

#include "core/CornerFeed.h"

#include <QFileInfo>
#include <algorithm>

namespace {

// The text boxes of a segment row.
const std::pair<const char*, QString CornerSegmentInput::*> kSegmentKeys[] = {
    {"SuitOrderNum", &CornerSegmentInput::SuitOrderNum},
    {"inputLen", &CornerSegmentInput::inputLen},
    {"LeftValue", &CornerSegmentInput::LeftValue},
    {"Rightvalue", &CornerSegmentInput::Rightvalue},
    {"TopValue", &CornerSegmentInput::TopValue},
    {"lowerValue", &CornerSegmentInput::lowerValue},
    {"cornerMode", &CornerSegmentInput::cornerMode},
    {"handrailSize", &CornerSegmentInput::handrailSize},
    {"columnMargin", &CornerSegmentInput::columnMargin},
    {"crosspieceMargin", &CornerSegmentInput::crosspieceMargin},
};

// An input error of segment element k (1-based).
struct SegmentInputError {
    int segment;
    QString message;
};

QJsonObject cornerOutput(const QJsonArray& segments, const QJsonValue& error)
{
    return {{"segments", segments}, {"error", error}};
}

QJsonObject cornerError(int segment, const QString& message)
{
    return cornerOutput({}, QJsonObject{{"segment", segment}, {"message", message}});
}

CornerSegmentInput readSegment(const QJsonValue& v)
{
    if (!v.isObject())
        throw JsonInputError{QStringLiteral("each segment must be a JSON object")};
    const QJsonObject o = v.toObject();
    CornerSegmentInput s;
    for (auto it = o.begin(); it != o.end(); ++it) {
        const auto* key = std::find_if(std::begin(kSegmentKeys), std::end(kSegmentKeys),
                                       [&](const auto& k) { return it.key() == QLatin1String(k.first); });
        if (key == std::end(kSegmentKeys))
            throw JsonInputError{QStringLiteral("unknown segment key: %1").arg(it.key())};
        s.*(key->second) = it.value().isNull() ? QString() : jsonText(it.key(), it.value());
    }
    return s;
}

// The shared keys are those of a straight piece; "segments" holds the rows.
// Errors of the shared keys propagate as JsonInputError (segment 0).
CornerPieceInput readPiece(const QJsonObject& o)
{
    CornerPieceInput in;
    in.shared = readLayoutInput(o, {QStringLiteral("segments")});
    const QJsonValue segments = o.value("segments");
    if (!segments.isArray())
        throw JsonInputError{QStringLiteral("segments must be an array")};
    const QJsonArray rows = segments.toArray();
    if (rows.size() > kCornerSegmentCount)
        throw JsonInputError{QStringLiteral("a corner piece has at most %1 segments").arg(kCornerSegmentCount)};
    for (qsizetype i = 0; i < rows.size(); ++i) {
        try {
            in.segments[size_t(i)] = readSegment(rows.at(i));
        } catch (const JsonInputError& e) {
            throw SegmentInputError{int(i) + 1, e.message};
        }
    }
    return in;
}

QJsonObject segmentJson(const CornerSegmentResult& s)
{
    QJsonObject o = layoutJson(s.layout);
    o.insert("segment", s.segment);
    o.insert("layoutLength", s.layoutLength);
    o.insert("startX", s.startX);
    QJsonArray summary;
    for (int r = 0; r < 5; ++r) { // row 5 of a segment is never filled
        const corner::TMainMaterSummary& row = s.summary[size_t(r)];
        summary.append(QJsonArray{row.suitNum, row.title, row.model, row.size, row.count});
    }
    o.insert("summary", summary);
    o.insert("caption", s.caption);
    return o;
}

QJsonObject cornerPiece(const QJsonObject& o, CornerBatch& batch)
{
    CornerPieceInput in;
    try {
        in = readPiece(o);
    } catch (const SegmentInputError& e) {
        return cornerError(e.segment, e.message);
    }
    batch.reset(); // each line on its own, whatever came before
    const CornerPassResult r = batch.BatchCornerFeed(in);
    QJsonArray segments;
    for (const CornerSegmentResult& s : r.segments)
        segments.append(segmentJson(s));
    QJsonObject out = r.error ? cornerError(r.error->segment, r.error->message) : cornerOutput({}, QJsonValue());

    const QString diagram = o.value("diagram").toString();
    if (!diagram.isEmpty()) {
        const LayoutStatus saved =
            batch.diagram().SaveBmp(QFileInfo(diagram).absolutePath(), diagram, batch.getimgwidth());
        if (!saved && !r.error)
            out = cornerError(0, saved.error);
    }
    out.insert("segments", segments);
    return out;
}

} // namespace

int cmdCorner(CtlContext&, const QStringList& args)
{
    CtlArgs(args, {});
    CornerBatch batch; // one canvas for all lines, as a window keeps one
    runJsonLines([&batch](const QJsonObject& o) { return cornerPiece(o, batch); },
                 [](const QString& message) { return cornerError(0, message); });
    return 0;
}

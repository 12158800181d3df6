// layout: the straight-piece computation for scripts. JSON Lines in on stdin,
// one JSON object out per input line, in the same order.
#include "Ctl.h"

#include "core/DivisionDiagram.h"
#include "core/GuardrailLayout.h"
#include "core/MainMaterSummary.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <functional>
#include <iostream>
#include <string>
#include <map>

namespace {

// A line that cannot be read; becomes {"error": message}.
struct InputError {
    QString message;
};

using Setter = std::function<void(LayoutInput&, const QString& key, const QJsonValue&)>;

double numberOf(const QString& key, const QJsonValue& v)
{
    if (!v.isDouble())
        throw InputError{QStringLiteral("%1 must be a number").arg(key)};
    return v.toDouble();
}

bool flagOf(const QString& key, const QJsonValue& v)
{
    if (v.isBool())
        return v.toBool();
    return numberOf(key, v) != 0;
}

QString textOf(const QString& key, const QJsonValue& v)
{
    if (v.isString())
        return v.toString();
    if (v.isDouble())
        return numberText(v.toDouble());
    throw InputError{QStringLiteral("%1 must be a text").arg(key)};
}

Setter number(double LayoutInput::*field)
{
    return [field](LayoutInput& in, const QString& key, const QJsonValue& v) { in.*field = v.isNull() ? 0 : numberOf(key, v); };
}

Setter flag(bool LayoutInput::*field)
{
    return [field](LayoutInput& in, const QString& key, const QJsonValue& v) { in.*field = flagOf(key, v); };
}

Setter text(QString LayoutInput::*field)
{
    return [field](LayoutInput& in, const QString& key, const QJsonValue& v) { in.*field = textOf(key, v); };
}

// The input keys: one per field of LayoutInput; absent numbers stay 0 and
// flags keep the defaults of LayoutInput.
const std::map<QString, Setter>& setters()
{
    static const std::map<QString, Setter> table = {
        {"Guardraillen", number(&LayoutInput::Guardraillen)},
        {"GuardrailHeight", number(&LayoutInput::GuardrailHeight)},
        {"LeftValue", number(&LayoutInput::LeftValue)},
        {"Rightvalue", number(&LayoutInput::Rightvalue)},
        {"TopValue", number(&LayoutInput::TopValue)},
        {"lowerValue", number(&LayoutInput::lowerValue)},
        {"ColumnMaxSpace", number(&LayoutInput::ColumnMaxSpace)},
        {"TwoSpace", number(&LayoutInput::TwoSpace)},
        {"ColumnMargin", number(&LayoutInput::ColumnMargin)},
        {"CrosspieceMargin", number(&LayoutInput::CrosspieceMargin)},
        {"StandPipeSpace", number(&LayoutInput::StandPipeSpace)},
        {"FixedValue", number(&LayoutInput::FixedValue)},
        {"standpipeLeft", number(&LayoutInput::standpipeLeft)},
        {"StandpipeRight", number(&LayoutInput::StandpipeRight)},
        {"StandpipeTop", number(&LayoutInput::StandpipeTop)},
        {"StandpipeLow", number(&LayoutInput::StandpipeLow)},
        {"HandrailWidth", number(&LayoutInput::HandrailWidth)},
        {"ColumnWidth", number(&LayoutInput::ColumnWidth)},
        {"CrosspieceWidth", number(&LayoutInput::CrosspieceWidth)},
        {"standpipeWidth", number(&LayoutInput::standpipeWidth)},
        {"HandrailHas", flag(&LayoutInput::HandrailHas)},
        {"ColumnIsTwo", flag(&LayoutInput::ColumnIsTwo)},
        {"CrosspieceTopHas", flag(&LayoutInput::CrosspieceTopHas)},
        {"CrosspieceLowHas", flag(&LayoutInput::CrosspieceLowHas)},
        {"Standpipetype", [](LayoutInput& in, const QString& key, const QJsonValue& v) { in.Standpipetype = flagOf(key, v) ? 1 : 0; }},
        {"spaceCalmethod", [](LayoutInput& in, const QString& key, const QJsonValue& v) {
             const double m = numberOf(key, v);
             if (m != 0 && m != 1)
                 throw InputError{QStringLiteral("spaceCalmethod must be 0 (equal division) or 1 (fixed spacing)")};
             in.spaceCalmethod = int(m);
         }},
        {"handrailLength", [](LayoutInput& in, const QString& key, const QJsonValue& v) {
             if (!v.isNull())
                 in.handrailLength = numberOf(key, v);
         }},
        {"mode", [](LayoutInput& in, const QString& key, const QJsonValue& v) {
             const QString m = textOf(key, v);
             if (m != "add" && m != "edit")
                 throw InputError{QStringLiteral("mode must be \"add\" or \"edit\"")};
             in.mode = m == "edit" ? LayoutInput::Mode::Edit : LayoutInput::Mode::Add;
         }},
        {"handrailname", text(&LayoutInput::handrailname)},
        {"ColumnName", text(&LayoutInput::ColumnName)},
        {"CrosspieceName", text(&LayoutInput::CrosspieceName)},
        {"standpipeName", text(&LayoutInput::standpipeName)},
        {"glassName", text(&LayoutInput::glassName)},
        {"removedColumns", text(&LayoutInput::removedColumns)},
        {"replacedBays", text(&LayoutInput::replacedBays)},
        {"replacedStandpipes", text(&LayoutInput::replacedStandpipes)},
        {"diagram", [](LayoutInput&, const QString& key, const QJsonValue& v) { textOf(key, v); }},
    };
    return table;
}

LayoutInput readInput(const QJsonObject& o)
{
    LayoutInput in;
    for (auto it = o.begin(); it != o.end(); ++it) {
        const auto setter = setters().find(it.key());
        if (setter == setters().end())
            throw InputError{QStringLiteral("unknown key: %1").arg(it.key())};
        setter->second(in, it.key(), it.value());
    }
    return in;
}

QJsonArray summaryJson(const MainMaterSummary& summary)
{
    QJsonArray rows;
    for (const TMainMaterSummary& r : summary)
        rows.append(QJsonArray{r.title, r.model, r.size, r.count});
    return rows;
}

QJsonObject layoutJson(const GuardrailLayout& g)
{
    return {
        {"bayCount", g.bayCount},
        {"columnSpacing", g.columnSpacing},
        {"columnCount", g.columnCount},
        {"columnHeight", g.columnHeight},
        {"handrailLength", g.handrailLength},
        {"handrailCount", g.handrailCount},
        {"crosspieceCount", g.crosspieceCount},
        {"crosspieceLength", g.crosspieceLength},
        {"standpipeHeight", g.standpipeHeight},
        {"standpipesPerBay", g.standpipesPerBay},
        {"standpipeGap", g.standpipeGap},
        {"endGap", g.endGap},
        {"CrosspieceHoleNum", g.CrosspieceHoleNum},
        {"CrosspieceHolePosition", g.CrosspieceHolePosition},
        {"glassWidth", g.glassWidth},
        {"glassHeight", g.glassHeight},
        {"glassCount", g.glassCount},
    };
}

QJsonObject errorJson(const QString& message)
{
    return {{"error", message}};
}

// One input line to one output object. The canvas is shared by all lines.
QJsonObject layoutLine(const QByteArray& line, DiagramCanvas& canvas)
{
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(line, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return errorJson(QStringLiteral("not valid JSON: %1").arg(parseError.errorString()));
    if (!doc.isObject())
        return errorJson(QStringLiteral("each line must be a JSON object"));
    const QJsonObject o = doc.object();
    LayoutInput in;
    try {
        in = readInput(o);
    } catch (const InputError& e) {
        return errorJson(e.message);
    }

    if (auto s = checkLayoutLength(in.LeftValue, in.Rightvalue, in.ColumnWidth, in.Guardraillen); !s)
        return errorJson(s.error);
    GuardrailLayout g;
    if (auto s = AccountingGuardrail(in, g); !s)
        return errorJson(s.error);

    QJsonObject out = layoutJson(g);
    out.insert("summary", summaryJson(loadMainMaterSummary(in, g)));
    out.insert("caption", DivisionCaption(in, g));

    const QString diagram = o.value("diagram").toString();
    if (!diagram.isEmpty()) {
        drawGuardrail(canvas, in, g);
        const QString folder = QFileInfo(diagram).absolutePath();
        if (auto s = SaveBmpFromPaintBox(canvas.image(), folder, diagram, in.Guardraillen); !s)
            return errorJson(s.error);
    }
    return out;
}

} // namespace

int cmdLayout(CtlContext&, const QStringList& args)
{
    CtlArgs(args, {});
    DiagramCanvas canvas;
    std::string line;
    while (std::getline(std::cin, line)) {
        const QByteArray trimmed = QByteArray::fromStdString(line).trimmed();
        if (trimmed.isEmpty())
            continue; // blank lines carry no piece
        printLine(QJsonDocument(layoutLine(trimmed, canvas)).toJson(QJsonDocument::Compact));
    }
    return 0;
}

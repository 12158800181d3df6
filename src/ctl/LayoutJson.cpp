#include "LayoutJson.h"

#include "Ctl.h"
#include "core/Numeric.h"

#include <QJsonDocument>
#include <QJsonParseError>
#include <iostream>
#include <map>
#include <string>

double jsonNumber(const QString& key, const QJsonValue& v)
{
    if (!v.isDouble())
        throw JsonInputError{QStringLiteral("%1 must be a number").arg(key)};
    return v.toDouble();
}

QString jsonText(const QString& key, const QJsonValue& v)
{
    if (v.isString())
        return v.toString();
    if (v.isDouble())
        return numberText(v.toDouble());
    throw JsonInputError{QStringLiteral("%1 must be a text").arg(key)};
}

namespace {

using Setter = std::function<void(LayoutInput&, const QString& key, const QJsonValue&)>;

bool flagOf(const QString& key, const QJsonValue& v)
{
    if (v.isBool())
        return v.toBool();
    return jsonNumber(key, v) != 0;
}

Setter number(double LayoutInput::*field)
{
    return [field](LayoutInput& in, const QString& key, const QJsonValue& v) {
        in.*field = v.isNull() ? 0 : jsonNumber(key, v);
    };
}

Setter flag(bool LayoutInput::*field)
{
    return [field](LayoutInput& in, const QString& key, const QJsonValue& v) { in.*field = flagOf(key, v); };
}

Setter text(QString LayoutInput::*field)
{
    return [field](LayoutInput& in, const QString& key, const QJsonValue& v) { in.*field = jsonText(key, v); };
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
        {"Standpipetype", [](LayoutInput& in, const QString& key, const QJsonValue& v) {
             in.Standpipetype = flagOf(key, v) ? 1 : 0;
         }},
        {"spaceCalmethod", [](LayoutInput& in, const QString& key, const QJsonValue& v) {
             const double m = jsonNumber(key, v);
             if (m != 0 && m != 1)
                 throw JsonInputError{QStringLiteral("spaceCalmethod must be 0 (equal division) or 1 (fixed spacing)")};
             in.spaceCalmethod = int(m);
         }},
        {"handrailLength", [](LayoutInput& in, const QString& key, const QJsonValue& v) {
             if (!v.isNull())
                 in.handrailLength = jsonNumber(key, v);
         }},
        {"mode", [](LayoutInput& in, const QString& key, const QJsonValue& v) {
             const QString m = jsonText(key, v);
             if (m != "add" && m != "edit")
                 throw JsonInputError{QStringLiteral("mode must be \"add\" or \"edit\"")};
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
        {"diagram", [](LayoutInput&, const QString& key, const QJsonValue& v) { jsonText(key, v); }},
    };
    return table;
}

} // namespace

LayoutInput readLayoutInput(const QJsonObject& o, const QSet<QString>& ownKeys)
{
    LayoutInput in;
    for (auto it = o.begin(); it != o.end(); ++it) {
        if (ownKeys.contains(it.key()))
            continue;
        const auto setter = setters().find(it.key());
        if (setter == setters().end())
            throw JsonInputError{QStringLiteral("unknown key: %1").arg(it.key())};
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

void runJsonLines(const std::function<QJsonObject(const QJsonObject&)>& handle,
                  const std::function<QJsonObject(const QString&)>& lineError)
{
    const auto failed = [&lineError](const QString& message) { return lineError ? lineError(message) : errorJson(message); };
    std::string line;
    while (std::getline(std::cin, line)) {
        const QByteArray bytes = QByteArray::fromStdString(line).trimmed();
        if (bytes.isEmpty())
            continue; // blank lines carry no piece
        QJsonParseError parseError;
        const QJsonDocument doc = QJsonDocument::fromJson(bytes, &parseError);
        QJsonObject out;
        if (parseError.error != QJsonParseError::NoError) {
            out = failed(QStringLiteral("not valid JSON: %1").arg(parseError.errorString()));
        } else if (!doc.isObject()) {
            out = failed(QStringLiteral("each line must be a JSON object"));
        } else {
            try {
                out = handle(doc.object());
            } catch (const JsonInputError& e) {
                out = failed(e.message);
            }
        }
        printLine(QJsonDocument(out).toJson(QJsonDocument::Compact));
    }
}

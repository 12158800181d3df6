#pragma once
// The JSON side of the layout commands (layout, corner): reading the shared
// input keys into a LayoutInput, writing layouts, and the JSON Lines loop.
#include "core/GuardrailLayout.h"
#include "core/MainMaterSummary.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QSet>
#include <QString>
#include <functional>

// An input line that cannot be used; its message becomes {"error": message}.
struct JsonInputError {
    QString message;
};

// The value of key as a number / text; throws JsonInputError naming the key.
double jsonNumber(const QString& key, const QJsonValue& v);
QString jsonText(const QString& key, const QJsonValue& v);

// Reads the keys of `guardrailctl layout` into a LayoutInput (absent numbers
// 0, flags as LayoutInput's defaults). Keys in ownKeys are left to the
// caller; any other unknown key is an error, so a typo never computes with a
// default. "diagram" is accepted (a text) and left to the caller too.
LayoutInput readLayoutInput(const QJsonObject& o, const QSet<QString>& ownKeys = {});

// bayCount … glassCount as numbers.
QJsonObject layoutJson(const GuardrailLayout& g);
// Five arrays [title, model, size, count].
QJsonArray summaryJson(const MainMaterSummary& summary);
QJsonObject errorJson(const QString& message);

// Reads JSON Lines from stdin and prints one compact object per non-blank
// line, in order. A line that is not a JSON object, and JsonInputError thrown
// by handle, give lineError(message) ({"error": message} when not given).
void runJsonLines(const std::function<QJsonObject(const QJsonObject&)>& handle,
                  const std::function<QJsonObject(const QString&)>& lineError = {});

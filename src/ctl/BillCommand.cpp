// bill add --project ID --user LOGIN: straight bills from JSON Lines on
// standard input, one per line, saved as the add window saves them.
#include "Ctl.h"
#include "LayoutJson.h"

#include "core/Numeric.h"
#include "data/FeedingBill.h"
#include "data/Lookups.h"
#include "data/MaterialPicks.h"
#include "data/StraightWork.h"
#include "data/Users.h"
#include "store/FileStore.h"

namespace {

// Keys of a bill line beyond the layout's: the bill's own texts and the models.
const QSet<QString> kBillKeys = {"SuitOrderNum", "GuardrailPin", "GuardrailColor", "remark",
                                 "handrail",     "column",       "crosspiece",     "standpipe", "glass"};
// Sizes come from the models, never from the line.
const QStringList kModelSizes = {"HandrailWidth", "ColumnWidth", "CrosspieceWidth", "standpipeWidth"};

QString categoryCaption(int category)
{
    switch (category) {
    case kHandrailCategory:
        return QStringLiteral("扶手");
    case kColumnCategory:
        return QStringLiteral("立柱");
    case kCrosspieceCategory:
        return QStringLiteral("横杆");
    case kStandpipeCategory:
        return QStringLiteral("竖杆");
    default:
        return QStringLiteral("玻璃");
    }
}

// The model of a key ({"model": ..., "shape": ...}, glass {"model": ...})
// looked up as a picker pick looks it up; without the key the first common
// model, as the add window preselects it. Returns the picker text.
QString pickModel(TDM& dm, StraightWork& work, const QJsonObject& line, const char* key, int category)
{
    const QJsonValue value = line.value(QLatin1String(key));
    if (value.isUndefined() || value.isNull()) {
        const QList<MaterialModel> commons = loadCommonModels(dm, category);
        if (commons.isEmpty())
            return {};
        work.takeModel(category, commons.first());
        return commons.first().pickerText(category);
    }
    if (!value.isObject())
        throw JsonInputError{QStringLiteral("%1 must be an object {\"model\": ..., \"shape\": ...}").arg(key)};
    const QJsonObject m = value.toObject();
    const QString name = jsonText("model", m.value("model")).trimmed();
    const bool glass = category == kGlassCategory;
    const QString shape = glass ? name : m.value("shape").toString().trimmed();
    const QString text = glass ? name : name + "-" + shape;
    QString id = findMaterialID(dm, name, shape, category);
    QString thick = id.isEmpty() ? QString() : getMaterialWidth(dm, id);
    // Glass models without a shape type are found through the listed row.
    if (id.isEmpty() && glass) {
        for (const MaterialModel& g : loadCommonModels(dm, category)) {
            if (g.ModelName == name) {
                id = g.mainmaterialID;
                thick = g.Thick;
            }
        }
    }
    if (id.isEmpty())
        throw JsonInputError{categoryCaption(category) + QStringLiteral("型号“%1”不存在").arg(text)};
    if (glass) {
        work.setGlass(id, thick);
        return text;
    }
    const double width = parseNumber(getMaterialWidth(dm, id)).value_or(0);
    if (category == kHandrailCategory)
        work.setModel(category, id, parseNumber(getMaterialLength(dm, id)).value_or(0), width);
    else
        work.setModel(category, id, width);
    return text;
}

// A number key as the add window's box would hold it: its number text, or
// empty when the key is absent.
QString boxText(const QJsonObject& line, const char* key)
{
    return line.contains(QLatin1String(key)) ? jsonText(key, line.value(QLatin1String(key))).trimmed() : QString();
}

struct BoxKey {
    const char* key;
    QString StraightBill::*text;
};
const BoxKey kBoxKeys[] = {
    {"Guardraillen", &StraightBill::Guardraillen},     {"GuardrailHeight", &StraightBill::GuardrailHeight},
    {"LeftValue", &StraightBill::LeftValue},           {"Rightvalue", &StraightBill::Rightvalue},
    {"TopValue", &StraightBill::TopValue},             {"lowerValue", &StraightBill::lowerValue},
    {"ColumnMaxSpace", &StraightBill::ColumnMaxSpace}, {"TwoSpace", &StraightBill::TwoSpace},
    {"ColumnMargin", &StraightBill::ColumnMargin},     {"CrosspieceMargin", &StraightBill::CrosspieceMargin},
    {"StandPipeSpace", &StraightBill::StandPipeSpace}, {"FixedValue", &StraightBill::FixedValue},
    {"standpipeLeft", &StraightBill::standpipeLeft},   {"StandpipeRight", &StraightBill::StandpipeRight},
    {"StandpipeTop", &StraightBill::StandpipeTop},     {"StandpipeLow", &StraightBill::StandpipeLow},
};

struct BillLine {
    int projectID;
    QString userID;
};

// One line: the bill as the add window would hold it, computed and saved.
QJsonObject addBill(CtlContext& ctx, const BillLine& target, const QJsonObject& line)
{
    for (const QString& key : kModelSizes) {
        if (line.contains(key))
            throw JsonInputError{QStringLiteral("%1 comes from the model and cannot be given").arg(key)};
    }
    TDM& dm = ctx.dm();
    StraightWork work;
    work.in = readLayoutInput(line, kBillKeys);
    work.addMode = true;
    const QString handrail = pickModel(dm, work, line, "handrail", kHandrailCategory);
    const QString column = pickModel(dm, work, line, "column", kColumnCategory);
    const QString crosspiece = pickModel(dm, work, line, "crosspiece", kCrosspieceCategory);
    const QString standpipe = pickModel(dm, work, line, "standpipe", kStandpipeCategory);
    const QString glass = pickModel(dm, work, line, "glass", kGlassCategory);
    work.setPickerTexts({handrail, column, crosspiece, standpipe, glass});
    const QString length = boxText(line, "Guardraillen");
    work.setTexts(length, boxText(line, "GuardrailHeight"), boxText(line, "handrailLength"));

    // The add window computes with the add-mode rules before it saves.
    const QString problem = work.compute();
    if (!problem.isEmpty())
        return errorJson(problem);
    work.draw();

    StraightBill bill = work.billValues();
    for (const BoxKey& k : kBoxKeys)
        bill.*(k.text) = boxText(line, k.key);
    bill.projectID = target.projectID;
    bill.UserID = target.userID;
    bill.SuitOrderNum = boxText(line, "SuitOrderNum");
    bill.GuardrailPin = line.contains("GuardrailPin") ? boxText(line, "GuardrailPin") : QStringLiteral("1");
    if (line.contains("GuardrailColor")) {
        bill.GuardrailColor = jsonText("GuardrailColor", line.value("GuardrailColor")).trimmed();
    } else {
        const QStringList colours = loadColorValues(dm);
        bill.GuardrailColor = colours.value(0);
    }
    bill.remark = line.contains("remark") ? jsonText("remark", line.value("remark")).trimmed() : QString();
    bill.subfield = work.hasResult() ? QString::number(work.bayCount()) : QString();
    bill.HandrailHas = work.in.HandrailHas;
    bill.ColumnIsTwo = work.in.ColumnIsTwo;
    bill.CrosspieceTopHas = work.in.CrosspieceTopHas;
    bill.CrosspieceLowHas = work.in.CrosspieceLowHas;
    bill.glass = work.in.isGlass();
    bill.fixedSpacing = work.in.isFixedSpacing();

    const AppConfig config = ctx.config();
    const double pieceLength = work.in.Guardraillen;
    const BillSaveResult r = saveStraightBill(
        dm, BillMode::Add, bill, [config] { return makeFileStore(config); },
        [&work, pieceLength](const QString& path) { return work.exportBmp(path, pieceLength); });
    QJsonObject out;
    if (!r.succeeded)
        out["error"] = r.message;
    if (r.written)
        out["DetailBillID"] = r.billID;
    return out;
}

} // namespace

int cmdBill(CtlContext& ctx, const QStringList& args)
{
    if (args.isEmpty() || args.first() != "add")
        throw CtlError(QStringLiteral("usage: bill add --project ID --user LOGIN"));
    const CtlArgs opts(args.mid(1), {"project", "user"});
    const BillLine target{opts.intValue("project"), {}};
    const QString login = opts.required("user");
    TDM& dm = ctx.dm();
    if (getProjectName(dm, target.projectID).isEmpty())
        throw CtlError(QStringLiteral("no project %1").arg(target.projectID));
    const std::optional<int> user = userIDOfLogin(dm, login);
    if (!user)
        throw CtlError(QStringLiteral("no user %1").arg(login));
    const BillLine line{target.projectID, QString::number(*user)};

    int failures = 0;
    runJsonLines([&](const QJsonObject& o) {
        QJsonObject out;
        try {
            out = addBill(ctx, line, o);
        } catch (const JsonInputError&) {
            ++failures;
            throw;
        } catch (const DbError&) {
            out = errorJson(kDbErrorText);
        }
        if (out.contains("error"))
            ++failures;
        return out;
    });
    return failures == 0 ? 0 : 1;
}

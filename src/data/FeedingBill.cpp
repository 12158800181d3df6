#include "FeedingBill.h"

#include "Config.h"
#include "Lookups.h"
#include "Procedures.h"
#include "RecordSet.h"
#include "Workspace.h"
#include "store/FileStore.h"
#include "store/StoreMessages.h"

#include <QDir>
#include <QSqlQuery>

namespace {

QVariant flag(bool b)
{
    return b ? 1 : 0;
}

// Items common to insert and update, with the names of the procedures.
QVariantMap commonArgs(const StraightBill& b)
{
    const bool fixedStandpipes = !b.glass && b.fixedSpacing;
    QVariantMap a{
        {"@projectID", b.projectID},
        {"@SuitOrderNum", b.SuitOrderNum.trimmed()},
        {"@Guardraillen", b.Guardraillen.trimmed()},
        {"@ColumnMaxSpace", b.ColumnMaxSpace.trimmed()},
        {"@GuardrailHeight", b.GuardrailHeight.trimmed()},
        {"@GuardrailPin", b.GuardrailPin.trimmed()},
        {"@GuardrailColor", b.GuardrailColor.trimmed()},
        {"@subfield", b.subfield.trimmed()},
        {"@LeftValue", b.LeftValue.trimmed()},
        {"@Rightvalue", b.Rightvalue.trimmed()},
        {"@TopValue", b.TopValue.trimmed()},
        {"@lowerValue", b.lowerValue.trimmed()},
        {"@remark", b.remark.trimmed()},

        {"@handrailID", b.handrailID},
        {"@handrailname", b.handrailname},
        {"@HandrailWidth", b.HandrailWidth},
        {"@HandrailHas", flag(b.HandrailHas)},

        {"@ColumnID", b.ColumnID},
        {"@ColumnName", b.ColumnName},
        {"@ColumnWidth", b.ColumnWidth},
        {"@ColumnIsTwo", flag(b.ColumnIsTwo)},
        {"@TwoSpace", b.TwoSpace.trimmed()},
        {"@ColumnMargin", b.ColumnMargin.trimmed()},
        {"@publicColumns", QStringLiteral("0")},

        {"@CrosspieceID", b.CrosspieceID},
        {"@CrosspieceName", b.CrosspieceName},
        {"@CrosspieceWidth", b.CrosspieceWidth},
        {"@CrosspieceTopHas", flag(b.CrosspieceTopHas)},
        {"@CrosspieceLowHas", flag(b.CrosspieceLowHas)},
        {"@CrosspieceMargin", b.CrosspieceMargin.trimmed()},

        {"@reinforcePieceIDA", QString()},
        {"@reinforcePiecenameA", b.reinforcePiecenameA.trimmed()},
        {"@reinforcePieceWidthA", 0.0},
        {"@reinforcePieceHeightA", b.reinforcePieceHeightA.trimmed()},
        {"@reinforcePieceAHas", flag(b.reinforcePieceAHas)},
        {"@reinforcePieceIDB", QString()},
        {"@reinforcePiecenameB", b.reinforcePiecenameB.trimmed()},
        {"@reinforcePieceWidthB", 0.0},
        {"@reinforcePieceHeightB", b.reinforcePieceHeightB.trimmed()},
        {"@reinforcePieceBHas", flag(b.reinforcePieceBHas)},

        {"@Standpipetype", b.glass ? 1 : 0},
        {"@standpipeID", b.glass ? QString() : b.standpipeID},
        {"@standpipeName", b.glass ? QString() : b.standpipeName},
        {"@standpipeWidth", b.glass ? QVariant(QString()) : QVariant(b.standpipeWidth)},
        {"@CrosspieceHoleNum", fixedStandpipes ? b.CrosspieceHoleNum : QString()},
        {"@CrosspieceHolePosition", fixedStandpipes ? b.CrosspieceHolePosition : QString()},
        {"@glassID", b.glass ? b.glassID : QString()},
        {"@glassName", b.glass ? b.glassName : QString()},
        {"@glassthick", b.glass ? b.glassThick : QString()},
        {"@spaceCalmethod", b.fixedSpacing ? 1 : 0},

        {"@StandPipeSpace", b.StandPipeSpace.trimmed()},
        {"@FixedValue", b.FixedValue.trimmed()},
        {"@standpipeLeft", b.standpipeLeft.trimmed()},
        {"@StandpipeRight", b.StandpipeRight.trimmed()},
        {"@StandpipeTop", b.StandpipeTop.trimmed()},
        {"@StandpipeLow", b.StandpipeLow.trimmed()},
        {"@feedSubFieldstr", b.feedSubFieldstr},
        {"@standpipeTomodelFields", b.standpipeTomodelFields.trimmed()},
        {"@replaceedStandpipes", b.replaceedStandpipes.trimmed()},
        {"@replaceedStandpipesCount", b.replaceedStandpipesCount.trimmed()},
        {"@replaceRemark", b.replaceRemark.trimmed()},

        {"@UserID", b.UserID},
        {"@returnBillID", 0},
        {"@error", 0},
    };
    static const char* const sizeKeys[5] = {"@handrailSize", "@ColumnSize", "@CrosspieceSize", "@standpipeSize",
                                            "@glassSize"};
    static const char* const countKeys[5] = {"@handrailCount", "@ColumnCount", "@CrosspieceCount",
                                             "@standpipeCount", "@glassCount"};
    for (int i = 0; i < 5; ++i) {
        a[QString::fromLatin1(sizeKeys[i])] = b.results[size_t(i)].size;
        a[QString::fromLatin1(countKeys[i])] = b.results[size_t(i)].count;
    }
    return a;
}

QString textOf(const QSqlQuery& q, const QString& field)
{
    return displayText(q.value(field)).trimmed();
}

bool flagOf(const QSqlQuery& q, const QString& field)
{
    return textOf(q, field).toInt() == 1;
}

bool isNumberText(const QString& text)
{
    bool ok = false;
    text.trimmed().toDouble(&ok);
    return ok;
}

bool isWholeNumberText(const QString& text)
{
    bool ok = false;
    text.trimmed().toInt(&ok);
    return ok;
}

BillSaveResult refused(const QString& message, const QString& field = {})
{
    BillSaveResult r;
    r.message = message;
    r.focusField = field;
    return r;
}

} // namespace

QVariantMap insertDetailBillArgs(const StraightBill& bill)
{
    QVariantMap a = commonArgs(bill);
    a["@conerSetNum"] = QString();
    a["@inputLen"] = QString();
    a["@cornerMode"] = QString();
    return a;
}

QVariantMap updateDetailBillArgs(const StraightBill& bill)
{
    QVariantMap a = commonArgs(bill);
    a["@DetailBillID"] = bill.DetailBillID;
    return a;
}

std::optional<StraightBill> readStraightBill(TDM& dm, int detailBillID)
{
    QSqlQuery q = dm.run(QStringLiteral("select * from DetailBill where DetailBillID=?"), {detailBillID});
    if (!q.next())
        return std::nullopt;
    StraightBill b;
    b.DetailBillID = detailBillID;
    b.projectID = textOf(q, "projectID").toInt();
    b.UserID = textOf(q, "UserID");
    b.SuitOrderNum = textOf(q, "SuitOrderNum");
    b.Guardraillen = textOf(q, "Guardraillen");
    b.ColumnMaxSpace = textOf(q, "ColumnMaxSpace");
    b.GuardrailHeight = textOf(q, "GuardrailHeight");
    b.GuardrailPin = textOf(q, "GuardrailPin");
    b.GuardrailColor = textOf(q, "GuardrailColor");
    b.subfield = textOf(q, "subfield");
    b.LeftValue = textOf(q, "LeftValue");
    b.Rightvalue = textOf(q, "Rightvalue");
    b.TopValue = textOf(q, "TopValue");
    b.lowerValue = textOf(q, "lowerValue");
    b.remark = textOf(q, "remark");
    b.handrailID = textOf(q, "handrailID");
    b.handrailname = textOf(q, "handrailname");
    b.HandrailWidth = textOf(q, "HandrailWidth").toDouble();
    b.HandrailHas = flagOf(q, "HandrailHas");
    b.ColumnID = textOf(q, "ColumnID");
    b.ColumnName = textOf(q, "ColumnName");
    b.ColumnWidth = textOf(q, "ColumnWidth").toDouble();
    b.ColumnIsTwo = flagOf(q, "ColumnIsTwo");
    b.TwoSpace = textOf(q, "TwoSpace");
    b.ColumnMargin = textOf(q, "ColumnMargin");
    b.CrosspieceID = textOf(q, "CrosspieceID");
    b.CrosspieceName = textOf(q, "CrosspieceName");
    b.CrosspieceWidth = textOf(q, "CrosspieceWidth").toDouble();
    b.CrosspieceTopHas = flagOf(q, "CrosspieceTopHas");
    b.CrosspieceLowHas = flagOf(q, "CrosspieceLowHas");
    b.CrosspieceMargin = textOf(q, "CrosspieceMargin");
    b.reinforcePiecenameA = textOf(q, "reinforcePiecenameA");
    b.reinforcePieceHeightA = textOf(q, "reinforcePieceHeightA");
    b.reinforcePieceAHas = flagOf(q, "reinforcePieceAHas");
    b.reinforcePiecenameB = textOf(q, "reinforcePiecenameB");
    b.reinforcePieceHeightB = textOf(q, "reinforcePieceHeightB");
    b.reinforcePieceBHas = flagOf(q, "reinforcePieceBHas");
    b.glass = textOf(q, "Standpipetype").toInt() != 0;
    b.fixedSpacing = textOf(q, "spaceCalmethod").toInt() != 0;
    b.standpipeID = textOf(q, "standpipeID");
    b.standpipeName = textOf(q, "standpipeName");
    b.standpipeWidth = textOf(q, "standpipeWidth").toDouble();
    b.CrosspieceHoleNum = textOf(q, "CrosspieceHoleNum");
    b.CrosspieceHolePosition = textOf(q, "CrosspieceHolePosition");
    b.glassID = textOf(q, "galssID");
    b.glassName = textOf(q, "glassName");
    b.glassThick = textOf(q, "glassthick");
    b.StandPipeSpace = textOf(q, "StandPipeSpace");
    b.FixedValue = textOf(q, "FixedValue");
    b.standpipeLeft = textOf(q, "standpipeLeft");
    b.StandpipeRight = textOf(q, "StandpipeRight");
    b.StandpipeTop = textOf(q, "StandpipeTop");
    b.StandpipeLow = textOf(q, "StandpipeLow");
    b.feedSubFieldstr = textOf(q, "feedSubFieldstr");
    b.standpipeTomodelFields = textOf(q, "standpipeTomodelFields");
    b.replaceedStandpipes = textOf(q, "replaceedStandpipes");
    b.replaceedStandpipesCount = textOf(q, "replaceedStandpipesCount");
    b.replaceRemark = textOf(q, "replaceRemark");
    return b;
}

QString billNumberProblem(const StraightBill& b, QString* field)
{
    struct NumberBox {
        const QString& text;
        const char* column;
        const char* label;
    };
    const NumberBox boxes[] = {
        {b.Guardraillen, "Guardraillen", "长度（mm）"},
        {b.ColumnMaxSpace, "ColumnMaxSpace", "每档<="},
        {b.GuardrailHeight, "GuardrailHeight", "总高（mm）"},
        {b.LeftValue, "LeftValue", "左边距"},
        {b.Rightvalue, "Rightvalue", "右边距"},
        {b.TopValue, "TopValue", "上边距"},
        {b.lowerValue, "lowerValue", "下边距"},
        {b.TwoSpace, "TwoSpace", "双立柱间距"},
        {b.ColumnMargin, "ColumnMargin", "接插量或者焊接损耗量"},
        {b.CrosspieceMargin, "CrosspieceMargin", "余量"},
        {b.StandPipeSpace, "StandPipeSpace", "竖杆最大间距"},
        {b.FixedValue, "FixedValue", "固定间距值"},
        {b.standpipeLeft, "standpipeLeft", "接插量/超出间距 左"},
        {b.StandpipeRight, "StandpipeRight", "接插量/超出间距 右"},
        {b.StandpipeTop, "StandpipeTop", "接插量/超出间距 上"},
        {b.StandpipeLow, "StandpipeLow", "接插量/超出间距 下"},
    };
    for (const NumberBox& box : boxes) {
        if (!box.text.trimmed().isEmpty() && !isNumberText(box.text)) {
            if (field)
                *field = QString::fromLatin1(box.column);
            return QString::fromUtf8(box.label) + QStringLiteral("不是有效的数字，请检查输入");
        }
    }
    // The sheets multiply by the number of sets: it must be a whole number.
    if (!isWholeNumberText(b.GuardrailPin) || b.GuardrailPin.trimmed().toInt() < 1) {
        if (field)
            *field = QStringLiteral("GuardrailPin");
        return b.GuardrailPin.trimmed().isEmpty() ? QStringLiteral("榀数不能为空")
                                                  : QStringLiteral("榀数必须是大于0的整数");
    }
    if (!b.replaceedStandpipesCount.trimmed().isEmpty() && !isWholeNumberText(b.replaceedStandpipesCount)) {
        if (field)
            *field = QStringLiteral("replaceedStandpipesCount");
        return QStringLiteral("造型更换的竖杆数量（根）必须是整数");
    }
    return {};
}

BillSaveResult saveStraightBill(TDM& dm, BillMode mode, const StraightBill& bill, const StoreFactory& makeStore,
                                const DiagramExport& exportDiagram)
{
    const QString suitOrder = bill.SuitOrderNum.trimmed();
    if (suitOrder.isEmpty())
        return refused(kSuitOrderEmptyText, "SuitOrderNum");
    if (bill.Guardraillen.trimmed().isEmpty())
        return refused(kLengthEmptyText, "Guardraillen");
    QString field;
    const QString numberProblem = billNumberProblem(bill, &field);
    if (!numberProblem.isEmpty())
        return refused(numberProblem, field);

    try {
        if (mode == BillMode::Add && suitOrderExists(dm, bill.projectID, suitOrder))
            return refused(kDuplicateSuitOrderText, "SuitOrderNum");
    } catch (const DbError&) {
        return refused(kDbErrorText);
    }

    // The diagram must be storable before the bill is written.
    std::unique_ptr<FileStore> store = makeStore ? makeStore() : nullptr;
    if (!store || !store->InitFtpClient())
        return refused(StoreMessages::kUploadConnectFailed);

    if (mode == BillMode::Edit) {
        if (!bill.glass && bill.standpipeName.trimmed().isEmpty())
            return refused(kChooseStandpipeText, "standpipeName");
        if (bill.glass && bill.glassName.trimmed().isEmpty())
            return refused(kChooseGlassText, "glassName");
    }

    const ProcResult proc = mode == BillMode::Add ? dm.callProc("insertDetailBill", insertDetailBillArgs(bill))
                                                  : dm.callProc("updateDetailBill", updateDetailBillArgs(bill));
    BillSaveResult r;
    if (!proc.ok()) {
        // Nothing was stored: there is no bill to attach a diagram to.
        r.message = proc.error == kUniqueViolationError ? kDuplicateSuitOrderText : kProcFailedText;
        if (proc.error == kUniqueViolationError)
            r.focusField = "SuitOrderNum";
        return r;
    }
    r.written = true;
    r.billID = proc.out.value("@returnBillID").toInt();
    if (r.billID == 0)
        r.billID = bill.DetailBillID;

    const QString name = billDiagramName(r.billID);
    const QString localPath = QDir(AppConfig::tempFolder()).filePath(name);
    if (!exportDiagram || !exportDiagram(localPath)) {
        r.message = StoreMessages::kUploadStepFailed;
        return r;
    }
    // The bill stays stored; the user learns that its diagram is missing.
    if (!store->SendFtpFile(localPath, name, FileStore::Folder::BillBmp)) {
        r.message = StoreMessages::kUploadFailed;
        return r;
    }
    r.succeeded = true;
    r.messageIsError = false;
    r.message = kProcOkText;
    return r;
}

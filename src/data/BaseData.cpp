#include "BaseData.h"

#include <QSqlQuery>

namespace {

// Decimal columns read back as their shortest text ("1100", not "1100.0"),
// whatever the driver hands over; NULL reads as "".
QString decimalText(const QVariant& v)
{
    if (v.isNull())
        return {};
    bool ok = false;
    const double d = v.toDouble(&ok);
    return ok ? QString::number(d, 'g', 15) : v.toString();
}

QString text(const QSqlQuery& q, const char* field)
{
    const QVariant v = q.value(QString::fromLatin1(field));
    return v.isNull() ? QString() : v.toString();
}

bool flagSet(const QVariant& v)
{
    const QString s = v.toString().trimmed().toLower();
    return s == "1" || s == "true";
}

QString likePattern(const QString& text)
{
    return QLatin1Char('%') + text + QLatin1Char('%');
}

template <typename T, typename Read>
std::optional<QList<T>> readAll(TDM& dm, const QString& sql, const QVariantList& params, Read read)
{
    auto q = dm.openQuery(sql, params);
    if (!q)
        return std::nullopt;
    QList<T> rows;
    while (q->next())
        rows << read(*q);
    return rows;
}

MainMaterial readMaterial(const QSqlQuery& q)
{
    MainMaterial m;
    m.mainmaterialID = q.value("mainmaterialID").toInt();
    m.MainMaterialTypeID = q.value("MainMaterialTypeID").toInt();
    m.ModelName = text(q, "ModelName");
    m.materialType = text(q, "materialType");
    m.length = decimalText(q.value("length"));
    m.Width = decimalText(q.value("Width"));
    m.Thick = decimalText(q.value("Thick"));
    m.Weight = decimalText(q.value("Weight"));
    m.ShapeType = text(q, "ShapeType");
    m.SurfaceArea = decimalText(q.value("SurfaceArea"));
    m.MHeavy = decimalText(q.value("MHeavy"));
    m.girth = decimalText(q.value("girth"));
    m.Remark = text(q, "Remark");
    m.Iscommon = flagSet(q.value("Iscommon"));
    return m;
}

Part readPart(const QSqlQuery& q)
{
    Part p;
    p.partsID = q.value("partsID").toInt();
    p.PartsTypeID = q.value("PartsTypeID").toInt();
    p.partsName = text(q, "partsName");
    p.PartsModel = text(q, "PartsModel");
    p.PartsQuality = text(q, "PartsQuality");
    p.PartsUsed = text(q, "PartsUsed");
    p.usenumMount = decimalText(q.value("usenumMount"));
    p.Dusting = text(q, "Dusting");
    p.Remark = text(q, "Remark");
    return p;
}

// The model's fields as the procedures take them, from @ModelName to @Iscommon.
QVariantMap materialParams(const MainMaterial& m)
{
    return {
        {"@ModelName", m.ModelName.trimmed()},
        {"@materialType", m.materialType.trimmed()},
        {"@length", m.length.trimmed()},
        {"@Width", m.Width.trimmed()},
        {"@Thick", m.Thick.trimmed()},
        {"@Weight", m.Weight.trimmed()},
        {"@ShapeType", m.ShapeType.trimmed()},
        {"@SurfaceArea", m.SurfaceArea.trimmed()},
        {"@MHeavy", m.MHeavy.trimmed()},
        {"@girth", m.girth.trimmed()},
        {"@Remark", m.Remark.trimmed()},
        {"@Iscommon", m.Iscommon ? QStringLiteral("1") : QStringLiteral("0")},
        {"@error", 0},
    };
}

QVariantMap partParams(const Part& p)
{
    return {
        {"@partsName", p.partsName.trimmed()},
        {"@PartsQuality", p.PartsQuality.trimmed()},
        {"@Partsused", p.PartsUsed.trimmed()},
        {"@usenumMount", p.usenumMount.trimmed()},
        {"@Dusting", p.Dusting.trimmed()},
        {"@Remark", p.Remark.trimmed()},
        {"@error", 0},
    };
}

const char* columnOf(MaterialField field)
{
    switch (field) {
    case MaterialField::Length: return "length";
    case MaterialField::ShapeType: return "ShapeType";
    case MaterialField::SurfaceArea: return "SurfaceArea";
    case MaterialField::MHeavy: return "MHeavy";
    case MaterialField::Girth: return "girth";
    }
    return "length";
}

} // namespace

const QStringList& shapeClasses()
{
    static const QStringList list = {
        QStringLiteral("方管"), QStringLiteral("矩形管"), QStringLiteral("腰圆管"), QStringLiteral("圆管"),
        QStringLiteral("凹槽管"), QStringLiteral("单边焊槽"), QStringLiteral("双边焊槽"), QStringLiteral("转角焊槽"),
    };
    return list;
}

const QStringList& dustingChoices()
{
    static const QStringList list = {QStringLiteral("喷粉"), QStringLiteral("不喷粉")};
    return list;
}

// --- material categories ----------------------------------------------------

std::optional<QList<MaterialCategory>> listMaterialCategories(TDM& dm)
{
    return readAll<MaterialCategory>(
        dm, QStringLiteral("SELECT MainmaterialTypeID, MainmaterialTypeName FROM mainMaterCategory ORDER BY MainmaterialTypeID"), {},
        [](const QSqlQuery& q) { return MaterialCategory{q.value(0).toInt(), text(q, "MainmaterialTypeName")}; });
}

ProcResult insertMainMaterCate(TDM& dm, const QString& name)
{
    return dm.callProc(QStringLiteral("insertMainMaterCate"), {{"@MainmaterialTypeName", name.trimmed()}, {"@error", 0}});
}

ProcResult updateMainMaterCate(TDM& dm, int categoryId, const QString& name)
{
    return dm.callProc(QStringLiteral("updateMainMaterCate"),
                       {{"@MainmaterialTypeName", name.trimmed()}, {"@MainmaterialTypeID", QString::number(categoryId)}, {"@error", 0}});
}

bool deleteMainMaterCate(TDM& dm, int categoryId)
{
    return dm.execQuery(QStringLiteral("DELETE FROM mainMaterCategory WHERE MainmaterialTypeID = ?"), {categoryId});
}

// --- material models --------------------------------------------------------

std::optional<QList<MainMaterial>> listMaterials(TDM& dm, int categoryId, const std::optional<QString>& nameLike)
{
    if (!nameLike)
        return readAll<MainMaterial>(
            dm, QStringLiteral("SELECT * FROM mainmaterial WHERE MainMaterialTypeID = ? ORDER BY mainmaterialID"), {categoryId},
            readMaterial);
    return readAll<MainMaterial>(dm,
                                 QStringLiteral("SELECT * FROM mainmaterial WHERE MainMaterialTypeID = ? AND ModelName %1 ? "
                                                "ORDER BY mainmaterialID")
                                     .arg(dm.likeOperator()),
                                 {categoryId, likePattern(*nameLike)}, readMaterial);
}

std::optional<MainMaterial> findMaterial(TDM& dm, int mainmaterialID)
{
    auto rows = readAll<MainMaterial>(dm, QStringLiteral("SELECT * FROM mainmaterial WHERE mainmaterialID = ?"),
                                      {mainmaterialID}, readMaterial);
    if (!rows || rows->isEmpty())
        return std::nullopt;
    return rows->first();
}

ProcResult insertMainMaterial(TDM& dm, int categoryId, const MainMaterial& m)
{
    QVariantMap params = materialParams(m);
    params.insert("@MainMaterialTypeID", categoryId);
    return dm.callProc(QStringLiteral("insertmainmaterial"), params);
}

ProcResult updateMainMaterial(TDM& dm, const MainMaterial& m)
{
    QVariantMap params = materialParams(m);
    params.insert("@MainmaterialID", m.mainmaterialID);
    return dm.callProc(QStringLiteral("updateMainMaterial"), params);
}

void updateMaterialField(TDM& dm, int mainmaterialID, MaterialField field, const QString& value)
{
    const QString sql = QStringLiteral("UPDATE mainmaterial SET %1 = ? WHERE mainmaterialID = ?").arg(columnOf(field));
    const QString trimmed = value.trimmed();
    if (field == MaterialField::ShapeType) {
        dm.run(sql, {trimmed, mainmaterialID});
        return;
    }
    if (trimmed.isEmpty()) {
        dm.run(sql, {QVariant(QMetaType::fromType<double>()), mainmaterialID});
        return;
    }
    bool ok = false;
    const double number = trimmed.toDouble(&ok);
    if (!ok)
        throw DbError(QStringLiteral("not a number: %1").arg(trimmed));
    dm.run(sql, {number, mainmaterialID});
}

QString deleteMainMaterial(TDM& dm, int mainmaterialID)
{
    try {
        Transaction tx(dm);
        dm.run(QStringLiteral("DELETE FROM mainmaterial WHERE mainmaterialID = ?"), {mainmaterialID});
        dm.run(QStringLiteral("DELETE FROM mainMaterParts WHERE mainmaterialID = ?"), {mainmaterialID});
        tx.commit();
        return {};
    } catch (const DbError& e) {
        return e.text;
    }
}

// --- parts bound to a model -------------------------------------------------

std::optional<QList<MaterialPartBinding>> listMaterialBindings(TDM& dm, int mainmaterialID)
{
    return readAll<MaterialPartBinding>(
        dm,
        QStringLiteral("SELECT b.mainmaterialID, b.partsID, p.partsName, p.PartsModel, b.useNum, b.UseNumMount, "
                       "b.craftwork, b.remark FROM mainMaterParts b JOIN PartsTab p ON p.partsID = b.partsID "
                       "WHERE b.mainmaterialID = ? ORDER BY b.partsID"),
        {mainmaterialID}, [](const QSqlQuery& q) {
            MaterialPartBinding b;
            b.mainmaterialID = q.value("mainmaterialID").toInt();
            b.partsID = q.value("partsID").toInt();
            b.partsName = text(q, "partsName");
            b.PartsModel = text(q, "PartsModel");
            b.useNum = decimalText(q.value("useNum"));
            b.UseNumMount = decimalText(q.value("UseNumMount"));
            b.craftwork = text(q, "craftwork");
            b.remark = text(q, "remark");
            return b;
        });
}

std::optional<QList<Part>> listUnboundParts(TDM& dm, int mainmaterialID, std::optional<int> partsTypeId,
                                           const std::optional<QString>& nameLike)
{
    QString sql = QStringLiteral("SELECT * FROM PartsTab WHERE partsID NOT IN "
                                 "(SELECT partsID FROM mainMaterParts WHERE mainmaterialID = ?)");
    QVariantList params{mainmaterialID};
    if (partsTypeId) {
        sql += QStringLiteral(" AND PartsTypeID = ?");
        params << *partsTypeId;
    }
    if (nameLike) {
        sql += QStringLiteral(" AND partsName %1 ?").arg(dm.likeOperator());
        params << likePattern(*nameLike);
    }
    sql += QStringLiteral(" ORDER BY partsID");
    return readAll<Part>(dm, sql, params, readPart);
}

ProcResult bindParts(TDM& dm, int mainmaterialID, const QList<int>& partIds)
{
    ProcResult result;
    try {
        Transaction tx(dm);
        for (int partsID : partIds) {
            result = dm.callProc(QStringLiteral("insertMainMaterParts"),
                                 {{"@mainMaterialID", mainmaterialID}, {"@partsID", partsID}, {"@error", 0}});
            if (!result.ok())
                return result;   // the transaction rolls the earlier ones back
        }
        tx.commit();
    } catch (const DbError& e) {
        result.error = -1;
        result.message = e.text;
    }
    return result;
}

ProcResult updateMaterialBinding(TDM& dm, const MaterialPartBinding& b)
{
    return dm.callProc(QStringLiteral("updateMainMaterParts"), {
                                                                   {"@mainmaterialID", b.mainmaterialID},
                                                                   {"@partsID", b.partsID},
                                                                   {"@craftwork", b.craftwork.trimmed()},
                                                                   {"@UseNum", b.useNum.trimmed()},
                                                                   {"@UseNumMount", b.UseNumMount.trimmed()},
                                                                   {"@remark", b.remark.trimmed()},
                                                                   {"@error", 0},
                                                               });
}

bool deleteMaterialBinding(TDM& dm, int mainmaterialID, int partsID)
{
    return dm.execQuery(QStringLiteral("DELETE FROM mainMaterParts WHERE mainmaterialID = ? AND partsID = ?"),
                 {mainmaterialID, partsID});
}

// --- part types and parts ---------------------------------------------------

bool isProtectedPartType(int partsTypeId)
{
    return partsTypeId == 1 || partsTypeId == 2 || partsTypeId == 3 || partsTypeId == 7;
}

std::optional<QList<PartType>> listPartTypes(TDM& dm)
{
    return readAll<PartType>(dm, QStringLiteral("SELECT PartsTypeID, PartsTypeName FROM PartsType ORDER BY PartsTypeID"), {},
                             [](const QSqlQuery& q) { return PartType{q.value(0).toInt(), text(q, "PartsTypeName")}; });
}

ProcResult insertPartsType(TDM& dm, const QString& name)
{
    return dm.callProc(QStringLiteral("insertpartsType"), {{"@PartsTypeName", name.trimmed()}, {"@error", 0}});
}

ProcResult updatePartsType(TDM& dm, int partsTypeId, const QString& name)
{
    return dm.callProc(QStringLiteral("updatepartsType"),
                       {{"@PartsTypeID", partsTypeId}, {"@PartsTypeName", name.trimmed()}, {"@error", 0}});
}

bool deletePartsType(TDM& dm, int partsTypeId)
{
    return dm.execQuery(QStringLiteral("DELETE FROM PartsType WHERE PartsTypeID = ?"), {partsTypeId});
}

std::optional<QList<Part>> listParts(TDM& dm, int partsTypeId)
{
    return readAll<Part>(dm, QStringLiteral("SELECT * FROM PartsTab WHERE PartsTypeID = ? ORDER BY partsID"), {partsTypeId},
                         readPart);
}

ProcResult insertPart(TDM& dm, int partsTypeId, const Part& p)
{
    QVariantMap params = partParams(p);
    params.insert("@PartsTypeID", partsTypeId);
    return dm.callProc(QStringLiteral("insertpartsTab"), params);
}

ProcResult updatePart(TDM& dm, const Part& p)
{
    QVariantMap params = partParams(p);
    params.insert("@partsID", p.partsID);
    return dm.callProc(QStringLiteral("updatepartsTab"), params);
}

bool deletePart(TDM& dm, int partsID)
{
    return dm.execQuery(QStringLiteral("DELETE FROM PartsTab WHERE partsID = ?"), {partsID});
}

// --- colours and craft processes --------------------------------------------

std::optional<QList<Colour>> listColours(TDM& dm)
{
    return readAll<Colour>(dm, QStringLiteral("SELECT ColorValue, remark FROM colorTab"), {},
                           [](const QSqlQuery& q) { return Colour{text(q, "ColorValue"), text(q, "remark")}; });
}

ProcResult insertColour(TDM& dm, const QString& value, const QString& remark)
{
    return dm.callProc(QStringLiteral("insertcolorTab"),
                       {{"@ColorValue", value.trimmed()}, {"@Remark", remark.trimmed()}, {"@error", 0}});
}

bool deleteColour(TDM& dm, const QString& value)
{
    return dm.execQuery(QStringLiteral("DELETE FROM colorTab WHERE ColorValue = ?"), {value});
}

bool isSystemCraftwork(int craftworkID)
{
    return craftworkID < kFirstUserCraftworkID;
}

std::optional<QList<Craftwork>> listCraftworks(TDM& dm)
{
    return readAll<Craftwork>(
        dm,
        QStringLiteral("SELECT craftworkID, craftworkCate, craftworkValue, craftworkDesc FROM craftworkTab "
                       "ORDER BY craftworkCate, craftworkID"),
        {}, [](const QSqlQuery& q) {
            return Craftwork{q.value(0).toInt(), text(q, "craftworkCate"), text(q, "craftworkValue"), text(q, "craftworkDesc")};
        });
}

bool deleteCraftworkByName(TDM& dm, const QString& value)
{
    return dm.execQuery(QStringLiteral("DELETE FROM craftworkTab WHERE craftworkValue = ?"), {value});
}

#include "Procedures.h"

#include "DM.h"
#include "Rows.h"
#include "Schema.h"
#include "Users.h"

#include <QSet>

namespace {

// The parameters of one call; names match in any case, as on the server.
class Args {
public:
    explicit Args(const QVariantMap& params)
    {
        for (auto it = params.begin(); it != params.end(); ++it)
            m_values.insert(it.key().toLower(), it.value());
    }
    bool has(const QString& name) const { return m_values.contains(name.toLower()); }
    QVariant value(const QString& name) const { return m_values.value(name.toLower()); }
    QString text(const QString& name) const { return value(name).toString(); }
    // A key parameter: a positive whole number, or the call fails.
    int key(const QString& name) const
    {
        bool ok = false;
        const int v = text(name).trimmed().toInt(&ok);
        if (!ok || v <= 0)
            throw DbError(QStringLiteral("%1 must name an existing row").arg(name));
        return v;
    }

private:
    QMap<QString, QVariant> m_values;
};

// Column -> value for every column of `table` whose "@" + name parameter was
// passed; `renamed` maps a parameter spelled differently to its column.
QVariantMap columnsFrom(const QString& table, const Args& a, const QStringList& skip = {},
                        const QMap<QString, QString>& renamed = {})
{
    QVariantMap out;
    for (const auto& col : tableDef(table).valueColumns()) {
        if (skip.contains(col, Qt::CaseInsensitive))
            continue;
        if (a.has('@' + col))
            out.insert(col, a.value('@' + col));
    }
    for (auto it = renamed.begin(); it != renamed.end(); ++it)
        if (a.has(it.key()))
            out.insert(it.value(), a.value(it.key()));
    return out;
}

QVariantMap ok(QVariantMap out = {})
{
    out.insert(QStringLiteral("@error"), 0);
    return out;
}

QVariantMap refused(int code, const QString& message)
{
    return {{QStringLiteral("@error"), code}, {QStringLiteral("@message"), message}};
}

bool rowExists(TDM& dm, const QString& sql, const QVariantList& params)
{
    return dm.scalar(sql, params).toInt() > 0;
}

QVariantMap updateOne(TDM& dm, const QString& table, const QVariantMap& values, const QVariantMap& where,
                      const QStringList& touch = {})
{
    if (updateRows(dm, table, values, where, touch) == 0)
        return refused(kRowMissingError, QStringLiteral("%1: the row no longer exists").arg(table));
    return ok();
}

// --- users and rights -------------------------------------------------------

QVariantMap insertProjectUser(TDM& dm, const QVariantMap& p)
{
    const Args a(p);
    const QString logname = a.text("@logname").trimmed();
    const QString password = a.text("@passwd").trimmed();
    if (logname.isEmpty())
        return refused(1, QStringLiteral("登录名不能为空"));
    if (password.isEmpty())
        return refused(1, QStringLiteral("登录密码不能为空"));
    if (lognameExists(dm, logname))
        return refused(kUniqueViolationError, QStringLiteral("已有同名的登录名，请更换登录名！"));
    QVariantMap v = columnsFrom("projectuser", a);
    v["logname"] = logname;
    v["passwd"] = hashPassword(password);
    return ok({{"@returnUserID", insertRow(dm, "projectuser", v)}});
}

QVariantMap updateprojectuser(TDM& dm, const QVariantMap& p)
{
    const Args a(p);
    const int userID = a.key("@userID");
    QVariantMap v = columnsFrom("projectuser", a, {"passwd"});
    // An empty password box keeps the password.
    const QString password = a.text("@passwd").trimmed();
    if (!password.isEmpty())
        v["passwd"] = hashPassword(password);
    return updateOne(dm, "projectuser", v, {{"userID", userID}});
}

QVariantMap insertUserFunAuth(TDM& dm, const QVariantMap& p)
{
    const Args a(p);
    const int userID = a.key("@userID");
    const int funID = a.key("@funID");
    if (!rowExists(dm, "SELECT COUNT(*) FROM userFunAuth WHERE userID = ? AND FunID = ?", {userID, funID}))
        insertRow(dm, "userFunAuth", {{"userID", userID}, {"FunID", funID}});
    return ok();
}

QVariantMap insertUserDataAuth(TDM& dm, const QVariantMap& p)
{
    const Args a(p);
    const int userID = a.key("@userID");
    const int projectID = a.key("@projectID");
    if (!rowExists(dm, "SELECT COUNT(*) FROM userDataAuth WHERE userID = ? AND projectID = ?", {userID, projectID}))
        insertRow(dm, "userDataAuth", {{"userID", userID}, {"projectID", projectID}});
    return ok();
}

// --- projects and parameters -----------------------------------------------

QVariantMap insertProject(TDM& dm, const QVariantMap& p)
{
    const Args a(p);
    a.key("@userID");
    return ok({{"@returnProjectID", insertRow(dm, "mainProject", columnsFrom("mainProject", a, {"CreateDate"}))}});
}

// Saves the user's default feeding parameters; the row is created on the
// first save.
QVariantMap updateParams(TDM& dm, const QVariantMap& p)
{
    const Args a(p);
    const int userID = a.key("@userID");
    const QVariantMap v = columnsFrom("paramsDefault", a, {"userID"});
    if (updateRows(dm, "paramsDefault", v, {{"userID", userID}}) == 0) {
        QVariantMap row = v;
        row["userID"] = userID;
        insertRow(dm, "paramsDefault", row);
    }
    return ok();
}

// --- base data --------------------------------------------------------------

QVariantMap insertMainMaterCate(TDM& dm, const QVariantMap& p)
{
    const Args a(p);
    return ok({{"@returnMainmaterialTypeID", insertRow(dm, "mainMaterCategory", columnsFrom("mainMaterCategory", a))}});
}

QVariantMap updateMainMaterCate(TDM& dm, const QVariantMap& p)
{
    const Args a(p);
    const int id = a.key("@MainmaterialTypeID");
    return updateOne(dm, "mainMaterCategory", columnsFrom("mainMaterCategory", a), {{"MainmaterialTypeID", id}});
}

QVariantMap insertmainmaterial(TDM& dm, const QVariantMap& p)
{
    const Args a(p);
    a.key("@MainMaterialTypeID");
    return ok({{"@returnMainmaterialID", insertRow(dm, "mainmaterial", columnsFrom("mainmaterial", a))}});
}

QVariantMap updateMainMaterial(TDM& dm, const QVariantMap& p)
{
    const Args a(p);
    const int id = a.key("@MainmaterialID");
    // The category of a model never changes.
    return updateOne(dm, "mainmaterial", columnsFrom("mainmaterial", a, {"MainMaterialTypeID"}),
                     {{"mainmaterialID", id}});
}

QVariantMap insertMainMaterParts(TDM& dm, const QVariantMap& p)
{
    const Args a(p);
    const int material = a.key("@mainMaterialID");
    const int part = a.key("@partsID");
    // One row per (model, part).
    if (!rowExists(dm, "SELECT COUNT(*) FROM mainMaterParts WHERE mainmaterialID = ? AND partsID = ?",
                   {material, part}))
        insertRow(dm, "mainMaterParts", {{"mainmaterialID", material}, {"partsID", part}});
    return ok();
}

QVariantMap updateMainMaterParts(TDM& dm, const QVariantMap& p)
{
    const Args a(p);
    const int material = a.key("@mainmaterialID");
    const int part = a.key("@partsID");
    return updateOne(dm, "mainMaterParts", columnsFrom("mainMaterParts", a, {"mainmaterialID", "partsID"}),
                     {{"mainmaterialID", material}, {"partsID", part}});
}

QVariantMap insertpartsType(TDM& dm, const QVariantMap& p)
{
    const Args a(p);
    return ok({{"@returnPartsTypeID", insertRow(dm, "PartsType", columnsFrom("PartsType", a))}});
}

QVariantMap updatepartsType(TDM& dm, const QVariantMap& p)
{
    const Args a(p);
    const int id = a.key("@PartsTypeID");
    return updateOne(dm, "PartsType", columnsFrom("PartsType", a), {{"PartsTypeID", id}});
}

QVariantMap insertpartsTab(TDM& dm, const QVariantMap& p)
{
    const Args a(p);
    a.key("@PartsTypeID");
    return ok({{"@returnPartsID", insertRow(dm, "PartsTab", columnsFrom("PartsTab", a))}});
}

QVariantMap updatepartsTab(TDM& dm, const QVariantMap& p)
{
    const Args a(p);
    const int id = a.key("@partsID");
    return updateOne(dm, "PartsTab", columnsFrom("PartsTab", a, {"PartsTypeID"}), {{"partsID", id}});
}

QVariantMap insertcolorTab(TDM& dm, const QVariantMap& p)
{
    const Args a(p);
    insertRow(dm, "colorTab", columnsFrom("colorTab", a));
    return ok();
}

// --- bindings ---------------------------------------------------------------

QVariantMap insertbillBindingParts(TDM& dm, const QVariantMap& p)
{
    const Args a(p);
    const int bill = a.key("@DetailBillID");
    const int part = a.key("@partsID");
    if (!rowExists(dm, "SELECT COUNT(*) FROM billBindingParts WHERE DetailBillID = ? AND partsID = ?", {bill, part}))
        insertRow(dm, "billBindingParts", {{"DetailBillID", bill}, {"partsID", part}});
    return ok();
}

QVariantMap insertmountBindParts(TDM& dm, const QVariantMap& p)
{
    const Args a(p);
    const int part = a.key("@partsID");
    const int project = a.key("@projectID");
    // One binding per (part, group) in a project.
    if (rowExists(dm, "SELECT COUNT(*) FROM mountBindParts WHERE partsID = ? AND projectID = ? AND bindmode = ?",
                  {part, project, a.text("@bindmode")}))
        return refused(kUniqueViolationError, QStringLiteral("已经存在该配件，可以解除绑定后更改数量！"));
    return ok({{"@returnMountBindPartsID", insertRow(dm, "mountBindParts", columnsFrom("mountBindParts", a))}});
}

// --- documents --------------------------------------------------------------

QVariantMap insertMapDocumentCate(TDM& dm, const QVariantMap& p)
{
    const Args a(p);
    return ok({{"@returnMapDocumentTypeID", insertRow(dm, "mapDocumentCate", columnsFrom("mapDocumentCate", a))}});
}

QVariantMap updateMapDocumentCate(TDM& dm, const QVariantMap& p)
{
    const Args a(p);
    const int id = a.key("@mapDocumentTypeID");
    return updateOne(dm, "mapDocumentCate", columnsFrom("mapDocumentCate", a, {"parent_ID"}),
                     {{"mapDocumentTypeID", id}});
}

QVariantMap insertprojectMapDocument(TDM& dm, const QVariantMap& p)
{
    const Args a(p);
    a.key("@ProjectID");
    return ok({{"@returnMapDocumentID",
                insertRow(dm, "projectMapDocument", columnsFrom("projectMapDocument", a, {"createTime"}))}});
}

// --- feeding bills ----------------------------------------------------------

// The five result rows of a straight bill, in the order handrail, column,
// crosspiece, standpipe, glass: model parameter, name parameter, size, count.
struct ResultParams {
    const char* id;
    const char* name;
    const char* size;
    const char* count;
};
const ResultParams kResultRows[] = {
    {"@handrailID", "@handrailname", "@handrailSize", "@handrailCount"},
    {"@ColumnID", "@ColumnName", "@ColumnSize", "@ColumnCount"},
    {"@CrosspieceID", "@CrosspieceName", "@CrosspieceSize", "@CrosspieceCount"},
    {"@standpipeID", "@standpipeName", "@standpipeSize", "@standpipeCount"},
    {"@glassID", "@glassName", "@glassSize", "@glassCount"},
};

QString textOrZero(const Args& a, const char* name)
{
    const QString t = a.text(name).trimmed();
    return t.isEmpty() ? QStringLiteral("0") : t;
}

void writeResultRows(TDM& dm, const Args& a, int billID)
{
    dm.run(QStringLiteral("DELETE FROM subfieldMaterResult WHERE DetailBillID = ?"), {billID});
    for (const auto& r : kResultRows)
        insertRow(dm, "subfieldMaterResult",
                  {{"projectID", a.value("@projectID")},
                   {"DetailBillID", billID},
                   {"SuitOrderNum", a.value("@SuitOrderNum")},
                   {"mainmaterialID", a.text(r.id).trimmed()},
                   {"mainmaterialName", a.value(r.name)},
                   {"Size", textOrZero(a, r.size)},
                   {"count", textOrZero(a, r.count)}});
}

const QMap<QString, QString> kBillRenames = {{"@glassID", "galssID"}};

QVariantMap insertDetailBill(TDM& dm, const QVariantMap& p)
{
    const Args a(p);
    a.key("@projectID");
    const int billID = insertRow(dm, "DetailBill", columnsFrom("DetailBill", a, {"billdate"}, kBillRenames));
    writeResultRows(dm, a, billID);
    return ok({{"@returnBillID", billID}});
}

// Rewrites the bill and replaces its result rows; the corner fields stay.
QVariantMap updateDetailBill(TDM& dm, const QVariantMap& p)
{
    const Args a(p);
    const int billID = a.key("@DetailBillID");
    a.key("@projectID");
    const QVariantMap v =
        columnsFrom("DetailBill", a, {"billdate", "conerSetNum", "inputLen", "cornerMode"}, kBillRenames);
    QVariantMap out = updateOne(dm, "DetailBill", v, {{"DetailBillID", billID}}, {"billdate"});
    if (out.value("@error").toInt() != 0)
        return out;
    writeResultRows(dm, a, billID);
    return ok({{"@returnBillID", billID}});
}

QVariantMap insertmainmaterialcraftwork(TDM& dm, const QVariantMap& p)
{
    const Args a(p);
    a.key("@projectID");
    return ok({{"@returnMainmaterialcraftworkID",
                insertRow(dm, "mainmaterialcraftwork", columnsFrom("mainmaterialcraftwork", a))}});
}

QVariantMap updateMainmaterialcraftwork(TDM& dm, const QVariantMap& p)
{
    const Args a(p);
    const int id = a.key("@mainmaterialcraftworkID");
    return updateOne(dm, "mainmaterialcraftwork", columnsFrom("mainmaterialcraftwork", a),
                     {{"mainmaterialcraftworkID", id}});
}

} // namespace

const std::map<QString, ProcFn>& procedureTable()
{
    static const std::map<QString, ProcFn> table = [] {
        const std::pair<const char*, ProcFn> entries[] = {
            {"insertProject", insertProject},
            {"insertProjectUser", insertProjectUser},
            {"updateprojectuser", updateprojectuser},
            {"insertUserFunAuth", insertUserFunAuth},
            {"insertUserDataAuth", insertUserDataAuth},
            {"updateParams", updateParams},
            {"insertMainMaterCate", insertMainMaterCate},
            {"updateMainMaterCate", updateMainMaterCate},
            {"insertmainmaterial", insertmainmaterial},
            {"updateMainMaterial", updateMainMaterial},
            {"insertMainMaterParts", insertMainMaterParts},
            {"updateMainMaterParts", updateMainMaterParts},
            {"insertpartsType", insertpartsType},
            {"updatepartsType", updatepartsType},
            {"insertpartsTab", insertpartsTab},
            {"updatepartsTab", updatepartsTab},
            {"insertcolorTab", insertcolorTab},
            {"insertbillBindingParts", insertbillBindingParts},
            {"insertmountBindParts", insertmountBindParts},
            {"insertMapDocumentCate", insertMapDocumentCate},
            {"updateMapDocumentCate", updateMapDocumentCate},
            {"insertprojectMapDocument", insertprojectMapDocument},
            {"insertDetailBill", insertDetailBill},
            {"updateDetailBill", updateDetailBill},
            {"insertmainmaterialcraftwork", insertmainmaterialcraftwork},
            {"updateMainmaterialcraftwork", updateMainmaterialcraftwork},
        };
        std::map<QString, ProcFn> m;
        for (const auto& [name, fn] : entries)
            m.emplace(QString::fromLatin1(name).toLower(), fn);
        return m;
    }();
    return table;
}

QVariantMap runProcedure(TDM& dm, const QString& name, const QVariantMap& params)
{
    const auto it = procedureTable().find(name.toLower());
    if (it == procedureTable().end())
        throw DbError(QStringLiteral("unknown procedure %1").arg(name));
    return it->second(dm, params);
}

#include "Schema.h"

#include "DM.h"
#include "Views.h"

#include <QVariantList>
#include <stdexcept>

namespace {

using K = ColumnKind;

std::vector<ColumnDef> textColumns(std::initializer_list<const char*> names)
{
    std::vector<ColumnDef> out;
    for (const char* n : names)
        out.push_back({QString::fromLatin1(n), K::Text});
    return out;
}

TableDef makeTable(const char* name, std::vector<ColumnDef> columns)
{
    return TableDef{QString::fromLatin1(name), std::move(columns)};
}

// DetailBill: the identity, then 66 columns in the order rows are written.
TableDef detailBillTable()
{
    std::vector<ColumnDef> c = {
        {"DetailBillID", K::Key},
        {"projectID", K::Integer},
        {"SuitOrderNum", K::Text},
        {"Guardraillen", K::Text},
        {"GuardrailHeight", K::Text},
        {"GuardrailPin", K::Text},
        {"GuardrailColor", K::Text},
        {"subfield", K::Text},
        {"LeftValue", K::Text},
        {"Rightvalue", K::Text},
        {"TopValue", K::Text},
        {"lowerValue", K::Text},
        {"handrailID", K::Text},
        {"handrailname", K::Text},
        {"HandrailWidth", K::Real},
        {"HandrailHas", K::Integer},
        {"ColumnID", K::Text},
        {"ColumnName", K::Text},
        {"ColumnWidth", K::Real},
        {"ColumnIsTwo", K::Integer},
        {"TwoSpace", K::Text},
        {"ColumnMargin", K::Text},
        {"publicColumns", K::Text},
        {"CrosspieceID", K::Text},
        {"CrosspieceName", K::Text},
        {"CrosspieceWidth", K::Real},
        {"CrosspieceTopHas", K::Integer},
        {"CrosspieceLowHas", K::Integer},
        {"CrosspieceMargin", K::Text},
        {"CrosspieceHoleNum", K::Text},
        {"CrosspieceHolePosition", K::Text},
        {"reinforcePieceIDA", K::Text},
        {"reinforcePiecenameA", K::Text},
        {"reinforcePieceWidthA", K::Text},
        {"reinforcePieceHeightA", K::Text},
        {"reinforcePieceAHas", K::Integer},
        {"reinforcePieceIDB", K::Text},
        {"reinforcePiecenameB", K::Text},
        {"reinforcePieceWidthB", K::Text},
        {"reinforcePieceHeightB", K::Text},
        {"reinforcePieceBHas", K::Integer},
        {"standpipeID", K::Text},
        {"Standpipetype", K::Integer},
        {"standpipeName", K::Text},
        {"standpipeWidth", K::Text},
        {"spaceCalmethod", K::Integer},
        {"galssID", K::Text},
        {"glassName", K::Text},
        {"glassthick", K::Text},
        {"FixedValue", K::Text},
        {"standpipeLeft", K::Text},
        {"StandpipeRight", K::Text},
        {"StandpipeTop", K::Text},
        {"StandpipeLow", K::Text},
        {"ColumnMaxSpace", K::Text},
        {"StandPipeSpace", K::Text},
        {"feedSubFieldstr", K::Text},
        {"standpipeTomodelFields", K::Text},
        {"replaceedStandpipes", K::Text},
        {"replaceedStandpipesCount", K::Text},
        {"replaceRemark", K::Text},
        {"conerSetNum", K::Text},
        {"inputLen", K::Text},
        {"cornerMode", K::Text},
        {"billdate", K::Timestamp},
        {"UserID", K::Text},
        {"remark", K::Text},
    };
    return TableDef{QStringLiteral("DetailBill"), std::move(c)};
}

std::vector<TableDef> buildTables()
{
    std::vector<TableDef> t;
    t.push_back(makeTable("projectuser", {{"userID", K::Key}, {"logname", K::Text}, {"passwd", K::Text},
                                          {"username", K::Text}, {"email", K::Text}, {"telphone", K::Text}}));
    t.push_back(makeTable("funTab", {{"FunID", K::Key}, {"funName", K::Text}}));
    t.push_back(makeTable("userFunAuth", {{"userID", K::Integer}, {"FunID", K::Integer}}));
    t.push_back(makeTable("userDataAuth", {{"userID", K::Integer}, {"projectID", K::Integer}}));
    t.push_back(makeTable("mainProject", {{"projectID", K::Key}, {"proJectName", K::Text}, {"userID", K::Integer},
                                          {"CreateDate", K::Timestamp}, {"startDate", K::Date}, {"endDate", K::Date},
                                          {"projectDesc", K::Text}, {"remark", K::Text}}));
    {
        std::vector<ColumnDef> c = {{"userID", K::Integer}};
        for (const char* n : {"totalHeight", "ColumnMaxSpace", "StandPipeSpace", "fixPipeSpace", "doubleColumnSpace",
                              "SpacingDefaultLeft", "SpacingDefaultRight", "SpacingDefaultTop", "SpacingDefaultLow",
                              "ColumnMargin", "CrosspieceMargin", "standpipeLeft", "StandpipeRight", "StandpipeTop",
                              "StandpipeLow", "setpowder"})
            c.push_back({QString::fromLatin1(n), K::Real});
        c.push_back({"spaceCalmethod", K::Integer});
        c.push_back({"bmpPath", K::Text});
        t.push_back(makeTable("paramsDefault", std::move(c)));
    }
    t.push_back(makeTable("mainMaterCategory", {{"MainmaterialTypeID", K::Key}, {"MainmaterialTypeName", K::Text}}));
    t.push_back(makeTable("mainmaterial",
                          {{"mainmaterialID", K::Key}, {"MainMaterialTypeID", K::Integer}, {"ModelName", K::Text},
                           {"materialType", K::Text}, {"length", K::Real}, {"Width", K::Real}, {"Thick", K::Real},
                           {"Weight", K::Real}, {"ShapeType", K::Text}, {"SurfaceArea", K::Real}, {"MHeavy", K::Real},
                           {"girth", K::Real}, {"Remark", K::Text}, {"Iscommon", K::Integer}}));
    t.push_back(makeTable("mainMaterParts", {{"mainmaterialID", K::Integer}, {"partsID", K::Integer},
                                             {"useNum", K::Real}, {"UseNumMount", K::Real}, {"craftwork", K::Text},
                                             {"remark", K::Text}}));
    t.push_back(makeTable("PartsType", {{"PartsTypeID", K::Key}, {"PartsTypeName", K::Text}}));
    t.push_back(makeTable("PartsTab", {{"partsID", K::Key}, {"PartsTypeID", K::Integer}, {"partsName", K::Text},
                                       {"PartsModel", K::Text}, {"PartsQuality", K::Text}, {"PartsUsed", K::Text},
                                       {"usenumMount", K::Real}, {"Dusting", K::Text}, {"Remark", K::Text}}));
    t.push_back(makeTable("colorTab", textColumns({"ColorValue", "Remark"})));
    t.push_back(makeTable("craftworkTab", {{"craftworkID", K::Key}, {"craftworkCate", K::Text},
                                           {"craftworkValue", K::Text}, {"craftworkDesc", K::Text}}));
    t.push_back(makeTable("billBindingParts", {{"DetailBillID", K::Integer}, {"partsID", K::Integer}}));
    t.push_back(makeTable("mountBindParts", {{"mountBindPartsID", K::Key}, {"partsID", K::Integer},
                                             {"projectID", K::Integer}, {"bindmode", K::Text}, {"craftwork", K::Text},
                                             {"UseCount", K::Real}, {"BindPartsModel", K::Text}, {"remark", K::Text}}));
    t.push_back(makeTable("mapDocumentCate",
                          {{"mapDocumentTypeID", K::Key}, {"parent_ID", K::Integer}, {"name", K::Text}}));
    t.push_back(makeTable("projectMapDocument",
                          {{"mapDocumentID", K::Key}, {"mapDocumentTypeID", K::Integer}, {"ProjectID", K::Integer},
                           {"mapDocumentTypeName", K::Text}, {"PojectName", K::Text}, {"mapDocumentName", K::Text},
                           {"description", K::Text}, {"Remark", K::Text}, {"VerNo", K::Text},
                           {"DocumentPathFileName", K::Text}, {"createTime", K::Timestamp}}));
    t.push_back(detailBillTable());
    t.push_back(makeTable("subfieldMaterResult",
                          {{"ResultID", K::Key}, {"projectID", K::Integer}, {"DetailBillID", K::Integer},
                           {"SuitOrderNum", K::Text}, {"mainmaterialID", K::Text}, {"mainmaterialName", K::Text},
                           {"Size", K::Text}, {"count", K::Text}}));
    t.push_back(makeTable("mainmaterialcraftwork",
                          {{"mainmaterialcraftworkID", K::Key}, {"projectID", K::Integer}, {"SuitOrderNum", K::Text},
                           {"craftworkName", K::Text}, {"mainmaterialType", K::Text}, {"craftworkCount", K::Text},
                           {"craftworkSize", K::Text}, {"GuardrailPin", K::Text}, {"remark", K::Text}}));
    return t;
}

QString columnType(ColumnKind kind, bool pg)
{
    switch (kind) {
    case K::Key:
        return pg ? QStringLiteral("INTEGER GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY")
                  : QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    case K::Integer:
        return QStringLiteral("INTEGER");
    case K::Real:
        return pg ? QStringLiteral("DOUBLE PRECISION") : QStringLiteral("REAL");
    case K::Text:
        return QStringLiteral("TEXT");
    case K::Date:
        return QStringLiteral("DATE");
    case K::Timestamp:
        return pg ? QStringLiteral("TIMESTAMP(0) DEFAULT CURRENT_TIMESTAMP")
                  : QStringLiteral("DATETIME DEFAULT CURRENT_TIMESTAMP");
    }
    return QStringLiteral("TEXT");
}

QString createTableSql(const TableDef& t, bool pg)
{
    QStringList cols;
    for (const auto& c : t.columns)
        cols << c.name + ' ' + columnType(c.kind, pg);
    return QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (%2)").arg(t.name, cols.join(", "));
}

// Indexes on what the windows filter by, and the one uniqueness rule of a
// bill: a suit order number appears once per project.
const char* const kIndexes[] = {
    "CREATE UNIQUE INDEX IF NOT EXISTS ux_DetailBill_project_suit ON DetailBill (projectID, SuitOrderNum)",
    "CREATE INDEX IF NOT EXISTS ix_DetailBill_conerSetNum ON DetailBill (projectID, conerSetNum)",
    "CREATE INDEX IF NOT EXISTS ix_subfieldMaterResult_bill ON subfieldMaterResult (DetailBillID)",
    "CREATE INDEX IF NOT EXISTS ix_subfieldMaterResult_project ON subfieldMaterResult (projectID, SuitOrderNum)",
    "CREATE INDEX IF NOT EXISTS ix_mainmaterialcraftwork_project ON mainmaterialcraftwork (projectID, SuitOrderNum)",
    "CREATE INDEX IF NOT EXISTS ix_billBindingParts_bill ON billBindingParts (DetailBillID)",
    "CREATE INDEX IF NOT EXISTS ix_mountBindParts_project ON mountBindParts (projectID)",
    "CREATE INDEX IF NOT EXISTS ix_projectMapDocument_project ON projectMapDocument (ProjectID)",
    "CREATE INDEX IF NOT EXISTS ix_mainProject_user ON mainProject (userID)",
    "CREATE INDEX IF NOT EXISTS ix_userFunAuth_user ON userFunAuth (userID)",
    "CREATE INDEX IF NOT EXISTS ix_userDataAuth_user ON userDataAuth (userID)",
    "CREATE INDEX IF NOT EXISTS ix_paramsDefault_user ON paramsDefault (userID)",
    "CREATE INDEX IF NOT EXISTS ix_mainmaterial_category ON mainmaterial (MainMaterialTypeID)",
    "CREATE INDEX IF NOT EXISTS ix_mainMaterParts_material ON mainMaterParts (mainmaterialID)",
    "CREATE INDEX IF NOT EXISTS ix_PartsTab_type ON PartsTab (PartsTypeID)",
};

void insertRows(TDM& dm, const QString& sql, const std::vector<QVariantList>& rows)
{
    for (const auto& r : rows)
        dm.run(sql, r);
}

// After rows with fixed keys, PostgreSQL's identity must continue above them
// (SQLite's AUTOINCREMENT already does).
void syncIdentity(TDM& dm, const QString& table, const QString& key)
{
    if (!dm.isPostgres())
        return;
    dm.run(QStringLiteral("SELECT setval(pg_get_serial_sequence('%1', '%2'), "
                          "(SELECT COALESCE(MAX(%2), 0) + 1 FROM %1), false)")
               .arg(table.toLower(), key.toLower()));
}

void insertInstallationData(TDM& dm)
{
    insertRows(dm, "INSERT INTO funTab (FunID, funName) VALUES (?, ?)",
               {{1, "辅助下料"}, {2, "报价"}, {3, "图文档管理"}, {4, "下料单数据"}, {5, "基础数据维护"},
                {6, "系统管理维护"}});
    syncIdentity(dm, "funTab", "FunID");
    insertRows(dm, "INSERT INTO mainMaterCategory (MainmaterialTypeID, MainmaterialTypeName) VALUES (?, ?)",
               {{11, "扶手"}, {12, "立柱"}, {13, "横杆"}, {15, "竖杆"}, {17, "玻璃"}, {18, "其他"}});
    syncIdentity(dm, "mainMaterCategory", "MainmaterialTypeID");
    insertRows(dm, "INSERT INTO PartsType (PartsTypeID, PartsTypeName) VALUES (?, ?)",
               {{1, "扶手配件"}, {2, "立柱配件"}, {3, "横杆配件"}, {7, "竖杆配件"}});
    syncIdentity(dm, "PartsType", "PartsTypeID");
    const QString craftCate = QStringLiteral("主材下料工艺");
    std::vector<QVariantList> crafts;
    int id = 1;
    for (const char* v : {"钻孔", "冲孔", "打拉铆", "焊接", "切斜角", "攻丝", "折弯", "喷粉", "包膜"})
        crafts.push_back({id++, craftCate, QString::fromUtf8(v), QString()});
    insertRows(dm, "INSERT INTO craftworkTab (craftworkID, craftworkCate, craftworkValue, craftworkDesc) VALUES (?, ?, ?, ?)",
               crafts);
    syncIdentity(dm, "craftworkTab", "craftworkID");
    dm.run("INSERT INTO mapDocumentCate (mapDocumentTypeID, parent_ID, name) VALUES (?, NULL, ?)",
           {1, QStringLiteral("图文档分类")});
    syncIdentity(dm, "mapDocumentCate", "mapDocumentTypeID");
}

// A few common models, colours and parts so that a new installation can
// enter a first bill; marked in their remarks as sample data.
void insertStarterCatalogue(TDM& dm)
{
    const QString s = kSampleDataRemark;
    // category, ModelName, materialType, length, Width, Thick, ShapeType, MHeavy, girth
    struct Model {
        int cat;
        const char* name;
        const char* type;
        double length, width, thick;
        const char* shape;
        double mheavy, girth;
    };
    const Model models[] = {
        {11, "60x40", "60x40x1.4", 40, 60, 1.4, "矩形管", 2.13, 200},
        {11, "50x50", "50x50x1.4", 50, 50, 1.4, "方管", 2.13, 200},
        {12, "50x50", "50x50x1.8", 50, 50, 1.8, "方管", 2.72, 200},
        {12, "40x40", "40x40x1.4", 40, 40, 1.4, "方管", 1.70, 160},
        {13, "40x20", "40x20x1.2", 20, 40, 1.2, "矩形管", 1.09, 120},
        {15, "20x20", "20x20x1.0", 20, 20, 1.0, "方管", 0.60, 80},
        {15, "16x16", "16x16x0.8", 16, 16, 0.8, "方管", 0.39, 64},
        {17, "8", "8", 0, 8, 8, "", 0, 0},
        {17, "10", "10", 0, 10, 10, "", 0, 0},
    };
    for (const auto& m : models)
        dm.run("INSERT INTO mainmaterial (MainMaterialTypeID, ModelName, materialType, length, Width, Thick, Weight, "
               "ShapeType, SurfaceArea, MHeavy, girth, Remark, Iscommon) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
               {m.cat, QString::fromUtf8(m.name), QString::fromUtf8(m.type), m.length, m.width, m.thick, 0.0,
                QString::fromUtf8(m.shape), 0.0, m.mheavy, m.girth, s, 1});
    for (const char* c : {"白色", "黑色", "咖啡色", "古铜色"})
        dm.run("INSERT INTO colorTab (ColorValue, Remark) VALUES (?, ?)", {QString::fromUtf8(c), s});
    struct Part {
        int type;
        const char* name;
        const char* model;
        const char* quality;
        const char* used;
        double perNode;
        const char* dusting;
    };
    const Part parts[] = {
        {1, "扶手堵头", "60x40", "塑料", "扶手封口", 2, "不喷粉"},
        {1, "扶手弯头", "60x40", "铝合金", "扶手转角连接", 1, "喷粉"},
        {2, "立柱底座", "50x50", "铝合金", "立柱固定", 1, "喷粉"},
        {2, "膨胀螺丝", "M8x80", "不锈钢", "底座固定", 4, "不喷粉"},
        {3, "横杆连接件", "40x20", "铝合金", "横杆与立柱连接", 2, "喷粉"},
        {7, "竖杆堵头", "20x20", "塑料", "竖杆封口", 2, "不喷粉"},
    };
    for (const auto& p : parts)
        dm.run("INSERT INTO PartsTab (PartsTypeID, partsName, PartsModel, PartsQuality, PartsUsed, usenumMount, "
               "Dusting, Remark) VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
               {p.type, QString::fromUtf8(p.name), QString::fromUtf8(p.model), QString::fromUtf8(p.quality),
                QString::fromUtf8(p.used), p.perNode, QString::fromUtf8(p.dusting), s});
}

void createTablesAndData(TDM& dm)
{
    for (const auto& t : schemaTables())
        dm.run(createTableSql(t, dm.isPostgres()));
    for (const char* ix : kIndexes)
        dm.run(QString::fromLatin1(ix));
    insertInstallationData(dm);
    insertStarterCatalogue(dm);
}

// Each step brings the database from version i to i + 1.
using Migration = void (*)(TDM&);
const Migration kMigrations[] = {
    createTablesAndData,  // 0 -> 1
    createViews,          // 1 -> 2
};
static_assert(std::size(kMigrations) == kSchemaVersion);

} // namespace

QString TableDef::keyColumn() const
{
    for (const auto& c : columns)
        if (c.kind == ColumnKind::Key)
            return c.name;
    return {};
}

const ColumnDef* TableDef::column(const QString& n) const
{
    for (const auto& c : columns)
        if (c.name.compare(n, Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

QStringList TableDef::valueColumns() const
{
    QStringList out;
    for (const auto& c : columns)
        if (c.kind != ColumnKind::Key)
            out << c.name;
    return out;
}

const std::vector<TableDef>& schemaTables()
{
    static const std::vector<TableDef> tables = buildTables();
    return tables;
}

const TableDef& tableDef(const QString& name)
{
    for (const auto& t : schemaTables())
        if (t.name.compare(name, Qt::CaseInsensitive) == 0)
            return t;
    throw std::out_of_range("unknown table " + name.toStdString());
}

QStringList detailBillColumns()
{
    return tableDef("DetailBill").valueColumns();
}

QStringList subfieldMaterResultColumns()
{
    return tableDef("subfieldMaterResult").valueColumns();
}

int schemaVersion(TDM& dm)
{
    return dm.scalar(QStringLiteral("SELECT MAX(version) FROM schemaVersion")).toInt();
}

void ensureSchema(TDM& dm)
{
    dm.run(QStringLiteral("CREATE TABLE IF NOT EXISTS schemaVersion (version INTEGER NOT NULL)"));
    if (schemaVersion(dm) >= kSchemaVersion)
        return;
    Transaction tx(dm);
    // A second client starting at the same moment waits here and then finds
    // the work done.
    if (dm.isPostgres())
        dm.run(QStringLiteral("LOCK TABLE schemaVersion IN EXCLUSIVE MODE"));
    else
        dm.run(QStringLiteral("DELETE FROM schemaVersion WHERE version < 0"));
    int version = schemaVersion(dm);
    for (; version < kSchemaVersion; ++version)
        kMigrations[version](dm);
    dm.run(QStringLiteral("DELETE FROM schemaVersion"));
    dm.run(QStringLiteral("INSERT INTO schemaVersion (version) VALUES (?)"), {version});
    tx.commit();
}

#include "MaterialPicks.h"

#include "RecordSet.h"

#include <QSqlQuery>

QString MaterialModel::pickerText(int category) const
{
    if (category == kGlassCategory)
        return ModelName;
    return ModelName + "-" + ShapeType;
}

PickerItem splitPickerText(const QString& text)
{
    const QString t = text.trimmed();
    const int dash = t.indexOf('-');
    if (dash < 0)
        return {QString(), t};
    return {t.left(dash), t.mid(dash + 1)};
}

bool isIgnoredModelFilter(const QString& filter)
{
    return filter.size() == 1 && filter.at(0).unicode() < 0x80;
}

QList<MaterialModel> loadCommonModels(TDM& dm, int category, const QString& filter)
{
    QString sql = QStringLiteral("select * from mainmaterial where MainMaterialTypeID=? and Iscommon=?");
    QVariantList params{QString::number(category), QStringLiteral("1")};
    if (!filter.isEmpty()) {
        sql += QStringLiteral(" and ModelName %1 ?").arg(dm.likeOperator());
        params << QStringLiteral("%") + filter + QStringLiteral("%");
    }
    sql += QStringLiteral(" order by mainmaterialID");
    QSqlQuery q = dm.run(sql, params);
    QList<MaterialModel> models;
    while (q.next()) {
        MaterialModel m;
        m.mainmaterialID = displayText(q.value("mainmaterialID"));
        m.ModelName = displayText(q.value("ModelName"));
        m.ShapeType = displayText(q.value("ShapeType"));
        m.Width = displayText(q.value("Width"));
        m.length = displayText(q.value("length"));
        m.Thick = displayText(q.value("Thick"));
        models << m;
    }
    return models;
}

QStringList loadColorValues(TDM& dm)
{
    QSqlQuery q = dm.run(QStringLiteral("select * from colorTab"));
    QStringList colours;
    while (q.next())
        colours << displayText(q.value("ColorValue"));
    return colours;
}

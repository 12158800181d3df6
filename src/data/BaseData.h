#pragma once
// Base data: material categories and models, the parts bound to a model,
// part types and parts, colours and craft processes. Reads report a database
// failure through the data module's prompt and give nothing (the caller keeps
// what it showed); writes of whole records go through the stored procedures.
#include "DM.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// Material categories whose models the feeding bills name.
inline constexpr int kHandrailCategory = 11;
inline constexpr int kColumnCategory = 12;
inline constexpr int kCrosspieceCategory = 13;
inline constexpr int kStandpipeCategory = 15;
inline constexpr int kGlassCategory = 17;
// Exists in the table but is never shown in the material window.
inline constexpr int kHiddenMaterialCategory = 18;

// A category or type: key and name.
struct NamedId {
    int id = 0;
    QString name;
};
using MaterialCategory = NamedId;
using PartType = NamedId;

// One material model. Values stay the texts the user typed (decimals read
// back as their shortest text, an empty field as "").
struct MainMaterial {
    int mainmaterialID = 0;
    int MainMaterialTypeID = 0;
    QString ModelName;
    QString materialType;
    QString length;
    QString Width;
    QString Thick;
    QString Weight;
    QString ShapeType;
    QString SurfaceArea;
    QString MHeavy;
    QString girth;
    QString Remark;
    bool Iscommon = false;
};

// The decimal columns of a model that the material grid edits in place, plus
// the shape class.
enum class MaterialField { Length, ShapeType, SurfaceArea, MHeavy, Girth };

struct Part {
    int partsID = 0;
    int PartsTypeID = 0;
    QString partsName;
    QString PartsModel;
    QString PartsQuality;
    QString PartsUsed;
    QString usenumMount;
    QString Dusting;
    QString Remark;
};

// A part bound to a material model, with the part's name and model.
struct MaterialPartBinding {
    int mainmaterialID = 0;
    int partsID = 0;
    QString partsName;
    QString PartsModel;
    QString useNum;
    QString UseNumMount;
    QString craftwork;
    QString remark;
};

struct Colour {
    QString ColorValue;
    QString remark;
};

struct Craftwork {
    int craftworkID = 0;
    QString craftworkCate;
    QString craftworkValue;
    QString craftworkDesc;
};

// The eight shape classes of a model, in the order users pick them.
const QStringList& shapeClasses();
// "喷粉" / "不喷粉".
const QStringList& dustingChoices();

// --- material categories ----------------------------------------------------
std::optional<QList<MaterialCategory>> listMaterialCategories(TDM& dm);
ProcResult insertMainMaterCate(TDM& dm, const QString& name);
ProcResult updateMainMaterCate(TDM& dm, int categoryId, const QString& name);
// The category's models stay in place.
bool deleteMainMaterCate(TDM& dm, int categoryId);

// --- material models --------------------------------------------------------
// The category's models in key order; with a name, those whose spec name
// contains it ("%" and "_" stay pattern characters, case ignored).
std::optional<QList<MainMaterial>> listMaterials(TDM& dm, int categoryId, const std::optional<QString>& nameLike = {});
std::optional<MainMaterial> findMaterial(TDM& dm, int mainmaterialID);
// The duplicate and reference checks are existsMainMaterial and
// isModelReferenced of Lookups.h.
ProcResult insertMainMaterial(TDM& dm, int categoryId, const MainMaterial& m);
ProcResult updateMainMaterial(TDM& dm, const MainMaterial& m);
// Writes one in-place edit of the grid. Decimal fields take a number or an
// empty text (stored as NULL). Throws DbError.
void updateMaterialField(TDM& dm, int mainmaterialID, MaterialField field, const QString& text);
// Deletes the model and its part bindings in one transaction. Empty on
// success, otherwise the database's own message (nothing deleted).
QString deleteMainMaterial(TDM& dm, int mainmaterialID);

// --- parts bound to a model -------------------------------------------------
std::optional<QList<MaterialPartBinding>> listMaterialBindings(TDM& dm, int mainmaterialID);
// Parts not yet bound to the model; restricted to a type and/or to names
// containing a text when given.
std::optional<QList<Part>> listUnboundParts(TDM& dm, int mainmaterialID, std::optional<int> partsTypeId,
                                           const std::optional<QString>& nameLike = {});
// Binds all parts or none.
ProcResult bindParts(TDM& dm, int mainmaterialID, const QList<int>& partIds);
ProcResult updateMaterialBinding(TDM& dm, const MaterialPartBinding& b);
bool deleteMaterialBinding(TDM& dm, int mainmaterialID, int partsID);

// --- part types and parts ---------------------------------------------------
// Types 1, 2, 3 and 7 belong to the four main-material groups.
bool isProtectedPartType(int partsTypeId);
std::optional<QList<PartType>> listPartTypes(TDM& dm);
ProcResult insertPartsType(TDM& dm, const QString& name);
ProcResult updatePartsType(TDM& dm, int partsTypeId, const QString& name);
// The type's parts stay in place.
bool deletePartsType(TDM& dm, int partsTypeId);
std::optional<QList<Part>> listParts(TDM& dm, int partsTypeId);
ProcResult insertPart(TDM& dm, int partsTypeId, const Part& p);
ProcResult updatePart(TDM& dm, const Part& p);
// Only the part row: bindings that name it stay.
bool deletePart(TDM& dm, int partsID);

// --- colours and craft processes --------------------------------------------
std::optional<QList<Colour>> listColours(TDM& dm);
ProcResult insertColour(TDM& dm, const QString& value, const QString& remark);
// Every row with that colour value.
bool deleteColour(TDM& dm, const QString& value);

// Rows below this ID are the initial dictionary.
inline constexpr int kFirstUserCraftworkID = 10;
bool isSystemCraftwork(int craftworkID);
std::optional<QList<Craftwork>> listCraftworks(TDM& dm);
// Every row with that process name, initial ones included.
bool deleteCraftworkByName(TDM& dm, const QString& value);

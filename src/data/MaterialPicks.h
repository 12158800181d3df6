#pragma once
// What the bill editors' pickers list: the common models of one material
// category (Iscommon '1'), optionally filtered by model name, and the colours.
#include "DM.h"

#include <QList>
#include <QString>
#include <QStringList>

enum MaterialCategory {
    kHandrailCategory = 11,
    kColumnCategory = 12,
    kCrosspieceCategory = 13,
    kStandpipeCategory = 15,
    kGlassCategory = 17,
};

struct MaterialModel {
    QString mainmaterialID;
    QString ModelName;
    QString ShapeType;
    QString Width;    // text as stored: the dimension the computation reads
    QString length;   // handrail: its vertical size hh
    QString Thick;    // glass: the thickness text

    // Picker text: ModelName-ShapeType; glass lists the model name alone.
    QString pickerText(int category) const;
};

// A picker text split at its first "-": model name and shape type. A text
// without "-" gives an empty name (and the whole text as shape).
struct PickerItem {
    QString name;
    QString shape;
};
PickerItem splitPickerText(const QString& text);

// A filter of a single one-byte character is ignored (it would match almost
// everything and cost a reload); an empty filter lists all models.
bool isIgnoredModelFilter(const QString& filter);

// Common models of a category; with a filter only the names containing it
// (case-insensitive, "%" and "_" keep their pattern meaning). Throws DbError.
QList<MaterialModel> loadCommonModels(TDM& dm, int category, const QString& filter = {});

// colorTab.ColorValue in table order. Throws DbError.
QStringList loadColorValues(TDM& dm);

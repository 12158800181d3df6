#pragma once
// The handrail split: a bill's handrail result row replaced by several rows
// whose sizes add up to the original size.
#include "DM.h"

#include <QList>

struct HandrailResultRow {
    bool found = false;
    int resultID = 0;
    QString SuitOrderNum;
    QVariant mainmaterialID;   // as stored, written back unchanged
    QString mainmaterialName;
    QString Size;
    QVariant count;
};

struct SplitPiece {
    QString suitOrderNum;
    double size = 0;
};

// The first handrail row (category 11) of the bill; found = false without one.
// Throws DbError.
HandrailResultRow handrailResultRow(TDM& dm, int projectID, int detailBillID);

// In one transaction: deletes the handrail row and inserts one row per piece
// with the piece's number and size and the replaced row's model and count.
// Throws DbError after rolling back, also when the handrail row is gone.
void splitHandrail(TDM& dm, int projectID, int detailBillID, const HandrailResultRow& row,
                   const QList<SplitPiece>& pieces);

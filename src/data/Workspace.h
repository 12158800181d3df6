#pragma once
// The reads and the bill deletion of the feeding workspace. Reads throw
// DbError; the window shows the message and keeps its grid as it was.
#include "DM.h"
#include "RecordSet.h"

#include <QList>

// The opened projects with their creator's name (username), by project ID.
// An empty list gives no rows without asking the database.
RecordSet openedProjects(TDM& dm, const QList<int>& projectIDs);

// The bills of a project in DetailBillID order, with Guardrailsize
// (Guardraillen + "X" + GuardrailHeight) and the columns the workspace shows
// or acts on.
RecordSet detailBills(TDM& dm, int projectID);

// The result rows of a bill from subfieldMaterResult_view, by material type.
RecordSet materialResults(TDM& dm, int detailBillID);

// The project's parts bindings, numbered (rownum) by material category.
RecordSet projectBindings(TDM& dm, int projectID);

// Deletes the bill, its result rows and its bound parts in one transaction;
// throws DbError after rolling back.
void deleteDetailBill(TDM& dm, int detailBillID);

// A corner bill has a conerSetNum that is neither NULL nor empty.
bool isCornerBill(const QVariant& conerSetNum);

// Store name of a bill's diagram: "BillID_" + ID + ".bmp".
QString billDiagramName(int detailBillID);

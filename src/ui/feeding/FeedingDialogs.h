#pragma once
// The feeding dialogs the workspace opens: the straight bill editor in add and
// edit mode and the feeding parameters. The editors call back into the
// workspace after saving (Tfrm_Feeding::loadDetailBill, then
// Tfrm_Feeding::DBGrid3CellClick) so that it shows the new state.
class QWidget;
class Tfrm_Feeding;
struct AppContext;

// New straight bill of the session's CurrentProjectID, modal over the
// workspace. True when at least one bill was saved.
bool openAddFeeding(AppContext& ctx, Tfrm_Feeding* workspace);

// Edits the straight bill detailBillID, maximised and modal over the
// workspace. True when the bill was saved.
bool openEditFeeding(AppContext& ctx, int detailBillID, Tfrm_Feeding* workspace);

// The feeding parameters of the logged-in user, modal.
void openDefaultParams(AppContext& ctx, QWidget* parent);

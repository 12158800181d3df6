#include "FeedingDialogs.h"

#include "FeedingBillForm.h"
#include "Tfrm_defaultParams.h"
#include "ui/shell/AppContext.h"
#include "ui/workspace/Tfrm_Feeding.h"

namespace {
// The editors show the new state in the workspace after saving.
std::function<void()> workspaceRefresh(AppContext& ctx, Tfrm_Feeding* workspace)
{
    if (!workspace)
        return {};
    return [&ctx, workspace] {
        workspace->loadDetailBill(ctx.session.CurrentProjectID);
        workspace->DBGrid3CellClick();
    };
}
} // namespace

bool openAddFeeding(AppContext& ctx, Tfrm_Feeding* workspace)
{
    Tfrm_addFeeding editor(ctx, workspace);
    editor.setWorkspaceRefresh(workspaceRefresh(ctx, workspace));
    editor.exec();
    return editor.savedBills() > 0;
}

bool openEditFeeding(AppContext& ctx, int detailBillID, Tfrm_Feeding* workspace)
{
    Tfrm_editFeeding editor(ctx, detailBillID, workspace);
    editor.setWorkspaceRefresh(workspaceRefresh(ctx, workspace));
    editor.setWindowState(editor.windowState() | Qt::WindowMaximized);
    editor.exec();
    return editor.savedBills() > 0;
}

void openDefaultParams(AppContext& ctx, QWidget* parent)
{
    Tfrm_defaultParams dialog(ctx, parent);
    dialog.exec();
}

#include "FeedingDialogs.h"

#include "core/Prompt.h"
#include "ui/shell/AppContext.h"

namespace {
void notAvailableYet(AppContext& ctx, const QString& caption)
{
    ctx.prompt.information(QStringLiteral("“%1”窗口尚未提供。").arg(caption));
}
} // namespace

bool openAddFeeding(AppContext& ctx, Tfrm_Feeding*)
{
    notAvailableYet(ctx, QStringLiteral("标准下料"));
    return false;
}

bool openEditFeeding(AppContext& ctx, int, Tfrm_Feeding*)
{
    notAvailableYet(ctx, QStringLiteral("修改下料单"));
    return false;
}

void openDefaultParams(AppContext& ctx, QWidget*)
{
    notAvailableYet(ctx, QStringLiteral("默认参数设置"));
}

#include "Ctl.h"

// init: opening the database creates or upgrades the schema.
int cmdInit(CtlContext& ctx, const QStringList& args)
{
    CtlArgs(args, {});
    ctx.dm();
    printLine("{\"ok\": true}");
    return 0;
}

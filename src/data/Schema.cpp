#include "Schema.h"

#include "DM.h"

void ensureSchema(TDM& dm)
{
    dm.run(QStringLiteral("CREATE TABLE IF NOT EXISTS schemaVersion (version INTEGER NOT NULL)"));
}

#pragma once
class TDM;

// Creates or upgrades the schema, with the installation data, on either
// database. Idempotent; throws DbError on failure.
void ensureSchema(TDM& dm);

#pragma once
// Backup and restore of the whole database to and from a file the user picks.
// SQLite: an online copy (VACUUM INTO) and a checked file replace.
// PostgreSQL: pg_dump -Fc / pg_restore in one transaction.
// A file that is not a backup of this system is refused and the database
// stays as it was. After a restore the connection is open again on the
// restored data (schema upgraded when the backup was older).
#include <QString>

class TDM;

struct BackupOutcome {
    bool ok = false;
    QString reason;   // user-facing text when ok is false
};

BackupOutcome backupDatabase(TDM& dm, const QString& path);
BackupOutcome restoreDatabase(TDM& dm, const QString& path);

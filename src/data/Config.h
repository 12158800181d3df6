#pragma once
// Config.ini: where the database and the file store are, and the company
// name of the sheet titles. Every value is text; a missing key reads empty.
#include <QString>

struct DatabaseConfig {
    QString driver;        // "SQLITE" (default) or "QPSQL"
    QString database;      // SQLite file path or PostgreSQL database name
    QString userID;
    QString password;
    QString dataSource;    // host or host:port (PostgreSQL)

    // The server of DataSource (127.0.0.1 when empty) and its port (5432 when
    // not given).
    QString host() const;
    int port() const;
};

struct FtpConfig {
    QString serverIP;
    QString serverPort;
    QString serverUser;
    QString serverPassword;
    QString billIDbmpPath;
    QString projectMapDocumentPath;
};

struct AppConfig {
    DatabaseConfig db;
    FtpConfig ftp;
    QString companyName;
    QString path;          // the file read, empty when none was found

    bool usesPostgres() const;
    bool usesFtp() const { return !ftp.serverIP.trimmed().isEmpty(); }

    // Reads the given file; a missing file gives the defaults.
    static AppConfig load(const QString& path);
    // Config.ini or config.ini in the program folder.
    static AppConfig loadFromProgramFolder();
    // Default SQLite file in the user's data folder.
    static QString defaultSqlitePath();
    // "<CacheLocation>/temp/", created on demand.
    static QString tempFolder();
};

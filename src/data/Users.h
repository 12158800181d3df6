#pragma once
// Users, passwords and function rights. Passwords are kept as argon2id hashes
// (libsodium); no function returns or shows a password.
#include <QList>
#include <QString>
#include <optional>

class TDM;

// The function IDs of funTab that the main window tests.
enum FunID : int {
    kFunFeeding = 1,       // 辅助下料
    kFunQuotation = 2,     // 报价
    kFunDocuments = 3,     // 图文档管理
    kFunBillData = 4,      // 下料单数据
    kFunBaseData = 5,      // 基础数据维护
    kFunSystem = 6,        // 系统管理维护
};
inline constexpr int kFunctionCount = 6;

QString hashPassword(const QString& password);
bool verifyPassword(const QString& hash, const QString& password);

// The user whose password matches, among the rows with this login name
// (both texts trimmed first); nothing when none matches. Throws DbError when
// the database cannot be read.
std::optional<int> verifyLogin(TDM& dm, const QString& logname, const QString& password);

// Throws DbError when the database cannot be read.
bool hasFunction(TDM& dm, int userID, int funID);
QList<int> userFunctions(TDM& dm, int userID);
// Users in projectuser; 0 means the first start (ask for the administrator).
int projectUserCount(TDM& dm);
bool lognameExists(TDM& dm, const QString& logname);
// The key of the user with this login name (the first one); nothing when
// there is none. For guardrailctl's --user.
std::optional<int> userIDOfLogin(TDM& dm, const QString& logname);

struct UserFields {
    QString logname;
    QString password;
    QString username;
    QString email;
    QString telphone;
};

struct AddUserResult {
    std::optional<int> userID;
    QString reason;   // why it failed: a duplicate login name, a missing field, a database error
};

// Adds a user (through insertProjectUser) and, when asked, grants every
// function of funTab — all in one transaction. Used by the first start and
// by guardrailctl.
AddUserResult addUser(TDM& dm, const UserFields& user, bool allFunctions);

#include "Users.h"

#include "DM.h"
#include "Procedures.h"

#include <sodium.h>
#include <stdexcept>

namespace {
void initSodium()
{
    if (sodium_init() < 0)
        throw std::runtime_error("libsodium cannot be initialised");
}
} // namespace

QString hashPassword(const QString& password)
{
    initSodium();
    const QByteArray utf8 = password.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(out, utf8.constData(), quint64(utf8.size()), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE)
        != 0)
        throw std::runtime_error("out of memory while hashing a password");
    return QString::fromLatin1(out);
}

bool verifyPassword(const QString& hash, const QString& password)
{
    initSodium();
    const QByteArray h = hash.toLatin1();
    const QByteArray utf8 = password.toUtf8();
    if (h.isEmpty() || h.size() >= crypto_pwhash_STRBYTES)
        return false;
    return crypto_pwhash_str_verify(h.constData(), utf8.constData(), quint64(utf8.size())) == 0;
}

std::optional<int> verifyLogin(TDM& dm, const QString& logname, const QString& password)
{
    QSqlQuery q = dm.run(QStringLiteral("SELECT userID, passwd FROM projectuser WHERE logname = ? ORDER BY userID"),
                         {logname.trimmed()});
    const QString pw = password.trimmed();
    while (q.next())
        if (verifyPassword(q.value(1).toString(), pw))
            return q.value(0).toInt();
    return std::nullopt;
}

bool hasFunction(TDM& dm, int userID, int funID)
{
    return dm.scalar(QStringLiteral("SELECT COUNT(*) FROM userFunAuth WHERE userID = ? AND FunID = ?"),
                     {userID, funID})
               .toInt()
        > 0;
}

QList<int> userFunctions(TDM& dm, int userID)
{
    QSqlQuery q = dm.run(QStringLiteral("SELECT DISTINCT FunID FROM userFunAuth WHERE userID = ? ORDER BY FunID"),
                         {userID});
    QList<int> out;
    while (q.next())
        out << q.value(0).toInt();
    return out;
}

int projectUserCount(TDM& dm)
{
    return dm.scalar(QStringLiteral("SELECT COUNT(*) FROM projectuser")).toInt();
}

bool lognameExists(TDM& dm, const QString& logname)
{
    return dm.scalar(QStringLiteral("SELECT COUNT(*) FROM projectuser WHERE logname = ?"), {logname.trimmed()})
               .toInt()
        > 0;
}

std::optional<int> userIDOfLogin(TDM& dm, const QString& logname)
{
    const QVariant id = dm.scalar(QStringLiteral("SELECT userID FROM projectuser WHERE logname = ? ORDER BY userID"),
                                  {logname.trimmed()});
    if (!id.isValid() || id.isNull())
        return std::nullopt;
    return id.toInt();
}

AddUserResult addUser(TDM& dm, const UserFields& user, bool allFunctions)
{
    AddUserResult result;
    try {
        Transaction tx(dm);
        const QVariantMap out = runProcedure(dm, QStringLiteral("insertProjectUser"),
                                             {{"@logname", user.logname.trimmed()},
                                              {"@passwd", user.password.trimmed()},
                                              {"@username", user.username.trimmed()},
                                              {"@email", user.email.trimmed()},
                                              {"@telphone", user.telphone.trimmed()}});
        if (out.value("@error").toInt() != 0) {
            result.reason = out.value("@message").toString();
            return result;
        }
        const int userID = out.value("@returnUserID").toInt();
        if (allFunctions) {
            QSqlQuery q = dm.run(QStringLiteral("SELECT FunID FROM funTab ORDER BY FunID"));
            QList<int> ids;
            while (q.next())
                ids << q.value(0).toInt();
            for (int id : ids)
                runProcedure(dm, QStringLiteral("insertUserFunAuth"), {{"@userID", userID}, {"@funID", id}});
        }
        tx.commit();
        result.userID = userID;
    } catch (const DbError& e) {
        result.reason = e.text;
    }
    return result;
}

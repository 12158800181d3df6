#include "Ctl.h"

#include "data/Users.h"

#include <QJsonDocument>
#include <QJsonObject>

// user add --login L --password P --name N [--email E] [--tel T] [--all-functions]
int cmdUser(CtlContext& ctx, const QStringList& args)
{
    if (args.isEmpty() || args.first() != "add")
        throw CtlError(QStringLiteral("usage: user add --login L --password P --name N [--email E] [--tel T] "
                                      "[--all-functions]"));
    const CtlArgs a(args.mid(1), {"login", "password", "name", "email", "tel"}, {"all-functions"});
    const UserFields user{a.required("login"), a.required("password"), a.required("name"), a.value("email"),
                          a.value("tel")};
    const AddUserResult r = addUser(ctx.dm(), user, a.has("all-functions"));
    if (!r.userID)
        throw CtlError(r.reason);
    printLine(QJsonDocument(QJsonObject{{"userID", *r.userID}}).toJson(QJsonDocument::Compact));
    return 0;
}

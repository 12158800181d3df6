#include "Startup.h"

#include "AppContext.h"
#include "Tfrm_firstAdmin.h"
#include "Tfrm_login.h"
#include "core/Prompt.h"
#include "data/DM.h"
#include "data/Users.h"

#include <QApplication>
#include <QFont>
#include <cstdio>
#include <QLineEdit>

namespace {
// Only a reachable, empty user table asks for the administrator; an
// unreachable database goes straight to the login, which reports it.
bool needsAdministrator(TDM& dm)
{
    try {
        return dm.isOpen() && projectUserCount(dm) == 0;
    } catch (const DbError&) {
        return false;
    }
}
} // namespace

bool openDataModule(TDM& dm, const AppConfig& config, Prompt& prompt)
{
    if (dm.open(config))
        return true;
    std::fprintf(stderr, "database: %s\n", dm.lastError().toUtf8().constData());
    prompt.information(QStringLiteral("fail"));
    return false;
}

bool runLogin(AppContext& ctx)
{
    ctx.session.LoginAccepted = false;
    QString logname;
    if (needsAdministrator(ctx.dm)) {
        Tfrm_firstAdmin admin(ctx);
        if (admin.exec() != QDialog::Accepted)
            return false;
        logname = admin.logname();
    }
    Tfrm_login login(ctx);
    if (!logname.isEmpty()) {
        login.Edit1->setText(logname);
        login.Edit2->setFocus();
    }
    login.exec();
    return ctx.session.LoginAccepted;
}

void installUiFont()
{
    QFont font = QApplication::font();
    QStringList families = font.families();
    if (families.isEmpty())
        families << font.family();
    for (const char* f : {"Noto Sans CJK SC", "Source Han Sans SC", "WenQuanYi Micro Hei", "Microsoft YaHei", "SimSun"}) {
        if (!families.contains(QLatin1String(f)))
            families << QLatin1String(f);
    }
    font.setFamilies(families);
    QApplication::setFont(font);
}

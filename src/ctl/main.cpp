// guardrailctl [--config FILE] <command> [options]
#include "Ctl.h"
#include "core/DiagramCanvas.h"


#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <map>

int cmdInit(CtlContext& ctx, const QStringList& args);
int cmdLayout(CtlContext& ctx, const QStringList& args);
int cmdProject(CtlContext& ctx, const QStringList& args);
int cmdCorner(CtlContext& ctx, const QStringList& args);
int cmdStore(CtlContext& ctx, const QStringList& args);
int cmdUser(CtlContext& ctx, const QStringList& args);
int cmdTotals(CtlContext& ctx, const QStringList& args);
int cmdBackup(CtlContext& ctx, const QStringList& args);
int cmdRestore(CtlContext& ctx, const QStringList& args);
int cmdBill(CtlContext& ctx, const QStringList& args);

namespace {

// One line per subcommand; each lives in its own file.
const std::map<QString, CtlCommand>& commands()
{
    static const std::map<QString, CtlCommand> table = {
        {"init", cmdInit},
        {"layout", cmdLayout},
        {"project", cmdProject},
        {"corner", cmdCorner},
        {"store", cmdStore},
        {"user", cmdUser},
        {"totals", cmdTotals},
        {"backup", cmdBackup},
        {"restore", cmdRestore},
        {"bill", cmdBill},
    };
    return table;
}

int usage()
{
    QString names;
    for (const auto& [name, fn] : commands())
        names += name + ' ';
    std::fprintf(stderr, "usage: guardrailctl [--config FILE] <command> [options]; commands: %s\n",
                 names.trimmed().toUtf8().constData());
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    // Drawing and fonts need a QGuiApplication; without a display use offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName("guardrail");
    QCoreApplication::setOrganizationName("Talvik");
    installFontSubstitutions();

    QStringList args = app.arguments().mid(1);
    QString configPath;
    if (args.size() >= 2 && args.first() == "--config") {
        configPath = args.at(1);
        args = args.mid(2);
    }
    if (args.isEmpty())
        return usage();
    const auto it = commands().find(args.first());
    if (it == commands().end())
        return usage();
    try {
        CtlContext ctx(configPath);
        return it->second(ctx, args.mid(1));
    } catch (const CtlError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    } catch (const DbError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}

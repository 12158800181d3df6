// The desktop client. Takes no arguments; Config.ini beside the program.
// Start-up: configuration, the data module, the login, then the main window;
// without a login the process ends.
#include "core/DiagramCanvas.h"
#include "data/Config.h"
#include "data/DM.h"
#include "data/Session.h"
#include "store/FileStore.h"
#include "ui/shell/AppContext.h"
#include "ui/shell/MessageBoxPrompt.h"
#include "ui/shell/Startup.h"
#include "ui/shell/Tfrm_main.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName("guardrail");
    QCoreApplication::setOrganizationName("Talvik");
    QApplication::setApplicationDisplayName(QStringLiteral("Talvik智能护栏系统"));
    installFontSubstitutions();
    installUiFont();

    MessageBoxPrompt prompt;
    Session session;
    session.DrawScale = 10;
    const AppConfig config = AppConfig::loadFromProgramFolder();
    session.CompanyTitle = config.companyName;

    TDM dm(&prompt);
    openDataModule(dm, config, prompt);

    AppContext ctx{dm, prompt, session, config, [config] { return makeFileStore(config); }};
    if (!runLogin(ctx))
        return 0;

    Tfrm_main mainWindow(ctx);
    prompt.setParent(&mainWindow);
    mainWindow.showMaximized();
    return app.exec();
}

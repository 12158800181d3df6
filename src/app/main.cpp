// The desktop client. Takes no arguments; Config.ini beside the program.
#include "data/Config.h"
#include "data/DM.h"
#include "core/DiagramCanvas.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName("guardrail");
    QCoreApplication::setOrganizationName("Talvik");
    installFontSubstitutions();
    QApplication::setApplicationDisplayName(QStringLiteral("Talvik智能护栏系统"));

    TDM dm;
    if (!dm.open(AppConfig::loadFromProgramFolder()))
        QMessageBox::information(nullptr, QString(), QStringLiteral("fail"));

    QMainWindow w;
    w.setWindowTitle(QStringLiteral("Talvik智能护栏系统"));
    w.showMaximized();
    return app.exec();
}

#include <QGuiApplication>
#include <gtest/gtest.h>

#include "core/DiagramCanvas.h"

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName("guardrail-tests");
    installFontSubstitutions();
    return RUN_ALL_TESTS();
}

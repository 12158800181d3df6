#pragma once
// Runs the built guardrailctl (GUARDRAIL_BIN_DIR) as a child process.
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct CtlResult {
    bool finished = false;   // false: did not start or did not end in time
    int exitCode = -1;
    QString out;
    QString err;
};

CtlResult runGuardrailctl(const QStringList& args,
                          const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
                          int timeoutMs = 60000);

#pragma once
// guardrailctl: shared pieces of the subcommands. Every failure prints one
// line on stderr and gives a non-zero exit code.
#include "data/Config.h"
#include "data/DM.h"
#include "core/Prompt.h"

#include <QStringList>
#include <memory>
#include <stdexcept>

// A failure of a subcommand: printed as one line, exit code 1.
struct CtlError : std::runtime_error {
    explicit CtlError(const QString& m) : std::runtime_error(m.toStdString()) {}
};

class CtlContext {
public:
    explicit CtlContext(QString configPath) : m_configPath(std::move(configPath)) {}

    const AppConfig& config();
    // The open database (schema ensured); throws CtlError when unreachable.
    TDM& dm();
    Prompt& prompt() { return m_prompt; }

private:
    QString m_configPath;
    std::optional<AppConfig> m_config;
    StderrPrompt m_prompt;
    std::unique_ptr<TDM> m_dm;
};

// Options of the form --name value (and bare --flag). Unknown options are an
// error, so a typo never runs a command with a default.
class CtlArgs {
public:
    CtlArgs(const QStringList& args, const QStringList& valueOptions, const QStringList& flags = {});
    QString value(const QString& name, const QString& fallback = {}) const;
    QString required(const QString& name) const;
    bool has(const QString& name) const;
    int intValue(const QString& name) const;

private:
    QMap<QString, QString> m_values;
    QStringList m_flags;
};

// Writes one line of UTF-8 to stdout.
void printLine(const QByteArray& line);

using CtlCommand = int (*)(CtlContext&, const QStringList& args);

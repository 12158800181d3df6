#include "Ctl.h"

#include <QMap>
#include <cstdio>

const AppConfig& CtlContext::config()
{
    if (!m_config)
        m_config = m_configPath.isEmpty() ? AppConfig::loadFromProgramFolder() : AppConfig::load(m_configPath);
    return *m_config;
}

TDM& CtlContext::dm()
{
    if (!m_dm) {
        m_dm = std::make_unique<TDM>(&m_prompt);
        if (!m_dm->open(config()))
            throw CtlError(kDbErrorText + ": " + m_dm->lastError());
    }
    return *m_dm;
}

CtlArgs::CtlArgs(const QStringList& args, const QStringList& valueOptions, const QStringList& flags)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (!a.startsWith("--"))
            throw CtlError(QStringLiteral("unexpected argument: %1").arg(a));
        const QString name = a.mid(2);
        if (flags.contains(name)) {
            m_flags << name;
        } else if (valueOptions.contains(name)) {
            if (i + 1 >= args.size())
                throw CtlError(QStringLiteral("--%1 needs a value").arg(name));
            m_values[name] = args.at(++i);
        } else {
            throw CtlError(QStringLiteral("unknown option: %1").arg(a));
        }
    }
}

QString CtlArgs::value(const QString& name, const QString& fallback) const
{
    return m_values.value(name, fallback);
}

QString CtlArgs::required(const QString& name) const
{
    if (!m_values.contains(name))
        throw CtlError(QStringLiteral("--%1 is required").arg(name));
    return m_values.value(name);
}

bool CtlArgs::has(const QString& name) const
{
    return m_flags.contains(name) || m_values.contains(name);
}

int CtlArgs::intValue(const QString& name) const
{
    bool ok = false;
    const int v = required(name).toInt(&ok);
    if (!ok)
        throw CtlError(QStringLiteral("--%1 must be a whole number").arg(name));
    return v;
}

void printLine(const QByteArray& line)
{
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

#include "Prompt.h"

#include <cstdio>

void StderrPrompt::information(const QString& text)
{
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

void StderrPrompt::error(const QString& text)
{
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

bool StderrPrompt::question(const QString& text)
{
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    return true;
}

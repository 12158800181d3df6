#pragma once
// Data tests run on both databases: a fresh SQLite file and a fresh schema on
// the PostgreSQL server that CTest starts. The PostgreSQL case fails (never
// skips) when that server cannot be reached.
#include "core/Prompt.h"
#include "data/Config.h"
#include "data/DM.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <string>

enum class Backend { Sqlite, Postgres };

std::string backendName(const ::testing::TestParamInfo<Backend>& info);

// A configuration naming an empty database of the backend. For PostgreSQL the
// per-process test database is emptied (schema dropped) first; for SQLite the
// file lives in `dir`.
AppConfig freshDatabaseConfig(Backend backend, const QTemporaryDir& dir);

// Writes the [Database] section of `config` as a Config.ini at `path` (for
// guardrailctl runs against the test database).
void writeConfigIni(const AppConfig& config, const QString& path);

class DbTest : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override;
    void TearDown() override;
    // Reopens the same database (a second client, or after a restore).
    std::unique_ptr<TDM> openSecondClient(Prompt* prompt = nullptr);

    QTemporaryDir tempDir;
    AppConfig config;
    ScriptedPrompt prompt;
    std::unique_ptr<TDM> dm;
};

#define INSTANTIATE_DB_TEST(Suite)                                                                   \
    INSTANTIATE_TEST_SUITE_P(Db, Suite, ::testing::Values(Backend::Sqlite, Backend::Postgres), backendName)

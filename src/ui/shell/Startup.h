#pragma once
// The steps of start-up that need more than a line of main().
struct AppConfig;
struct AppContext;
class Prompt;
class TDM;

// Opens the data module. An unreachable database shows "fail" (the reason
// goes to stderr) and start-up goes on: each later action reports it.
bool openDataModule(TDM& dm, const AppConfig& config, Prompt& prompt);

// The login sequence: on an empty user table the administrator is created
// first, then the login window runs modally. True when a user logged in.
bool runLogin(AppContext& ctx);

// The windows' font: the desktop's own, with Simplified Chinese faces behind
// it, so that Chinese never falls back to a Japanese-shaped face.
void installUiFont();

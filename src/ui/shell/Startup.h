#pragma once
// The login sequence of start-up.
struct AppContext;

// The login sequence: on an empty user table the administrator is created
// first, then the login window runs modally. True when a user logged in.
bool runLogin(AppContext& ctx);

// The windows' font: the desktop's own, with Simplified Chinese faces behind
// it, so that Chinese never falls back to a Japanese-shaped face.
void installUiFont();

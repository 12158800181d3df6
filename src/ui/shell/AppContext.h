#pragma once
// What a window needs from the running client: the data module, the prompt,
// the session values and a way to set up the file store for one transfer.
#include "data/Config.h"
#include "data/DM.h"
#include "data/Session.h"
#include "store/FileStore.h"

#include <functional>
#include <memory>

class Prompt;

struct AppContext {
    TDM& dm;
    Prompt& prompt;
    Session& session;
    AppConfig config;
    // A fresh store for one transfer (the original set up its FTP client
    // before every transfer). Tests may replace it.
    std::function<std::unique_ptr<FileStore>()> makeStore;
};

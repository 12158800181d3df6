#include "FileStore.h"

#include "FtpStore.h"
#include "LocalFolderStore.h"
#include "data/Config.h"

std::unique_ptr<FileStore> makeFileStore(const AppConfig& config)
{
    if (config.usesFtp())
        return std::make_unique<FtpStore>(config.ftp);
    return std::make_unique<LocalFolderStore>(LocalFolderStore::defaultRoot(), config.ftp.billIDbmpPath,
                                              config.ftp.projectMapDocumentPath);
}

#pragma once
// The messages around file transfers, shown by the windows that transfer
// (the store itself never shows anything). One place so every window uses
// the same texts.
#include <QString>

namespace StoreMessages {
// Set-up failed before an upload (bill editors, document upload).
inline const QString kUploadConnectFailed = QStringLiteral("程序上传分栏图到服务器,连接ftp服务器异常！");
// Set-up failed before a diagram download (workspace, binding summary).
inline const QString kDownloadConnectFailed = QStringLiteral("程序下载分栏图,连接ftp服务器异常！");
// Set-up failed before a document delete / download (document manager).
inline const QString kDeleteConnectFailed = QStringLiteral("分栏图删除失败！");
inline const QString kGetConnectFailed = QStringLiteral("分栏图下载失败！");
// Saving the diagram or building the name failed around an upload.
inline const QString kUploadStepFailed = QStringLiteral("分栏图上传放到服务器失败！");
// The transfer itself failed.
inline const QString kUploadFailed = QStringLiteral("文件上传失败!");
inline const QString kDownloadFailed = QStringLiteral("文件下载失败!");
inline const QString kDeleteFailed = QStringLiteral("文件删除失败!");
// A diagram download found no usable file.
inline const QString kDiagramNotFound = QStringLiteral("没有找到分栏图！");
} // namespace StoreMessages

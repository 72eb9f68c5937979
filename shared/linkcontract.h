#pragma once

#include <QString>

// The change notification from the viewer's property window to the
// running viewer: the window publishes the item under these names, the
// viewer follows it. "OK" means the settings were saved and should be read
// again; "end" means the window is gone.
namespace PropertyLinkContract {
inline const QString kService = QStringLiteral("ヴェルモのプロパティ");
inline const QString kTopic = QStringLiteral("Form1");
inline const QString kItem = QStringLiteral("ok2");
inline const QString kSaved = QStringLiteral("OK");
inline const QString kEnded = QStringLiteral("end");
} // namespace PropertyLinkContract

#pragma once

#include <QString>

#include <optional>

class MessageBoxService;
class ResidentChannel;

// How a start in a resident mode meets a viewer that already runs.
namespace ResidentStart {

// Translated where they are shown (context "ResidentStart").
inline const char *const kNotAnsweringMessage =
    QT_TRANSLATE_NOOP("ResidentStart", "ヴェルモは既に起動していますが、応答がありません。");
inline const char *const kRefusedMessage =
    QT_TRANSLATE_NOOP("ResidentStart", "起動中のヴェルモは、いまこの表示を引き受けられません。");

// Takes the resident viewer's lock, or hands commandLine to the viewer that
// holds it, trying again until waitMs has passed (a viewer that is starting
// has no socket yet, one that is ending lets go of the lock). Returns
// nothing when this start is to be the resident viewer; otherwise the exit
// code: 0 once the running viewer said it will show the text, non-zero after
// telling the person why not. A start that found the lock held never
// becomes resident, whether or not the holder answers.
std::optional<int> settle(ResidentChannel &channel, const QString &commandLine, MessageBoxService &messages,
                          int waitMs = 5000);

} // namespace ResidentStart

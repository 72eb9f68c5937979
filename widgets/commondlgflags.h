#pragma once

#include <QtGlobal>

// The platform flag values CommonDlg passes on in its Flags property, as
// the callers know them; the Qt binding honours the ones listed here.
namespace CommonDlgFlags {

// File dialogs.
constexpr quint32 OverwritePrompt = 0x2;
constexpr quint32 AllowMultiSelect = 0x200;
constexpr quint32 FileMustExist = 0x1000;

// Font dialog.
constexpr quint32 ScreenFonts = 0x1;
constexpr quint32 InitToLogFontStruct = 0x40; // always added by showFont
constexpr quint32 FixedPitchOnly = 0x4000;
constexpr quint32 ScalableOnly = 0x20000;

// Print dialog.
constexpr quint32 NoPageNums = 0x8;

} // namespace CommonDlgFlags

// Extended error codes of the standard dialogs (what ErrNumber holds).
namespace CommonDlgErrors {

constexpr quint32 DialogFailure = 0xFFFF;
constexpr quint32 NoFonts = 0x2001;
constexpr quint32 BufferTooSmall = 0x3003;

} // namespace CommonDlgErrors

#pragma once

// Puts the program back in its first state between tests: no window, every
// hook a test can set back to the program's own, and all the program keeps
// between windows as at start. A test sees the headers of the libraries it
// links and no others, and so resets what those keep. The windows go first,
// while the hooks a test set still answer them.

#if __has_include("platform/window/Form.h")
#include "platform/window/Form.h"
#include "platform/window/InputBox.h"
#endif
#if __has_include("platform/help/HelpViewer.h")
#include "platform/help/HelpViewer.h"
#endif
#if __has_include("sounds/SignalWait.h")
#include "sounds/SignalWait.h"
#endif
#if __has_include("printing/FormatDate.h")
#include "printing/FormatDate.h"
#endif
#if __has_include("quiz/session/TopicRegistry.h")
#include "quiz/session/TopicRegistry.h"
#endif
#if __has_include("core/Main.h")
#include "core/Main.h"
#endif
#if __has_include("core/state/Global.h")
#include "core/state/Global.h"
#include "core/state/ReportError.h"
#endif
#if __has_include("data/Database.h")
#include "data/Database.h"
#endif
#if __has_include("platform/print/Printer.h")
#include "platform/print/Printer.h"
#endif
#if __has_include("platform/sound/Sound.h")
#include "platform/sound/Sound.h"
#endif
#if __has_include("platform/graphics/Twips.h")
#include "platform/graphics/MousePointer.h"
#include "platform/graphics/Twips.h"
#endif
#if __has_include("platform/ask/MsgBox.h")
#include "platform/ask/MsgBox.h"
#endif
#if __has_include("platform/values/Shuffle.h")
#include "platform/values/Shuffle.h"
#endif

inline void ResetProgramState()
{
#if __has_include("platform/window/Form.h")
    Forms::DestroyAll();
    Form::SetModalHook({});
    Form::SetHelpHandler({});
    SetInputBoxHandler({});
#endif
#if __has_include("platform/help/HelpViewer.h")
    HtmlHelp(nullptr, QString(), HelpCommand::CloseAll, 0);
    SetAppHelpFile(QString());
#endif
#if __has_include("sounds/SignalWait.h")
    SetSignalWaitHook({});
#endif
#if __has_include("printing/FormatDate.h")
    SetDateSource({});
#endif
#if __has_include("quiz/session/TopicRegistry.h")
    TopicRegistry::Clear();
#endif
#if __has_include("core/Main.h")
    SetEndHandler({});
    SetMainWindowShower({});
    SetProgramFolder(QString());
#endif
#if __has_include("core/state/Global.h")
    ResetGlobals();
    ResetReportError();
#endif
#if __has_include("data/Database.h")
    Database::SetWriteHook({});
#endif
#if __has_include("platform/print/Printer.h")
    ResetPrinters();
    SetPrintSetupHook({});
#endif
#if __has_include("platform/sound/Sound.h")
    SetSoundRecorder({});
    SetSoundWatcher({});
    SetSpeakerFolder({});
#endif
#if __has_include("platform/graphics/Twips.h")
    Twips::ResetTwipsPerPixel();
    Twips::ResetScreenSize();
    MousePointer::Set(MousePointer::Default);
#endif
#if __has_include("platform/ask/MsgBox.h")
    SetMsgBoxHandler({});
#endif
#if __has_include("platform/values/Shuffle.h")
    SetShuffleRandom({});
#endif
}

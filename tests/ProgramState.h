#pragma once

// Puts the program back in its first state between tests: no window, every
// hook a test can set back to the program's own, the program-wide variables
// and the error reporter as at start. The twips scale and the screen size
// stay the test's own: some set them once for all their tests. A test sees
// the headers of the libraries it links and no others, and so resets what
// those keep. The windows go first, while the hooks a test set still answer
// them.

#if __has_include("platform/window/Form.h")
#include "platform/window/Form.h"
#include "platform/window/InputBox.h"
#endif
#if __has_include("sounds/SignalWait.h")
#include "sounds/SignalWait.h"
#endif
#if __has_include("printing/FormatDate.h")
#include "printing/FormatDate.h"
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
#if __has_include("sounds/SignalWait.h")
    SetSignalWaitHook({});
#endif
#if __has_include("printing/FormatDate.h")
    SetDateSource({});
#endif
#if __has_include("core/Main.h")
    SetEndHandler({});
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
#if __has_include("platform/ask/MsgBox.h")
    SetMsgBoxHandler({});
#endif
#if __has_include("platform/values/Shuffle.h")
    SetShuffleRandom({});
#endif
}

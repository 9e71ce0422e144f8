#include "ProgramState.h"

#include "core/state/Global.h"
#include "core/Main.h"
#include "core/state/ReportError.h"
#include "data/Database.h"
#include "platform/window/Form.h"
#include "platform/window/InputBox.h"
#include "platform/ask/MsgBox.h"
#include "platform/print/Printer.h"
#include "printing/FormatDate.h"
#include "platform/values/Shuffle.h"
#include "sounds/SignalWait.h"

void ResetProgramState()
{
    // The windows go first, while the hooks a test set still answer them.
    Forms::DestroyAll();
    Form::SetModalHook({});
    Form::SetHelpHandler({});
    SetMsgBoxHandler({});
    SetInputBoxHandler({});
    SetShuffleRandom({});
    Database::SetWriteHook({});
    SetSignalWaitHook({});
    SetDateSource({});
    SetPrintSetupHook({});
    SetEndHandler({});
    ResetPrinters();
    ResetGlobals();
    ResetReportError();
}

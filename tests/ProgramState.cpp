#include "ProgramState.h"

#include "core/Global.h"
#include "core/Main.h"
#include "core/ReportError.h"
#include "data/Database.h"
#include "platform/Form.h"
#include "platform/InputBox.h"
#include "platform/MsgBox.h"
#include "platform/Printer.h"
#include "printing/FormatDate.h"
#include "quiz/Shuffle.h"
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

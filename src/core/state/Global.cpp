#include "core/state/Global.h"

QString AppPath;
int ListType = 0;
bool ListEdit = false;
long ListRecord = 0;
int WindowMode = 0;
int Response = 0;
QString ChosenAnswer;
int SoundMode = 0;
bool ShowIntro = false;
bool MultiChoice = false;
long TryCount = 0;
long CorrectCount = 0;
bool LinkMode = false;
int LinkTypeTwo = 0;
int LinkTypeOne = 0;
long LinkRecordOne = 0;
QStringList PrintLines;

void ResetGlobals()
{
    AppPath.clear();
    ListType = 0;
    ListEdit = false;
    ListRecord = 0;
    WindowMode = 0;
    Response = 0;
    ChosenAnswer.clear();
    SoundMode = 0;
    ShowIntro = false;
    MultiChoice = false;
    TryCount = 0;
    CorrectCount = 0;
    LinkMode = false;
    LinkTypeTwo = 0;
    LinkTypeOne = 0;
    LinkRecordOne = 0;
    PrintLines.clear();
}

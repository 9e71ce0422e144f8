#include "quiz/LoadChoices.h"

#include "core/state/Global.h"
#include "quiz/AnswerForm.h"
#include "quiz/ChoiceList.h"

void LoadChoices(ChoiceList &Clist, const std::function<std::vector<Choice>()> &read)
{
    QWidget *window = Clist.window();
    window->setCursor(Qt::WaitCursor);
    Clist.show();
    Clist.clear();
    const std::vector<Choice> choices = read();
    QList<QPair<QString, int>> entries;
    for (const Choice &choice : choices)
        entries.append({choice.text, choice.value});
    Clist.SetChoices(entries);
    window->unsetCursor();
}

void Clist_Click(ChoiceList &Clist, const std::function<void()> &ShowNext)
{
    const int row = Clist.currentRow();
    if (row < 0)
        return;
    Response = static_cast<qint16>(Clist.ItemValue(row));
    ChosenAnswer = Clist.item(row)->text();
    FormInstance<AnswerForm>().ShowModal();
    if (Response != 0 && ShowNext)
        ShowNext();
}

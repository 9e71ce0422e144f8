#include "quiz/session/TopicRegistry.h"

#include "quiz/session/Topics.h"

#include <array>

namespace TopicRegistry {
namespace {
std::array<QuizOpener, Topics::Last> &openers()
{
    static std::array<QuizOpener, Topics::Last> registered;
    return registered;
}
} // namespace

void RegisterQuiz(int topicCode, QuizOpener open)
{
    if (Topics::IsTopic(topicCode))
        openers()[topicCode - 1] = std::move(open);
}

bool ShowQuiz(long topicCode)
{
    if (!Topics::IsTopic(topicCode) || !openers()[topicCode - 1])
        return false;
    // A copy: the opener may register anew while its window is open.
    const QuizOpener open = openers()[topicCode - 1];
    open();
    return true;
}

void Clear()
{
    openers().fill(QuizOpener());
}
} // namespace TopicRegistry

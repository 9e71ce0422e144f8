#include "quiz/session/Topics.h"

namespace Topics {
namespace {
struct Topic {
    const char *head;
    const char *line;
    const char *name;
};

constexpr Topic topics[] = {
    {"LIGHTHEAD", "LIGHTLINE", "Lights"}, {"SHAPEHEAD", "SHAPELINE", "Shapes"}, {"BUOYHEAD", "BUOYLINE", "Buoys"},
    {"SOUNDHEAD", "SOUNDLINE", "Sounds"}, {"COLHEAD", "COLLINE", "Collisions"},
};
} // namespace

QString HeadTable(long topicCode)
{
    return IsTopic(topicCode) ? QString::fromLatin1(topics[topicCode - 1].head) : QString();
}

QString LineTable(long topicCode)
{
    return IsTopic(topicCode) ? QString::fromLatin1(topics[topicCode - 1].line) : QString();
}

QString Name(long topicCode)
{
    return IsTopic(topicCode) ? QString::fromLatin1(topics[topicCode - 1].name) : QString();
}
} // namespace Topics

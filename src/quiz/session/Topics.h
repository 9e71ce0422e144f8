#pragma once

#include <QString>

// Topic codes as stored beside every picture number in LINKS and
// ALTERNATIVES: 1 lights, 2 day shapes, 3 buoys, 4 sound signals,
// 5 collision situations. Each topic numbers its pictures by itself.
namespace Topics {
constexpr int First = 1;
constexpr int Last = 5;

inline bool IsTopic(long topicCode)
{
    return topicCode >= First && topicCode <= Last;
}
// The topic's head table ("LIGHTHEAD" ...) and line table ("LIGHTLINE" ...);
// empty for a code that names no topic.
QString HeadTable(long topicCode);
QString LineTable(long topicCode);
// "Lights", "Shapes", "Buoys", "Sounds", "Collisions".
QString Name(long topicCode);
} // namespace Topics

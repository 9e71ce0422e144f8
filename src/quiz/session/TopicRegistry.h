#pragma once

#include <functional>

// The quiz window of each topic, as the main window registers it at start-up,
// so that a link from one topic's quiz can open another's without this folder
// knowing the windows above it.
namespace TopicRegistry {
// Shows the topic's quiz window modally and returns when it has closed.
using QuizOpener = std::function<void()>;

void RegisterQuiz(int topicCode, QuizOpener open);
// Opens the registered quiz window of the topic; false when the code names no
// topic or nothing is registered for it.
bool ShowQuiz(long topicCode);
// Forgets every registration (tests).
void Clear();
} // namespace TopicRegistry

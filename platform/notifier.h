#pragma once

#include <string>
#include <vector>

namespace tallyx {

// The message box: the platform's icons, button sets and answers.
enum class NotifierIcon { None, Information, Warning, Error, Question };
enum class NotifierButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class NotifierAnswer { Ok, Cancel, Yes, No };

class Notifier {
public:
    virtual ~Notifier() = default;
    virtual NotifierAnswer ShowMessage(const std::wstring& text, const std::wstring& caption, NotifierIcon icon,
                                       NotifierButtons buttons) = 0;
};

// Writes each message to standard error and answers with the first button:
// the console's notifier.
class ConsoleNotifier : public Notifier {
public:
    NotifierAnswer ShowMessage(const std::wstring& text, const std::wstring& caption, NotifierIcon icon,
                               NotifierButtons buttons) override;
};

// Remembers every message and gives a chosen answer: the test double.
class RecordingNotifier : public Notifier {
public:
    struct Message {
        std::wstring text;
        std::wstring caption;
        NotifierIcon icon;
        NotifierButtons buttons;
    };

    explicit RecordingNotifier(NotifierAnswer answer = NotifierAnswer::Ok) : answer_(answer) {}
    NotifierAnswer ShowMessage(const std::wstring& text, const std::wstring& caption, NotifierIcon icon,
                               NotifierButtons buttons) override
    {
        messages.push_back({text, caption, icon, buttons});
        return answer_;
    }

    std::vector<Message> messages;

private:
    NotifierAnswer answer_;
};

}  // namespace tallyx

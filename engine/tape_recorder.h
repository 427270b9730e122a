#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/status.h"

namespace tallyx {

// The paper tape: a text log of every expression evaluated and its result,
// written to a file in the documents folder. The evaluator owns one and
// reports each evaluation to it.
class TapeRecorder {
public:
    // Room for the whole tape, in characters; a full tape stops growing.
    static constexpr std::size_t kCapacity = 31998;

    TapeRecorder() = default;
    // Writes the file at exit when something was recorded.
    ~TapeRecorder();
    TapeRecorder(const TapeRecorder&) = delete;
    TapeRecorder& operator=(const TapeRecorder&) = delete;

    // Switching on starts a new tape, stamped with the current UTC time,
    // unless the current tape already holds records.
    void SetRecording(bool on);
    bool IsRecording() const { return recording_; }

    // The expression as typed, "=", the result and a separator line.
    void RecordEvaluation(std::wstring_view expression, std::wstring_view result);

    // Writes the tape now (the "View Tape..." command) when recording is on,
    // and gives the file's path in any case.
    std::filesystem::path Save();
    // Writes the tape file as UTF-8. Unforced, it writes only when something
    // was recorded. A failed write keeps the tape in memory.
    Status Write(bool forced);

    const std::wstring& Text() const { return text_; }
    const std::filesystem::path& FilePath() const { return path_; }
    bool HasRecords() const { return recorded_; }

private:
    void Start();
    void AppendLine(std::wstring_view line);

    std::wstring text_;
    std::filesystem::path path_;
    bool recording_ = false;
    bool recorded_ = false;
};

}  // namespace tallyx

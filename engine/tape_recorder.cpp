#include "engine/tape_recorder.h"

#include <fstream>
#include <system_error>

#include "platform/number_text.h"
#include "platform/services.h"
#include "platform/wide_text.h"

namespace tallyx {
namespace {

constexpr std::wstring_view kLineEnd = L"\r\n";
constexpr std::wstring_view kSeparator = L"------------------\r\n";
constexpr std::wstring_view kFilePrefix = L"Tallyx_";

std::wstring Number(int value)
{
    return FormatInteger(value);
}

// "12-5-2026": month, day, year without leading zeros.
std::wstring DateLine(const DateTime& now)
{
    return Number(now.month) + L"-" + Number(now.day) + L"-" + Number(now.year);
}

// "9:5" for 09:05, as the tape has always written it.
std::wstring TimeLine(const DateTime& now)
{
    return Number(now.hour) + L":" + Number(now.minute);
}

// "Tallyx_12-5-2026-223.txt" for 22:03.
std::wstring FileName(const DateTime& now)
{
    return std::wstring(kFilePrefix) + DateLine(now) + L"-" + Number(now.hour) + Number(now.minute) + L".txt";
}

}  // namespace

TapeRecorder::~TapeRecorder()
{
    if (recording_) {
        Write(false);
    }
}

void TapeRecorder::SetRecording(bool on)
{
    if (on && !recorded_) {
        Start();
    }
    recording_ = on;
}

void TapeRecorder::Start()
{
    const DateTime now = Platform().clock->SystemTime();
    text_.clear();
    AppendLine(DateLine(now));
    AppendLine(TimeLine(now));
    AppendLine(L"");
    path_ = Platform().paths->DocumentsFolder() / FileName(now);
}

void TapeRecorder::AppendLine(std::wstring_view line)
{
    if (text_.size() + line.size() + kLineEnd.size() > kCapacity) {
        return;
    }
    text_.append(line);
    text_.append(kLineEnd);
}

void TapeRecorder::RecordEvaluation(std::wstring_view expression, std::wstring_view result)
{
    if (!recording_ || expression.empty()) {
        return;
    }
    recorded_ = true;
    AppendLine(expression);
    AppendLine(L"=");
    AppendLine(result);
    AppendLine(kSeparator);
}

std::filesystem::path TapeRecorder::Save()
{
    if (recording_) {
        Write(true);
    }
    return path_;
}

Status TapeRecorder::Write(bool forced)
{
    if (path_.empty() || text_.empty() || (!forced && !recorded_)) {
        return StatusOk;
    }
    std::error_code ignored;
    std::filesystem::create_directories(path_.parent_path(), ignored);
    std::ofstream file(path_, std::ios::binary | std::ios::trunc);
    if (!file) {
        return StatusFail;
    }
    const std::string bytes = NarrowUtf8(text_);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return file ? StatusOk : StatusFail;
}

}  // namespace tallyx

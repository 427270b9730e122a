#include "app/csv_save.h"

#include <fstream>
#include <system_error>

#include "app/file_dialog.h"
#include "platform/services.h"

namespace tallyx {
namespace {

constexpr wchar_t kCsvFilterCaption[] = L"CSV files (*.csv)";
constexpr wchar_t kCsvFilterPattern[] = L"*.csv";
constexpr wchar_t kMessageCaption[] = L"Tallyx";
constexpr wchar_t kWriteFailedMessage[] = L"Error writing file\r\nUnable to save ";
constexpr char kPartSuffix[] = ".part";

}  // namespace

Status WriteCsvFile(const std::filesystem::path& path, std::string_view csv)
{
    std::filesystem::path part = path;
    part += kPartSuffix;
    std::error_code error;
    {
        std::ofstream file(part, std::ios::binary | std::ios::trunc);
        file.write(csv.data(), static_cast<std::streamsize>(csv.size()));
        file.close();
        if (file) {
            std::filesystem::rename(part, path, error);
            if (!error) return StatusOk;
        }
    }
    std::filesystem::remove(part, error);
    return StatusFail;
}

bool SaveCsv(WindowHost& owner, std::string_view csv, std::int32_t skinIndex)
{
    FileDialogRequest request;
    request.owner = &owner;
    request.filters.push_back({kCsvFilterCaption, kCsvFilterPattern});
    request.initialFolder = Platform().paths->DocumentsFolder().wstring();
    request.skinIndex = skinIndex;
    if (ShowSaveDialog(request) == 0 || request.file.empty()) return false;
    if (WriteCsvFile(request.file, csv) != StatusOk) {
        Platform().notifier->ShowMessage(kWriteFailedMessage + request.file, kMessageCaption, NotifierIcon::Warning,
                                         NotifierButtons::Ok);
        return false;
    }
    return true;
}

}  // namespace tallyx

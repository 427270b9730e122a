// Any byte string as an expression, in every base, with BCD on and off; the
// result is then formatted in every notation. Nothing may crash or overrun.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/expression_evaluator.h"
#include "engine/number_formatter.h"
#include "platform/wide_text.h"

namespace {

constexpr std::size_t kMostBytes = 4096;
// The first two bytes choose the settings; the rest is the text.
constexpr std::size_t kSettingBytes = 2;

tallyx::ExpressionEvaluator& FuzzEvaluator()
{
    static const auto evaluator = std::make_unique<tallyx::ExpressionEvaluator>();
    return *evaluator;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > kMostBytes) return 0;
    tallyx::ExpressionEvaluator& evaluator = FuzzEvaluator();
    const std::uint8_t base = size > 0 ? data[0] : 10;
    const std::uint8_t flags = size > 1 ? data[1] : 0;
    evaluator.SetBase(tallyx::BaseConverter::kMinBase + base % (tallyx::BaseConverter::kMaxBase - 1));
    evaluator.SetWordSize(tallyx::BaseConverter::kMinWordSize + flags % 61);
    evaluator.SetBcdMode((flags & 0x40) != 0);
    evaluator.SetAngleUnit(flags % 3);

    const std::size_t skipped = size < kSettingBytes ? size : kSettingBytes;
    const std::wstring text = tallyx::WidenUtf8(std::string(reinterpret_cast<const char*>(data) + skipped, size - skipped));
    std::wstring result;
    evaluator.Evaluate(text, result);
    evaluator.Evaluate(text, result, 10, 10);
    evaluator.ConvertAngle(text, result);

    static tallyx::NumberFormatter formatter{tallyx::RegionalSettings{}};
    for (int notation = tallyx::NotationNormal; notation <= tallyx::NotationBinaryDec; ++notation) {
        formatter.SetNotation(notation);
        formatter.FormatDisplay(result, true);
        formatter.FormatDisplay(text, false);
    }
    formatter.Format(text, {evaluator.GetBase(), evaluator.IsBcdMode()});
    return 0;
}

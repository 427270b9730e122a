#include "engine/expression_evaluator.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "engine/binary_operators.h"
#include "engine/calculator_functions.h"
#include "engine/expression_rewriting.h"
#include "engine/expression_scanner.h"
#include "engine/key_ids.h"
#include "engine/postfix_order.h"

namespace tallyx {
namespace {

constexpr std::string_view kSyntaxError = "syntax error";
// Characters beyond the single-byte range read as this, which no rule accepts.
constexpr char kUnreadable = '?';
constexpr wchar_t kHighestSingleByte = 0x7F;

// The DRG> conversion of each angle unit: what is appended to the value text.
constexpr std::wstring_view kAngleConversions[] = {
    L"*(pi)/180.0",
    L"*200.0/(pi)",
    L"*9.0/10.0",
};

bool IsBase(int base)
{
    return base >= BaseConverter::kMinBase && base <= BaseConverter::kMaxBase;
}

char ScanCharacter(wchar_t character)
{
    return character > 0 && character <= kHighestSingleByte ? static_cast<char>(character) : kUnreadable;
}

}  // namespace

ExpressionEvaluator::ExpressionEvaluator() : random_(TimeSeed()) {}

double ExpressionEvaluator::Evaluate(std::wstring_view text, std::wstring& resultText)
{
    return Evaluate(text, resultText, base_, base_);
}

double ExpressionEvaluator::Evaluate(std::wstring_view text, std::wstring& resultText, int inputBase, int outputBase)
{
    ShortText result;
    if (Calculate(text, inputBase) != Outcome::Number || !IsBase(outputBase)) {
        result.Append(kSyntaxError);
    } else {
        result = ResultChars(outputBase);
    }
    std::array<wchar_t, ShortText::kCapacity> wide{};
    std::copy(result.View().begin(), result.View().end(), wide.begin());
    const std::wstring_view shown(wide.data(), result.Size());
    // The text may be the caller's result string itself: record it before that changes.
    if (!text.empty()) tape_.RecordEvaluation(text, shown);
    resultText.assign(shown);
    bcdInput_ = bcdOutput_;
    return slots_[0];
}

ExpressionEvaluator::Outcome ExpressionEvaluator::Calculate(std::wstring_view text, int inputBase)
{
    result_ = 0.0;
    std::fill_n(slots_.begin(), std::max<std::size_t>(slotCount_, 2), 0.0);
    slotCount_ = 0;
    tokenCount_ = 0;
    dmsInput_ = false;

    std::wstring_view prepared;
    if (!IsBase(inputBase) || !PrepareText(text, inputBase, prepared)) return Outcome::SyntaxError;
    std::transform(prepared.begin(), prepared.end(), scan_.begin(), ScanCharacter);

    ExpressionScanner scanner(tokens_, slots_);
    const bool whole = scanner.Scan(std::string_view(scan_.data(), prepared.size()));
    slotCount_ = scanner.SlotCount();
    tokenCount_ = scanner.TokenCount();
    if (!whole) return Outcome::SyntaxError;
    tokenCount_ = ToPostfix(std::span(tokens_).first(tokenCount_), stack_);
    return RunPostfix() ? Outcome::Number : Outcome::SyntaxError;
}

// Symbols and angles written out, numbers in decimal; false when the text
// grows beyond the working storage.
bool ExpressionEvaluator::PrepareText(std::wstring_view text, int inputBase, std::wstring_view& prepared)
{
    TextWriter symbols(rewritten_);
    RewriteSymbols(text, symbols);
    TextWriter degrees(converted_);
    dmsInput_ = RewriteDegrees(symbols.View(), degrees);
    if (symbols.Overflowed() || degrees.Overflowed()) return false;
    prepared = degrees.View();
    if (inputBase == BaseKeyDecimal && !bcdInput_) return true;
    TextWriter decimal(rewritten_);
    if (inputBase != BaseKeyDecimal) {
        BaseConverter::ToDecimal(prepared, inputBase, decimal);
    } else {
        BaseConverter::FromBcd(prepared, decimal);
    }
    prepared = decimal.View();
    return !decimal.Overflowed();
}

// Numbers push their slots; a function rewrites the top slot; a binary
// operator writes its result into the slot of its left operand.
bool ExpressionEvaluator::RunPostfix()
{
    const AngleUnit unit = static_cast<AngleUnit>(angleUnit_);
    std::size_t depth = 0;
    for (std::size_t index = 0; index < tokenCount_ && tokens_[index] != kTokenEnd; ++index) {
        const TokenCode code = tokens_[index];
        if (IsNumberToken(code)) {
            stack_[depth++] = static_cast<TokenCode>(code - kTokenFirstSlot);
        } else if (depth > 0 && IsPrefixToken(code)) {
            const FunctionContext context{unit, slots_[0], slots_[1], &random_};
            double& operand = slots_[stack_[depth - 1]];
            operand = ApplyFunction(code == kTokenNegate ? kNegateFunction : code - kTokenFirstFunction, operand, context);
        } else if (depth > 1 && IsBinaryToken(code)) {
            const double right = slots_[stack_[--depth]];
            double& left = slots_[stack_[depth - 1]];
            left = ApplyOperator(code, left, right, unit);
        } else {
            return false;
        }
    }
    if (depth != 1) return false;
    result_ = slots_[stack_[0]];
    return true;
}

ShortText ExpressionEvaluator::ResultChars(int outputBase)
{
    // Infinities and NaN read as the error words in every base.
    if (!std::isfinite(result_)) return NumberChars(result_);
    if (bcdOutput_) {
        ShortText groups;
        if (BaseConverter::ToBcd(result_, groups)) return groups;
        bcdOutput_ = false;
        return NumberChars(result_);
    }
    return outputBase == BaseKeyDecimal ? NumberChars(result_) : bases_.FromValue(result_, outputBase);
}

bool ExpressionEvaluator::ConvertAngle(std::wstring_view valueText, std::wstring& resultText)
{
    if (valueText.size() >= kMaxAngleText) return false;
    TextWriter expression(angleText_);
    expression.Append(valueText.empty() ? std::wstring_view(L"0") : valueText);
    expression.Append(kAngleConversions[angleUnit_]);
    Evaluate(expression.View(), resultText);
    return true;
}

bool ExpressionEvaluator::SetAngleUnit(int unit)
{
    if (unit == kNextAngleUnit) {
        angleUnit_ = (angleUnit_ + 1) % kNextAngleUnit;
        return true;
    }
    if (unit < AngleUnitDeg || unit > AngleUnitGrad) return false;
    angleUnit_ = unit;
    return true;
}

bool ExpressionEvaluator::SetBase(int base)
{
    if (!IsBase(base)) return false;
    base_ = base;
    return true;
}

std::wstring ExpressionEvaluator::SaveTape()
{
    return tape_.Save().wstring();
}

}  // namespace tallyx

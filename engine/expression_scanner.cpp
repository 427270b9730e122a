#include "engine/expression_scanner.h"

#include <charconv>
#include <limits>

#include "engine/calculator_functions.h"

namespace tallyx {
namespace {

// The operators of the power level, in the order of their codes.
constexpr std::string_view kPowerOperators = "^ErCPXYR<&|xn%od";

struct NamedConstant {
    std::string_view name;
    double value;
};

constexpr NamedConstant kNamedConstants[] = {
    {"pi", 3.141592653589793238},
    {"e", 2.718281828459045235},
};

bool IsDigit(char character)
{
    return character >= '0' && character <= '9';
}

// Decimal exponent of the leading digit of a number text that from_chars
// found out of range: positive means too large, otherwise too small.
long long MagnitudeOf(std::string_view number)
{
    const std::size_t exponentAt = number.find('e');
    const std::string_view mantissa = number.substr(0, exponentAt);
    long long exponent = 0;
    if (exponentAt != std::string_view::npos) {
        std::string_view digits = number.substr(exponentAt + 1);
        const bool negative = !digits.empty() && digits.front() == '-';
        if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) digits.remove_prefix(1);
        int value = 0;
        const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        const long long magnitude = result.ec == std::errc::result_out_of_range ? std::numeric_limits<int>::max() : value;
        exponent = negative ? -magnitude : magnitude;
    }
    const std::size_t point = mantissa.find('.') == std::string_view::npos ? mantissa.size() : mantissa.find('.');
    const std::size_t leading = mantissa.find_first_of("123456789");
    if (leading == std::string_view::npos) return std::numeric_limits<long long>::min();
    const long long position = leading < point ? static_cast<long long>(point - leading) - 1
                                               : -static_cast<long long>(leading - point);
    return position + exponent;
}

double ReadNumber(std::string_view number)
{
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        return MagnitudeOf(number) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return value;
}

}  // namespace

bool ExpressionScanner::Scan(std::string_view text)
{
    text_ = text;
    position_ = 0;
    tokenCount_ = 0;
    slotCount_ = 0;
    const bool read = Expression();
    return Emit(kTokenEnd) && read && position_ == text_.size();
}

bool ExpressionScanner::Expression()
{
    if (!Term()) return false;
    while (Peek() == '+' || Peek() == '-') {
        if (!Emit(Peek() == '+' ? kTokenPlus : kTokenMinus)) return false;
        ++position_;
        if (!Term()) return false;
    }
    return true;
}

bool ExpressionScanner::Term()
{
    if (!Power()) return false;
    while (Peek() == '*' || Peek() == '/') {
        if (!Emit(Peek() == '*' ? kTokenTimes : kTokenDivide)) return false;
        ++position_;
        if (!Power()) return false;
    }
    return true;
}

bool ExpressionScanner::Power()
{
    if (!Primary()) return false;
    for (;;) {
        const std::size_t found = Peek() == '\0' ? std::string_view::npos : kPowerOperators.find(Peek());
        if (found == std::string_view::npos) return true;
        if (!Emit(static_cast<TokenCode>(kTokenPower + found))) return false;
        ++position_;
        if (!Primary()) return false;
    }
}

bool ExpressionScanner::Primary()
{
    while (Take('-')) {
        if (!Emit(kTokenNegate)) return false;
    }
    return Operand();
}

bool ExpressionScanner::Operand()
{
    if (Peek() == '(') return Bracketed();
    if (IsDigit(Peek()) || Peek() == '.') return Number();
    const std::string_view rest = text_.substr(position_);
    std::size_t nameLength = 0;
    const int function = MatchFunctionName(rest, nameLength);
    if (function >= 0) {
        position_ += nameLength;
        return Peek() == '(' && Emit(static_cast<TokenCode>(kTokenFirstFunction + function)) && Bracketed();
    }
    for (const NamedConstant& constant : kNamedConstants) {
        if (rest.starts_with(constant.name)) {
            position_ += constant.name.size();
            return StoreNumber(constant.value);
        }
    }
    return Number();
}

bool ExpressionScanner::Bracketed()
{
    if (!Take('(') || !Emit(kTokenOpenBracket) || !Expression()) return false;
    return Take(')') && Emit(kTokenCloseBracket);
}

bool ExpressionScanner::Number()
{
    const std::size_t start = position_;
    bool point = false;
    bool exponent = false;
    for (;;) {
        const char character = Peek();
        if (IsDigit(character)) {
            ++position_;
        } else if (character == '.' && !point) {
            point = true;
            ++position_;
        } else if (character == 'e' && !exponent) {
            exponent = true;
            ++position_;
            if (Peek() == '+' || Peek() == '-') ++position_;
        } else {
            break;
        }
    }
    return StoreNumber(ReadNumber(text_.substr(start, position_ - start)));
}

bool ExpressionScanner::StoreNumber(double value)
{
    if (slotCount_ == slots_.size()) return false;
    slots_[slotCount_] = value;
    return Emit(static_cast<TokenCode>(kTokenFirstSlot + slotCount_++));
}

bool ExpressionScanner::Emit(TokenCode code)
{
    if (tokenCount_ == tokens_.size()) return false;
    tokens_[tokenCount_++] = code;
    return true;
}

bool ExpressionScanner::Take(char character)
{
    if (position_ == text_.size() || text_[position_] != character) return false;
    ++position_;
    return true;
}

}  // namespace tallyx

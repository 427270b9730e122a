#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/angle_unit.h"
#include "engine/base_converter.h"
#include "engine/key_ids.h"
#include "engine/random_generator.h"
#include "engine/tape_recorder.h"

namespace tallyx {

// The one evaluator of expression text that all arithmetic goes through.
// Results come back as number text or as one of the error words below; the
// working storage lives in the object, so evaluation never allocates (give
// Evaluate the same result string again and it keeps its capacity).
class ExpressionEvaluator {
public:
    // Longest text that is evaluated, after the symbols are written out; a
    // longer one reads as a syntax error. The Expression mode builds at most 511.
    static constexpr std::size_t kTextCapacity = 2048;
    // Every number of the text has a value slot; slot 0 takes the result.
    static constexpr std::size_t kValueSlots = kTextCapacity + 1;
    static constexpr std::size_t kTokenCapacity = 2 * kTextCapacity + 4;
    // ConvertAngle refuses value texts of this length or more.
    static constexpr std::size_t kMaxAngleText = 33;

    ExpressionEvaluator();
    ExpressionEvaluator(const ExpressionEvaluator&) = delete;
    ExpressionEvaluator& operator=(const ExpressionEvaluator&) = delete;

    // Evaluates text in the current base; resultText receives the number text,
    // "syntax error", "infinity" or "imaginary". Returns the value: the result,
    // an infinity or NaN for the error words, and for a syntax error the first
    // number read (0 when none), so callers test the text.
    double Evaluate(std::wstring_view text, std::wstring& resultText);
    // The same with the text read in inputBase and the result written in outputBase.
    double Evaluate(std::wstring_view text, std::wstring& resultText, int inputBase, int outputBase);

    // DEG to RAD, RAD to GRAD, GRAD to DEG of the value text, by the current
    // unit (which stays). Empty text counts as "0"; texts of kMaxAngleText
    // characters or more are refused (false, result untouched).
    bool ConvertAngle(std::wstring_view valueText, std::wstring& resultText);

    // 0 DEG, 1 RAD, 2 GRAD; kNextAngleUnit steps to the next. Other values are refused.
    bool SetAngleUnit(int unit);
    int GetAngleUnit() const { return angleUnit_; }

    // 2..36; returns false and changes nothing otherwise.
    bool SetBase(int base);
    int GetBase() const { return base_; }
    bool SetWordSize(int bits) { return bases_.SetWordSize(bits); }
    int GetWordSize() const { return bases_.GetWordSize(); }

    // Results shown as BCD groups; the next text is read as BCD when the last
    // result was shown so.
    void SetBcdMode(bool on) { bcdOutput_ = on; }
    bool IsBcdMode() const { return bcdOutput_; }

    // Set when the last text held a degree sign; the DMS keys set and clear it.
    bool IsDmsInput() const { return dmsInput_; }
    void SetDmsInput(bool on) { dmsInput_ = on; }

    // Recording on starts a new tape unless the current one holds records.
    void SetTapeRecording(bool on) { tape_.SetRecording(on); }
    bool IsTapeOn() const { return tape_.IsRecording(); }
    // Writes the tape when recording is on; gives its path in any case.
    std::wstring SaveTape();
    TapeRecorder& Tape() { return tape_; }

    // The value of the last evaluation.
    double Result() const { return result_; }

private:
    enum class Outcome { Number, SyntaxError };

    Outcome Calculate(std::wstring_view text, int inputBase);
    bool PrepareText(std::wstring_view text, int inputBase, std::wstring_view& prepared);
    bool RunPostfix();
    ShortText ResultChars(int outputBase);

    int angleUnit_ = AngleUnitDeg;
    int base_ = BaseKeyDecimal;
    bool dmsInput_ = false;
    bool bcdOutput_ = false;
    bool bcdInput_ = false;
    double result_ = 0.0;
    BaseConverter bases_;
    RandomGenerator random_;
    TapeRecorder tape_;

    std::size_t tokenCount_ = 0;
    std::size_t slotCount_ = 0;
    std::array<double, kValueSlots> slots_{};
    std::array<std::uint16_t, kTokenCapacity> tokens_{};
    std::array<std::uint16_t, kTokenCapacity> stack_{};
    std::array<wchar_t, kTextCapacity> rewritten_{};
    std::array<wchar_t, kTextCapacity> converted_{};
    std::array<char, kTextCapacity> scan_{};
    std::array<wchar_t, 2 * kMaxAngleText> angleText_{};
};

}  // namespace tallyx

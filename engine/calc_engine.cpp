#include "engine/calc_engine.h"

#include <algorithm>

#include "engine/key_ids.h"
#include "engine/shift_rule.h"
#include "engine/text_limits.h"
#include "platform/services.h"
#include "platform/wide_text.h"

namespace tallyx {
namespace {

constexpr std::wstring_view kRefusedKeyMessage = L"This button is not usable based on the current state of Tallyx.";
constexpr std::wstring_view kRefusedKeyCaption = L"Tallyx Error";

}  // namespace

const std::array<CalcEngine::KeyHandler, ButtonTypeStack + 1> CalcEngine::kKeyHandlers = {
    &CalcEngine::PressEntryKey,  &CalcEngine::PressOperatorKey,  &CalcEngine::PressFunctionKey,
    &CalcEngine::PressBracketKey, &CalcEngine::PressMemoryKey,   &CalcEngine::PressEqualsKey,
    &CalcEngine::PressRecallKey, &CalcEngine::PressShiftKey,     &CalcEngine::PressClearKey,
    &CalcEngine::PressClipboardKey, &CalcEngine::PressBaseKey,   &CalcEngine::PressStackKey,
};

CalcEngine::CalcEngine(ExpressionEvaluator& evaluator, NumberFormatter& formatter)
    : evaluator_(evaluator),
      formatter_(formatter),
      expression_(evaluator),
      algebraic_(evaluator),
      directAlgebraic_(evaluator),
      normal_(evaluator),
      rpn_(evaluator),
      engines_{&expression_, &algebraic_, &directAlgebraic_, &normal_, &rpn_},
      memories_(evaluator)
{
}

bool CalcEngine::PressButton(int type, int id)
{
    const bool accepted = HandleButton(type, id);
    if (accepted) {
        unusableCount_ = 0;
    } else {
        CountRefusal();
    }
    return accepted;
}

bool CalcEngine::HandleButton(int type, int id)
{
    return type >= 0 && static_cast<std::size_t>(type) < kKeyHandlers.size() &&
           (this->*kKeyHandlers[static_cast<std::size_t>(type)])(id);
}

void CalcEngine::CountRefusal()
{
    if (++unusableCount_ < kRefusalsBeforeMessage) {
        return;
    }
    unusableCount_ = 0;
    Platform().notifier->ShowMessage(std::wstring(kRefusedKeyMessage), std::wstring(kRefusedKeyCaption),
                                     NotifierIcon::Information, NotifierButtons::Ok);
}

DisplayText CalcEngine::GetDisplayText(bool regional) const
{
    DisplayRequest request;
    request.base = GetBase();
    request.bcd = IsBcdMode();
    request.dms = CurrentEngine().IsDmsDisplay();
    request.regional = regional;
    return formatter_.Format(GetRawDisplayText(), request);
}

std::wstring CalcEngine::GetRawDisplayText() const
{
    return CurrentEngine().GetDisplayText();
}

std::wstring CalcEngine::GetIndicatorText() const
{
    return CurrentEngine().GetIndicatorText();
}

std::wstring CalcEngine::GetPendingText() const
{
    switch (mode_) {
    case CalcModeExpression:
        return expression_.GetIndicatorText();
    case CalcModeRpn:
        return {};
    default:
        return KeypadEngine().PendingText(KeypadEngine().Level());
    }
}

bool CalcEngine::SetMode(int mode)
{
    if (mode < CalcModeExpression || mode > CalcModeRpn) {
        return false;
    }
    mode_ = mode;
    return true;
}

bool CalcEngine::SetAngleUnit(int unit)
{
    return evaluator_.SetAngleUnit(unit);
}

int CalcEngine::GetAngleUnit() const
{
    return evaluator_.GetAngleUnit();
}

bool CalcEngine::SetWordSize(int bits)
{
    return evaluator_.SetWordSize(bits);
}

int CalcEngine::GetWordSize() const
{
    return evaluator_.GetWordSize();
}

int CalcEngine::GetBase() const
{
    return evaluator_.GetBase();
}

bool CalcEngine::IsBcdMode() const
{
    return evaluator_.IsBcdMode();
}

bool CalcEngine::IsMemoryUsed(int slot) const
{
    return MemorySlots::IsSlot(slot) && memories_.IsUsed(slot);
}

bool CalcEngine::PressEntryKey(int id)
{
    if (id < 0 || id > EntryKeyLast) {
        return false;
    }
    if (shiftState_ == ShiftStateRecallPending || shiftState_ == ShiftStateStorePending) {
        if (!MemorySlots::IsSlot(id)) {
            return false;
        }
        if (shiftState_ == ShiftStateStorePending) {
            StoreMemory(id);
            return true;
        }
        return RecallMemory(id);
    }
    if (IsBcdMode() && id > 1) {
        return false;
    }
    shiftState_ = ShiftStateNone;
    return CurrentEngine().PressDigit(id);
}

bool CalcEngine::PressOperatorKey(int id)
{
    shiftState_ = ShiftStateNone;
    if (id < 0 || id > OperatorKeyLast) {
        return false;
    }
    const int operatorId = id == OperatorKeyEex ? OperatorKeyExp : id;
    if (IsDecimalOnlyOperator(operatorId) && GetBase() != BaseKeyDecimal) {
        return false;
    }
    return CurrentEngine().PressOperator(operatorId);
}

bool CalcEngine::PressFunctionKey(int id)
{
    shiftState_ = ShiftStateNone;
    if (id < 0 || id > FunctionKeyLast) {
        return false;
    }
    const int functionId = id == FunctionKeyChs ? FunctionKeyPlusMinus : id;
    if (functionId != FunctionKeyPlusMinus && GetBase() != BaseKeyDecimal) {
        return false;
    }
    if (functionId == FunctionKeyDegToDec || functionId == FunctionKeyShowDms) {
        // These finish the calculation and choose how its result is shown.
        PressEqualsKey(EqualsKeyEquals);
        evaluator_.SetDmsInput(functionId == FunctionKeyShowDms);
        return true;
    }
    return CurrentEngine().PressFunction(functionId);
}

bool CalcEngine::PressBracketKey(int id)
{
    return (id == BracketKeyOpen || id == BracketKeyClose) && CurrentEngine().PressBracket(id);
}

void CalcEngine::StoreMemory(int slot)
{
    shiftState_ = ShiftStateNone;
    memories_.Store(slot, GetRawDisplayText());
    CurrentEngine().SetState(EngineStateValue);
}

bool CalcEngine::RecallMemory(int slot)
{
    shiftState_ = ShiftStateNone;
    return CurrentEngine().EnterValue(memories_.Recall(slot));
}

bool CalcEngine::PressMemoryRegisterKey(int slot)
{
    const ShiftState shift = shiftState_;
    shiftState_ = ShiftStateNone;
    switch (shift) {
    case ShiftStateSecond:
        memories_.Subtract(slot, GetRawDisplayText());
        return true;
    case ShiftStateRecallPending:
        return RecallMemory(slot);
    case ShiftStateStorePending:
        StoreMemory(slot);
        return true;
    case ShiftStateNone:
        memories_.Add(slot, GetRawDisplayText());
        return true;
    default:
        memories_.Add(0, GetRawDisplayText());
        return true;
    }
}

bool CalcEngine::PressMemoryKey(int id)
{
    if (id >= MemoryKeyFirstClear && id < MemoryKeyFirstClear + 8) {
        memories_.Clear(id - MemoryKeyFirstClear);
        return true;
    }
    if (id >= MemoryKeyFirstStore && id < MemoryKeyFirstRecall) {
        StoreMemory(id);
        return true;
    }
    if (id >= MemoryKeyFirstRecall && id < MemoryKeyFirstClear) {
        return RecallMemory(id - MemoryKeyFirstRecall);
    }
    if (id >= MemoryKeyFirstRegister && id <= MemoryKeyLastRegister) {
        return PressMemoryRegisterKey(id - MemoryKeyFirstRegister);
    }
    if (id != MemoryKeyPlus && id != MemoryKeyPlusToo && id != MemoryKeyMinus) {
        return false;
    }
    shiftState_ = ShiftStateNone;
    if (id == MemoryKeyMinus) {
        memories_.Subtract(0, GetRawDisplayText());
    } else {
        memories_.Add(0, GetRawDisplayText());
    }
    return true;
}

bool CalcEngine::PressEqualsKey(int id)
{
    shiftState_ = ShiftStateNone;
    if (id == EqualsKeyBlank) {
        return true;
    }
    if (id != EqualsKeyEquals && id != EqualsKeyEnter) {
        return false;
    }
    if (!CurrentEngine().PressEquals(EqualsKeyEquals)) {
        return false;
    }
    lastAnswer_ = CutText(CurrentEngine().GetDisplayText(), kEntryLength);
    return true;
}

bool CalcEngine::PressRecallKey(int id)
{
    shiftState_ = ShiftStateNone;
    switch (id) {
    case RecallKeyLastAnswer:
        return CurrentEngine().EnterValue(lastAnswer_.empty() ? L"0" : lastAnswer_);
    case RecallKeyLastX:
        return mode_ == CalcModeRpn && rpn_.EnterValue(std::wstring(rpn_.GetLastX()));
    default:
        return CurrentEngine().PressConstant(id);
    }
}

bool CalcEngine::PressShiftKey(int id)
{
    shiftState_ = ShiftStateAfterKey(shiftState_, id);
    return true;
}

bool CalcEngine::PressClearKey(int id)
{
    if (id != ClearKeyBackSpace) {
        shiftState_ = ShiftStateNone;
    }
    if (id == ClearKeyReset) {
        Reset();
        return true;
    }
    return CurrentEngine().PressClear(id);
}

bool CalcEngine::PressClipboardKey(int id)
{
    shiftState_ = ShiftStateNone;
    switch (id) {
    case ClipboardKeyCopy:
        return Platform().clipboard->SetText(GetRawDisplayText());
    case ClipboardKeyCopyExpression:
        return mode_ == CalcModeExpression && Platform().clipboard->SetText(expression_.GetIndicatorText());
    case ClipboardKeyPaste: {
        // Text copied from elsewhere often ends in a line break.
        const std::wstring text = CutText(TrimBlanks(Platform().clipboard->GetText().value_or(L"")), kPasteLength);
        return CurrentEngine().EnterValue(text.empty() ? L"0" : text);
    }
    default:
        return false;
    }
}

bool CalcEngine::PressBaseKey(int id)
{
    shiftState_ = ShiftStateNone;
    if (!IsBaseKey(id)) {
        return false;
    }
    const bool bcd = id == BaseKeyBcd;
    const int target = bcd ? BaseKeyDecimal : id;
    if (!bcd && target == GetBase() && !IsBcdMode()) {
        return true;
    }
    const std::wstring display = GetRawDisplayText();
    CurrentEngine().PressClear(ClearKeyClear);
    evaluator_.SetBcdMode(bcd);
    std::wstring converted;
    evaluator_.Evaluate(display, converted, GetBase(), target);
    CurrentEngine().EnterValue(converted);
    evaluator_.SetBase(target);
    if (mode_ == CalcModeExpression && !converted.empty()) {
        expression_.PressEquals(EqualsKeyEquals);
    }
    return true;
}

bool CalcEngine::PressStackKey(int id)
{
    return mode_ == CalcModeRpn && rpn_.PressStackKey(id);
}

void CalcEngine::Reset()
{
    evaluator_.SetBase(BaseKeyDecimal);
    evaluator_.SetWordSize(kDefaultWordSize);
    shiftState_ = ShiftStateNone;
    evaluator_.SetDmsInput(false);
    evaluator_.SetBcdMode(false);
    CurrentEngine().PressClear(ClearKeyAll);
    CurrentEngine().PressClear(ClearKeyAll);
    mode_ = CalcModeAlgebraic;
    formatter_.SetNotation(NotationNormal);
    memories_.Clear(0);
}

bool CalcEngine::HistoryUp()
{
    return mode_ == CalcModeExpression && expression_.HistoryUp();
}

bool CalcEngine::HistoryDown()
{
    return mode_ == CalcModeExpression && expression_.HistoryDown();
}

bool CalcEngine::CanHistoryUp() const
{
    return mode_ == CalcModeExpression && expression_.CanHistoryUp();
}

bool CalcEngine::CanHistoryDown() const
{
    return mode_ == CalcModeExpression && expression_.CanHistoryDown();
}

DirectAlgebraicEngine& CalcEngine::KeypadEngine() const
{
    return static_cast<DirectAlgebraicEngine&>(CurrentEngine());
}

void CalcEngine::LoadTexts(std::wstring_view valueText, std::wstring_view expressionText)
{
    if (!valueText.empty()) {
        CurrentEngine().EnterValue(valueText);
    }
    if (expressionText.empty()) {
        return;
    }
    if (mode_ == CalcModeExpression) {
        expression_.SetExpression(expressionText);
    } else {
        KeypadEngine().SetIndicatorText(expressionText);
    }
}

bool CalcEngine::IsTapeOn() const
{
    return evaluator_.IsTapeOn();
}

void CalcEngine::SetTapeRecording(bool on)
{
    evaluator_.SetTapeRecording(on);
}

std::wstring CalcEngine::SaveTape()
{
    return evaluator_.SaveTape();
}

}  // namespace tallyx

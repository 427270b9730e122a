#include "app/key_spoken_names.h"

#include "engine/key_ids.h"
#include "platform/wide_text.h"

namespace tallyx {
namespace {

// Whether a run of ids speaks its place: "Memory store 2", "Memory 1", "Base 3".
enum class Numbering {
    None,        // one name for the whole run
    AfterFirst,  // the first id plain, the next ones numbered from 2
    FromOne,     // numbered from 1
    ById,        // the id itself
};

struct SpokenName {
    std::int32_t type;
    std::int32_t firstId;
    std::int32_t lastId;
    const wchar_t* name;
    Numbering numbering = Numbering::None;
};

// The first entry whose run holds the key names it.
constexpr SpokenName kSpokenNames[] = {
    {ButtonTypeEntry, EntryKeyDecimal, EntryKeyDecimal, L"Decimal point"},
    {ButtonTypeEntry, EntryKeyDegree, EntryKeyDegree, L"Degrees minutes seconds entry"},

    {ButtonTypeOperator, OperatorKeyPlus, OperatorKeyPlus, L"Plus"},
    {ButtonTypeOperator, OperatorKeyMinus, OperatorKeyMinus, L"Minus"},
    {ButtonTypeOperator, OperatorKeyTimes, OperatorKeyTimes, L"Times"},
    {ButtonTypeOperator, OperatorKeyDivide, OperatorKeyDivide, L"Divide"},
    {ButtonTypeOperator, OperatorKeyXToTheY, OperatorKeyXToTheY, L"x to the power y"},
    {ButtonTypeOperator, OperatorKeyExp, OperatorKeyExp, L"Exponent"},
    {ButtonTypeOperator, OperatorKeyRoot, OperatorKeyRoot, L"y-th root of x"},
    {ButtonTypeOperator, OperatorKeyCombinations, OperatorKeyCombinations, L"Combinations"},
    {ButtonTypeOperator, OperatorKeyPermutations, OperatorKeyPermutations, L"Permutations"},
    {ButtonTypeOperator, 9, 9, L"Radius from x and y"},
    {ButtonTypeOperator, 10, 10, L"x from radius and angle"},
    {ButtonTypeOperator, 11, 11, L"Angle from x and y"},
    {ButtonTypeOperator, 12, 12, L"y from radius and angle"},
    {ButtonTypeOperator, OperatorKeyAnd, OperatorKeyAnd, L"And"},
    {ButtonTypeOperator, OperatorKeyOr, OperatorKeyOr, L"Or"},
    {ButtonTypeOperator, OperatorKeyXor, OperatorKeyXor, L"Exclusive or"},
    {ButtonTypeOperator, OperatorKeyNor, OperatorKeyNor, L"Not or"},
    {ButtonTypeOperator, OperatorKeyModulo, OperatorKeyModulo, L"Modulo"},
    {ButtonTypeOperator, OperatorKeyEex, OperatorKeyEex, L"Enter exponent"},
    {ButtonTypeOperator, OperatorKeyXnor, OperatorKeyXnor, L"Exclusive not or"},
    {ButtonTypeOperator, OperatorKeyNand, OperatorKeyNand, L"Not and"},

    {ButtonTypeFunction, FunctionKeyCos, FunctionKeyCos, L"Cosine"},
    {ButtonTypeFunction, FunctionKeySin, FunctionKeySin, L"Sine"},
    {ButtonTypeFunction, FunctionKeyTan, FunctionKeyTan, L"Tangent"},
    {ButtonTypeFunction, 3, 3, L"Inverse cosine"},
    {ButtonTypeFunction, 4, 4, L"Inverse sine"},
    {ButtonTypeFunction, 5, 5, L"Inverse tangent"},
    {ButtonTypeFunction, 6, 6, L"Hyperbolic cosine"},
    {ButtonTypeFunction, 7, 7, L"Hyperbolic sine"},
    {ButtonTypeFunction, 8, 8, L"Hyperbolic tangent"},
    {ButtonTypeFunction, 9, 9, L"Inverse hyperbolic cosine"},
    {ButtonTypeFunction, 10, 10, L"Inverse hyperbolic sine"},
    {ButtonTypeFunction, 11, 11, L"Inverse hyperbolic tangent"},
    {ButtonTypeFunction, FunctionKeyConvertAngle, FunctionKeyConvertAngle, L"Convert angle unit"},
    {ButtonTypeFunction, FunctionKeyCycleAngle, FunctionKeyCycleAngle, L"Angle unit"},
    {ButtonTypeFunction, FunctionKeyLog, FunctionKeyLog, L"Common logarithm"},
    {ButtonTypeFunction, FunctionKeyLn, FunctionKeyLn, L"Natural logarithm"},
    {ButtonTypeFunction, FunctionKeyLog2, FunctionKeyLog2, L"Binary logarithm"},
    {ButtonTypeFunction, FunctionKeyAbs, FunctionKeyAbs, L"Absolute value"},
    {ButtonTypeFunction, FunctionKeyPlusMinus, FunctionKeyPlusMinus, L"Change sign"},
    {ButtonTypeFunction, FunctionKeyDegToDec, FunctionKeyDegToDec, L"Degrees minutes seconds to decimal"},
    {ButtonTypeFunction, FunctionKeyShowDms, FunctionKeyShowDms, L"Show as degrees minutes seconds"},
    {ButtonTypeFunction, FunctionKeyOneOverX, FunctionKeyOneOverX, L"Reciprocal"},
    {ButtonTypeFunction, FunctionKeyXSquared, FunctionKeyXSquared, L"Square"},
    {ButtonTypeFunction, FunctionKeyXCubed, FunctionKeyXCubed, L"Cube"},
    {ButtonTypeFunction, FunctionKeySquareRoot, FunctionKeySquareRoot, L"Square root"},
    {ButtonTypeFunction, FunctionKeyCubeRoot, FunctionKeyCubeRoot, L"Cube root"},
    {ButtonTypeFunction, FunctionKeyEToTheX, FunctionKeyEToTheX, L"e to the power x"},
    {ButtonTypeFunction, FunctionKeyTenToTheX, FunctionKeyTenToTheX, L"10 to the power x"},
    {ButtonTypeFunction, FunctionKeyFactorial, FunctionKeyFactorial, L"Factorial"},
    {ButtonTypeFunction, 29, 29, L"Sum"},
    {ButtonTypeFunction, FunctionKeyPercentage, FunctionKeyPercentage, L"Percent"},
    {ButtonTypeFunction, 31, 31, L"Random number"},
    {ButtonTypeFunction, 32, 32, L"Show as degrees minutes seconds"},
    {ButtonTypeFunction, FunctionKeyChs, FunctionKeyChs, L"Change sign"},

    {ButtonTypeBracket, BracketKeyOpen, BracketKeyOpen, L"Open bracket"},
    {ButtonTypeBracket, BracketKeyClose, BracketKeyClose, L"Close bracket"},

    {ButtonTypeMemory, MemoryKeyFirstStore, MemoryKeyFirstRecall - 1, L"Memory store", Numbering::AfterFirst},
    {ButtonTypeMemory, MemoryKeyFirstRecall, MemoryKeyFirstClear - 1, L"Memory recall", Numbering::AfterFirst},
    {ButtonTypeMemory, MemoryKeyFirstClear, MemoryKeyPlus - 1, L"Memory clear", Numbering::AfterFirst},
    {ButtonTypeMemory, MemoryKeyPlus, MemoryKeyPlus, L"Memory plus"},
    {ButtonTypeMemory, MemoryKeyFirstRegister, MemoryKeyLastRegister, L"Memory", Numbering::FromOne},
    {ButtonTypeMemory, MemoryKeyPlusToo, MemoryKeyPlusToo, L"Memory plus"},
    {ButtonTypeMemory, MemoryKeyMinus, MemoryKeyMinus, L"Memory minus"},

    {ButtonTypeEquals, EqualsKeyEquals, EqualsKeyEquals, L"Equals"},
    {ButtonTypeEquals, EqualsKeyEnter, EqualsKeyEnter, L"Enter"},
    {ButtonTypeEquals, EqualsKeyBlank, EqualsKeyBlank, L"Blank"},

    {ButtonTypeRecall, RecallKeyPi, RecallKeyPi, L"Pi"},
    {ButtonTypeRecall, RecallKeyVariable, RecallKeyVariable, L"Variable X"},
    {ButtonTypeRecall, RecallKeyLastX, RecallKeyLastX, L"Last X"},
    {ButtonTypeRecall, RecallKeyLastAnswer, RecallKeyLastAnswer, L"Last answer"},

    {ButtonTypeShift, ShiftKeySecond, ShiftKeySecond, L"Second function"},
    {ButtonTypeShift, ShiftKeyHyp, ShiftKeyHyp, L"Hyperbolic"},
    {ButtonTypeShift, ShiftKeyRecall, ShiftKeyRecall, L"Recall"},
    {ButtonTypeShift, ShiftKeyStore, ShiftKeyStore, L"Store"},
    {ButtonTypeShift, ShiftKeyConstants, ShiftKeyConstants, L"Constants"},

    {ButtonTypeClear, ClearKeyClear, ClearKeyClear, L"Clear"},
    {ButtonTypeClear, ClearKeyAll, ClearKeyAll, L"Clear all"},
    {ButtonTypeClear, ClearKeyEntry, ClearKeyEntry, L"Clear entry"},
    {ButtonTypeClear, ClearKeyBackSpace, ClearKeyBackSpace, L"Backspace"},
    {ButtonTypeClear, ClearKeyReset, ClearKeyReset, L"Reset"},
    {ButtonTypeClear, ClearKeyX, ClearKeyX, L"Clear X"},

    {ButtonTypeClipboard, ClipboardKeyCopy, ClipboardKeyCopy, L"Copy"},
    {ButtonTypeClipboard, ClipboardKeyCopyExpression, ClipboardKeyCopyExpression, L"Copy expression"},
    {ButtonTypeClipboard, ClipboardKeyPaste, ClipboardKeyPaste, L"Paste"},

    {ButtonTypeBase, BaseKeyBinary, BaseKeyBinary, L"Binary"},
    {ButtonTypeBase, BaseKeyOctal, BaseKeyOctal, L"Octal"},
    {ButtonTypeBase, BaseKeyDecimal, BaseKeyDecimal, L"Decimal"},
    {ButtonTypeBase, BaseKeyHexadecimal, BaseKeyHexadecimal, L"Hexadecimal"},
    {ButtonTypeBase, BaseKeyFirst, BaseKeyLast, L"Base", Numbering::ById},
    {ButtonTypeBase, BaseKeyBcd, BaseKeyBcd, L"Binary-coded decimal"},

    {ButtonTypeStack, StackKeySwap, StackKeySwap, L"Swap X and Y"},
    {ButtonTypeStack, StackKeyRollUp, StackKeyRollUp, L"Roll up"},
    {ButtonTypeStack, StackKeyRollDown, StackKeyRollDown, L"Roll down"},
    {ButtonTypeStack, StackKeyDrop, StackKeyDrop, L"Drop"},

    {ButtonTypeWorksheetKey, WorksheetButtonUp, WorksheetButtonUp, L"Previous cell"},
    {ButtonTypeWorksheetKey, WorksheetButtonDown, WorksheetButtonDown, L"Next cell"},
    {ButtonTypeWorksheetKey, WorksheetButtonReset, WorksheetButtonReset, L"Reset"},
    {ButtonTypeWorksheetKey, WorksheetButtonCalculate, WorksheetButtonCalculate, L"Calculate"},
    {ButtonTypeWorksheetKey, WorksheetButtonGraph, WorksheetButtonGraph, L"Graph"},
    {ButtonTypeWorksheetKey, WorksheetButtonLoad, WorksheetButtonLoad, L"Load"},
    {ButtonTypeWorksheetKey, WorksheetButtonSave, WorksheetButtonSave, L"Save"},
    {ButtonTypeWorksheetKey, WorksheetButtonOptions, WorksheetButtonOptions, L"Options"},
    {ButtonTypeWorksheetKey, WorksheetButtonNext, WorksheetButtonNext, L"Next"},
    {ButtonTypeWorksheetKey, WorksheetButtonBack, WorksheetButtonBack, L"Back"},

    {ButtonTypeWorksheet, 0, 0, L"Time value of money worksheet"},
    {ButtonTypeWorksheet, 2, 2, L"Statistics worksheet"},
    {ButtonTypeWorksheet, 5, 5, L"Depreciation worksheet"},
    {ButtonTypeWorksheet, 6, 6, L"Cash flow worksheet"},
    {ButtonTypeWorksheet, 7, 7, L"Compound interest worksheet"},
    {ButtonTypeWorksheet, 8, 8, L"Percent change worksheet"},
    {ButtonTypeWorksheet, 9, 9, L"Date worksheet"},
    {ButtonTypeWorksheet, 10, 10, L"Profit margin worksheet"},
    {ButtonTypeWorksheet, 11, 11, L"Break-even worksheet"},
    {ButtonTypeWorksheet, 12, 12, L"Mortgage worksheet"},
    {ButtonTypeWorksheet, 13, 13, L"Lease worksheet"},
    {ButtonTypeWorksheet, 14, 14, L"Loan worksheet"},
    {ButtonTypeWorksheet, 15, 15, L"Tip worksheet"},
    {ButtonTypeWorksheet, 16, 16, L"Linear regression"},
    {ButtonTypeWorksheet, 17, 17, L"Exponential regression"},
    {ButtonTypeWorksheet, 18, 18, L"Logarithmic regression"},
    {ButtonTypeWorksheet, 19, 19, L"Power regression"},

    {ButtonTypeGraph, GraphKeyDraw, GraphKeyDraw, L"Draw graph"},
    {ButtonTypeGraph, GraphKeyFunctions, GraphKeyFunctions, L"Function list"},
};

std::wstring Numbered(const SpokenName& entry, std::int32_t id)
{
    const std::wstring name = entry.name;
    switch (entry.numbering) {
    case Numbering::None: return name;
    case Numbering::AfterFirst:
        return id == entry.firstId ? name : name + L" " + std::to_wstring(id - entry.firstId + 1);
    case Numbering::FromOne: return name + L" " + std::to_wstring(id - entry.firstId + 1);
    case Numbering::ById: return name + L" " + std::to_wstring(id);
    }
    return name;
}

}  // namespace

std::wstring SpokenKeyName(const ButtonKey& key, std::wstring_view caption)
{
    for (const SpokenName& entry : kSpokenNames) {
        if (entry.type == key.type && key.id >= entry.firstId && key.id <= entry.lastId) return Numbered(entry, key.id);
    }
    return std::wstring(TrimBlanks(caption));
}

}  // namespace tallyx

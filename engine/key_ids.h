#pragma once

namespace tallyx {

// Button identifiers within each button type (engine/button_types.h), as the
// skins give them.

enum EntryKey : int {
    EntryKeyFirstLetter = 10,  // A; F is 15
    EntryKeyDecimal = 16,
    EntryKeyDegree = 18,       // DecToDeg: starts minutes, then seconds
    EntryKeyLast = 19,
};

enum OperatorKey : int {
    OperatorKeyPlus = 0,
    OperatorKeyMinus = 1,
    OperatorKeyTimes = 2,
    OperatorKeyDivide = 3,
    OperatorKeyXToTheY = 4,
    OperatorKeyExp = 5,
    OperatorKeyRoot = 6,
    OperatorKeyCombinations = 7,
    OperatorKeyPermutations = 8,
    OperatorKeyLastDecimalOnly = 12,  // ids 4..12 need base 10
    OperatorKeyAnd = 13,
    OperatorKeyOr = 14,
    OperatorKeyXor = 15,
    OperatorKeyNor = 16,
    OperatorKeyModulo = 17,
    OperatorKeyEex = 18,
    OperatorKeyXnor = 19,
    OperatorKeyNand = 20,
    OperatorKeyLast = 20,
};

enum FunctionKey : int {
    FunctionKeyCos = 0,
    FunctionKeySin = 1,
    FunctionKeyTan = 2,
    FunctionKeyLastTrigonometric = 11,  // the inverse and hyperbolic ones follow cos, sin, tan
    FunctionKeyConvertAngle = 12,       // DRG>
    FunctionKeyCycleAngle = 13,         // DRG
    FunctionKeyLog = 14,
    FunctionKeyLn = 15,
    FunctionKeyLog2 = 16,
    FunctionKeyAbs = 17,
    FunctionKeyPlusMinus = 18,
    FunctionKeyDegToDec = 19,
    FunctionKeyShowDms = 20,
    FunctionKeyOneOverX = 21,
    FunctionKeyXSquared = 22,
    FunctionKeyXCubed = 23,
    FunctionKeySquareRoot = 24,
    FunctionKeyCubeRoot = 25,
    FunctionKeyEToTheX = 26,
    FunctionKeyTenToTheX = 27,
    FunctionKeyFactorial = 28,
    FunctionKeyPercentage = 30,
    FunctionKeyChs = 33,
    FunctionKeyLast = 33,
};

// Operators that work in base 10 only.
constexpr bool IsDecimalOnlyOperator(int id)
{
    return id >= OperatorKeyXToTheY && id <= OperatorKeyLastDecimalOnly;
}

// Prefix functions are typed before their argument in Direct Algebraic entry:
// the trigonometric keys, log, ln, log2 and ABS.
constexpr bool IsPrefixFunction(int id)
{
    return (id >= FunctionKeyCos && id <= FunctionKeyLastTrigonometric) || (id >= FunctionKeyLog && id <= FunctionKeyAbs);
}

enum BracketKey : int {
    BracketKeyOpen = 0,
    BracketKeyClose = 1,
};

// Store, recall and clear come in eight, one for each plain memory.
enum MemoryKey : int {
    MemoryKeyFirstStore = 0,
    MemoryKeyFirstRecall = 8,
    MemoryKeyFirstClear = 16,
    MemoryKeyPlus = 24,
    MemoryKeyFirstRegister = 25,  // M1..M8
    MemoryKeyLastRegister = 32,
    MemoryKeyPlusToo = 33,
    MemoryKeyMinus = 34,
};

enum EqualsKey : int {
    EqualsKeyEquals = 0,
    EqualsKeyEnter = 1,
    EqualsKeyBlank = 2,
};

enum RecallKey : int {
    RecallKeyPi = 0,
    RecallKeyVariable = 20,
    RecallKeyLastX = 98,
    RecallKeyLastAnswer = 99,
};

enum ShiftKey : int {
    ShiftKeySecond = 0,
    ShiftKeyHyp = 1,
    ShiftKeyFirstPrefix = 3,  // ids 3 to 7 are prefixes
    ShiftKeyRecall = 3,
    ShiftKeyStore = 4,
    ShiftKeyLastPrefix = 7,
    ShiftKeyConstants = 8,  // the keypad also opens the constant favourites
};

enum ClearKey : int {
    ClearKeyClear = 0,
    ClearKeyAll = 1,
    ClearKeyEntry = 2,
    ClearKeyBackSpace = 3,
    ClearKeyReset = 4,
    ClearKeyX = 5,
};

enum ClipboardKey : int {
    ClipboardKeyCopy = 0,
    ClipboardKeyCopyExpression = 1,
    ClipboardKeyPaste = 2,
};

// A base key's id is the base itself.
enum BaseKey : int {
    BaseKeyFirst = 2,
    BaseKeyBinary = 2,
    BaseKeyOctal = 8,
    BaseKeyDecimal = 10,
    BaseKeyHexadecimal = 16,
    BaseKeyLast = 16,
    BaseKeyBcd = 17,
};

constexpr bool IsBaseKey(int id)
{
    return (id >= BaseKeyFirst && id <= BaseKeyLast) || id == BaseKeyBcd;
}

enum StackKey : int {
    StackKeySwap = 0,
    StackKeyRollUp = 1,
    StackKeyRollDown = 2,
    StackKeyDrop = 3,
};

// The worksheet keypad's navigation and commands.
enum WorksheetButton : int {
    WorksheetButtonUp = 0,
    WorksheetButtonDown = 1,
    WorksheetButtonReset = 2,
    WorksheetButtonCalculate = 3,
    WorksheetButtonGraph = 4,
    WorksheetButtonLoad = 5,
    WorksheetButtonSave = 6,
    WorksheetButtonOptions = 7,
    WorksheetButtonNext = 8,
    WorksheetButtonBack = 9,
};

enum GraphKey : int {
    GraphKeyDraw = 0,
    GraphKeyFunctions = 1,
};

}  // namespace tallyx

#pragma once

namespace tallyx {

// Button identifiers within each button type, as the skins give them.

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
    OperatorKeyLastDecimalOnly = 12,  // ids 4..12 need base 10
    OperatorKeyEex = 18,
    OperatorKeyLast = 20,
};

enum FunctionKey : int {
    FunctionKeyLastTrigonometric = 11,
    FunctionKeyConvertAngle = 12,  // DRG>
    FunctionKeyCycleAngle = 13,    // DRG
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
    FunctionKeyPercentage = 30,
    FunctionKeyChs = 33,
    FunctionKeyLast = 33,
};

enum BracketKey : int {
    BracketKeyOpen = 0,
    BracketKeyClose = 1,
};

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
    ShiftKeyRecall = 3,
    ShiftKeyStore = 4,
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

enum BaseKey : int {
    BaseKeyFirst = 2,
    BaseKeyDecimal = 10,
    BaseKeyLast = 16,
    BaseKeyBcd = 17,
};

enum StackKey : int {
    StackKeySwap = 0,
    StackKeyRollUp = 1,
    StackKeyRollDown = 2,
    StackKeyDrop = 3,
};

}  // namespace tallyx
